// Keyboard and mouse. All key codes are Windows virtual-key codes.
#pragma once

#include <string>

enum VKey {
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_0 = 48, // the digits run on to VK_0 + 9
    VK_C = 67,
    VK_H = 72,
    VK_I = 73,
    VK_J = 74,
    VK_F12 = 123,
    VK_LSHIFT = 160,
    VK_LCONTROL = 162,
    VK_RCONTROL = 163
};
int KeyIsDown(int key);
int KeyWasHit(int key);
int MouseIsDown(int button);
int MouseWasHit(int button);
int CursorX();
int CursorY();
void FlushInput();
// FlushInput, and the mouse buttons' state and hits forgotten as well (a new
// game in the same process).
void ResetInput();
// Reads pending window events into the input tables (done by every query).
void PollEvents();
// Injected input, used by the headless driver and by tests.
void InjectKey(int key, bool down);
void InjectMouseButton(int button, bool down);
void InjectMouseMove(int x, int y);
void InjectCloseRequest();
int TypedCharCount();
int VirtualKeyFromName(const std::string& name); // "Left", "F12", "A", "162", ... or -1
