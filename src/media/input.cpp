// Keyboard and mouse state: held flags and press counts by Windows
// virtual-key code, filled from SDL events or injected by the headless driver.
#include "media/media.h"
#include "media/media_internal.h"

#include <cctype>
#include <cstring>

namespace {
uint8_t g_keyDown[256];
int g_keyHits[256];
uint8_t g_mouseDown[4];
int g_mouseHits[4];
int g_cursorX = 0, g_cursorY = 0;
std::u16string g_typed;

int VkFromSdl(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
    switch (k) {
    case SDLK_KP_0:
        return 96;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_ESCAPE:
        return 27;
    case SDLK_SPACE:
        return 32;
    case SDLK_PAGEUP:
        return 33;
    case SDLK_PAGEDOWN:
        return 34;
    case SDLK_END:
        return 35;
    case SDLK_HOME:
        return 36;
    case SDLK_LEFT:
        return 37;
    case SDLK_UP:
        return 38;
    case SDLK_RIGHT:
        return 39;
    case SDLK_DOWN:
        return 40;
    case SDLK_INSERT:
        return 45;
    case SDLK_DELETE:
        return 46;
    case SDLK_LSHIFT:
        return 160;
    case SDLK_RSHIFT:
        return 161;
    case SDLK_LCTRL:
        return 162;
    case SDLK_RCTRL:
        return 163;
    case SDLK_LALT:
        return 164;
    case SDLK_RALT:
        return 165;
    default:
        return -1;
    }
}

void KeyEvent(int vk, bool down) {
    if (vk < 0 || vk > 255) return;
    if (down) {
        if (!g_keyDown[vk]) {
            g_keyDown[vk] = 1;
            ++g_keyHits[vk];
        }
    } else {
        g_keyDown[vk] = 0;
    }
}

// Windows reports a shift or control key both by its side and as the
// generic key; mirror that so either code can be asked.
void KeyEventWithGeneric(int vk, bool down) {
    KeyEvent(vk, down);
    if (vk == 160 || vk == 161) KeyEvent(16, down);
    if (vk == 162 || vk == 163) KeyEvent(17, down);
    if (vk == 164 || vk == 165) KeyEvent(18, down);
}

void ButtonEvent(int b, bool down) {
    if (b < 1 || b > 3) return;
    if (down) {
        if (!g_mouseDown[b]) {
            g_mouseDown[b] = 1;
            ++g_mouseHits[b];
        }
    } else {
        g_mouseDown[b] = 0;
    }
}
} // namespace

namespace media {
void RequestClose();

void InitInput() {
    memset(g_keyDown, 0, sizeof g_keyDown);
    memset(g_keyHits, 0, sizeof g_keyHits);
    memset(g_mouseDown, 0, sizeof g_mouseDown);
    memset(g_mouseHits, 0, sizeof g_mouseHits);
    g_typed.clear();
}

void HandleEvent(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        RequestClose();
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) RequestClose();
        break;
    case SDL_KEYDOWN:
        // Auto-repeat of a held key is no new press; ignoring it also keeps a
        // key that FlushInput forgot "up" until it is really pressed again.
        if (e.key.repeat == 0) KeyEventWithGeneric(VkFromSdl(e.key.keysym.sym), true);
        break;
    case SDL_KEYUP:
        KeyEventWithGeneric(VkFromSdl(e.key.keysym.sym), false);
        break;
    case SDL_TEXTINPUT: {
        Str t = S(e.text.text);
        for (char16_t c : t)
            if (g_typed.size() < 256) g_typed.push_back(c);
        break;
    }
    case SDL_MOUSEMOTION:
        g_cursorX = e.motion.x;
        g_cursorY = e.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int b = e.button.button == SDL_BUTTON_LEFT     ? 1
                : e.button.button == SDL_BUTTON_RIGHT  ? 2
                : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                       : 0;
        g_cursorX = e.button.x;
        g_cursorY = e.button.y;
        ButtonEvent(b, e.type == SDL_MOUSEBUTTONDOWN);
        break;
    }
    default:
        break;
    }
}
} // namespace media

namespace {
uint64_t g_frameSerial = 1, g_pumpedSerial = 0;
} // namespace

namespace media {
void NextFrameForInput() {
    ++g_frameSerial;
}
} // namespace media

// Asking the window system for new events costs far more than reading SDL's
// queue: it is asked at the first input query of each frame; later queries
// in the frame read only what is already queued.
void PollEvents() {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    if (g_pumpedSerial != g_frameSerial) {
        SDL_PumpEvents();
        g_pumpedSerial = g_frameSerial;
    }
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        media::HandleEvent(e);
}

int KeyIsDown(int key) {
    PollEvents();
    return (key >= 0 && key < 256) ? g_keyDown[key] : 0;
}

int KeyWasHit(int key) {
    PollEvents();
    if (key < 0 || key >= 256) return 0;
    int n = g_keyHits[key];
    g_keyHits[key] = 0;
    return n;
}

int MouseIsDown(int b) {
    PollEvents();
    return (b >= 1 && b <= 3) ? g_mouseDown[b] : 0;
}

int MouseWasHit(int b) {
    PollEvents();
    if (b < 1 || b > 3) return 0;
    int n = g_mouseHits[b];
    g_mouseHits[b] = 0;
    return n;
}

int CursorX() {
    PollEvents();
    return g_cursorX;
}
int CursorY() {
    PollEvents();
    return g_cursorY;
}

void FlushInput() {
    PollEvents();
    memset(g_keyDown, 0, sizeof g_keyDown);
    memset(g_keyHits, 0, sizeof g_keyHits);
    g_typed.clear();
}

void ResetInput() {
    FlushInput();
    memset(g_mouseDown, 0, sizeof g_mouseDown);
    memset(g_mouseHits, 0, sizeof g_mouseHits);
}

int TypedCharCount() {
    return (int)g_typed.size();
}

void InjectKey(int key, bool down) {
    KeyEventWithGeneric(key, down);
}
void InjectMouseButton(int b, bool down) {
    ButtonEvent(b, down);
}
void InjectMouseMove(int x, int y) {
    g_cursorX = x;
    g_cursorY = y;
}

int VirtualKeyFromName(const std::string& n) {
    static const struct {
        const char* name;
        int vk;
    } names[] = {{"Left", 37},      {"Right", 39},   {"Up", 38},     {"Down", 40},
                 {"Return", 13},    {"Enter", 13},   {"Escape", 27}, {"LControl", 162},
                 {"RControl", 163}, {"LShift", 160}, {"Space", 32},  {"Tab", 9}};
    for (auto& e : names)
        if (n == e.name) return e.vk;
    if (n.size() >= 2 && n[0] == 'F' && isdigit((unsigned char)n[1])) {
        int f = atoi(n.c_str() + 1);
        if (f >= 1 && f <= 12) return 111 + f;
    }
    if (n.size() == 1 && isalpha((unsigned char)n[0])) return toupper((unsigned char)n[0]);
    if (n.size() == 1 && isdigit((unsigned char)n[0])) return n[0];
    if (!n.empty() && n.find_first_not_of("0123456789") == std::string::npos && n.size() >= 2) {
        int v = atoi(n.c_str());
        if (v > 0 && v < 256) return v;
    }
    return -1;
}
