// The two backends of the media layer and the window's frame: opening,
// clearing, flipping with 60 Hz pacing, screenshots.
#pragma once

#include "media/strings.h"

#include <cstdint>
#include <string>
#include <vector>

// Window: a real window on the player's display, SDL's renderer, sound
// through SDL_mixer and the real clock. Headless: SDL's dummy video driver,
// a software renderer on a frame in memory, silent audio and a virtual clock
// that each frame advances by the pacing.
enum class Backend { Window, Headless };
// Must be called before OpenGraphics.
void SelectBackend(Backend b);
Backend CurrentBackend();
void ShutdownMedia();
// Shows a fatal error in a message box when a window is open (no-op
// headless or without a display).
void ShowErrorBox(const std::string& message);

void SetWindowTitle(const Str& title);
// Opens the window; throws PlatformError when the platform cannot.
void OpenGraphics(int width, int height, int depth, int hertz, int flags);
int ScreenWidth();
int ScreenHeight();
void HideMouse();
void ClearScreen();
// The drawing that follows covers the whole screen with opaque pixels: the
// clear that ClearScreen asked for is left out.
void DropPendingClear();
void FlipFrame(int sync);
int CloseRequested();

struct Pixmap {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // row-major, 4 bytes per pixel
};
Pixmap GrabScreenRect(int x, int y, int w, int h);
bool SavePixmapPNG(const Pixmap& pm, const Str& path, int level);
// The largest picture the game reads, in pixels a side (the largest it
// ships, a tileset, is 1536 x 1152); a larger one is refused unread.
constexpr int kMaxPictureSide = 4096;
// Reads a PNG into RGBA pixels; on failure returns false and fills err
// with the reason (libpng's own where libpng finds the fault).
bool LoadPixmapPNG(const std::string& utf8path, Pixmap& out, std::string& err);
bool SavePixmapPNGUtf8(const Pixmap& pm, const std::string& utf8path, int level);

// Frame pacing state, exposed for tests and the benchmark.
struct PacingState {
    int period = 16, remainder = 40, hertz = 60, accumulator = 0;
    int64_t nextFrame = 0;
};
const PacingState& Pacing();
// The counter value at which frame number frames (counted from the
// counter's value start) is due at hertz frames a second: exact, so that
// frame intervals average 1/hertz s without drift.
uint64_t FrameDeadline(uint64_t start, uint64_t freq, int64_t frames, int hertz);
// Work time (ms, real clock) of the last frame, measured from the end of
// the previous flip to the start of this flip's wait.
double LastFrameWorkMs();
// Writes one line per flipped frame to the file: the interval since the
// previous flip and the frame's work time, in ms. False if it cannot be
// written.
bool SetFrameLog(const std::string& utf8path);
// Starts the work-time measurement afresh (after start-up).
void ResetFrameTimer();
// Headless only: while set, drawing calls check their arguments as usual but
// put no pixels on the screen. The headless driver uses it for frames nobody
// looks at.
void SetDrawingSkipped(bool skip);
bool DrawingSkipped();
