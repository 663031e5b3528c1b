// The window and frame shared by both backends: opening, clearing,
// flipping with 60 Hz pacing, screenshots and the clock.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/platform.h"
#include "media/image_internal.h"

#include <cstdio>

namespace {
Backend g_backend = Backend::Window;
bool g_sdlReady = false;
SDL_Window* g_window = nullptr;
SDL_Renderer* g_renderer = nullptr;
SDL_Surface* g_frame = nullptr;
std::string g_title = "Vessara-Demo";
int g_width = 0, g_height = 0;
PacingState g_pacing;
uint64_t g_workStart = 0;
double g_lastWorkMs = 0.0;
int g_closeRequested = 0;
bool g_skipDrawing = false;
// The pacing's deadlines on the high-resolution counter: the counter read
// when the next-frame time was last set from the millisecond clock.
uint64_t g_paceCounter = 0;
int64_t g_paceFrames = 0; // frames flipped since then
FILE* g_frameLog = nullptr;
bool g_clearPending = false;
Uint32 g_clearColour = 0;
uint64_t g_lastPresent = 0;

void StartPacingAt(int64_t ms) {
    g_pacing.nextFrame = ms;
    g_paceFrames = 0;
    g_paceCounter = SDL_GetPerformanceCounter();
}

media::Platform& P() {
    return g_backend == Backend::Headless ? media::HeadlessPlatform() : media::WindowPlatform();
}

void EnsureSdl() {
    if (g_sdlReady) return;
    P().PrepareSdl();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0)
        throw PlatformError("SDL", std::string("cannot start the video system: ") + SDL_GetError());
    g_sdlReady = true;
    P().CheckVideo();
    media::InitInput();
}
} // namespace

namespace media {
SDL_Renderer* Renderer() {
    return g_renderer;
}
SDL_Surface* Frame() {
    return g_frame;
}
SDL_Window* Window() {
    return g_window;
}
void RequestClose() {
    g_closeRequested = 1;
}
} // namespace media

void InjectCloseRequest() {
    g_closeRequested = 1;
}

void SelectBackend(Backend b) {
    g_backend = b;
}
Backend CurrentBackend() {
    return g_backend;
}

void ShowErrorBox(const std::string& message) {
    if (g_sdlReady) P().ShowError(g_title, message, g_window);
}

void SetWindowTitle(const Str& title) {
    g_title = ToUtf8(title);
    if (g_window) SDL_SetWindowTitle(g_window, g_title.c_str());
}

void OpenGraphics(int width, int height, int /*depth*/, int hertz, int /*flags*/) {
    EnsureSdl();
    // A window of the same size that is already open is kept: every
    // picture loaded so far lives in its renderer. Only the pacing restarts.
    if (!g_renderer || width != g_width || height != g_height) {
        if (g_renderer) throw PlatformError("SDL", "the window is open at another size");
        g_width = width;
        g_height = height;
        g_window = P().OpenWindow(g_title, width, height);
        // Both backends draw into a frame in memory with SDL's software
        // renderer and the compositor; the window shows it when flipped.
        g_frame = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (!g_frame)
            throw PlatformError("SDL",
                                std::string("cannot create the frame buffer: ") + SDL_GetError());
        g_renderer = SDL_CreateSoftwareRenderer(g_frame);
        if (!g_renderer)
            throw PlatformError("SDL", std::string("cannot create a renderer: ") + SDL_GetError());
        SDL_SetRenderDrawBlendMode(g_renderer, SDL_BLENDMODE_BLEND);
        P().StartSound();
    }
    if (hertz <= 0) hertz = 60;
    g_pacing.hertz = hertz;
    g_pacing.period = 1000 / hertz;
    g_pacing.remainder = 1000 - g_pacing.period * hertz;
    g_pacing.accumulator = 0;
    StartPacingAt(Millis());
    g_workStart = SDL_GetPerformanceCounter();
}

void ShutdownMedia() {
    media::ShutdownSound();
    if (g_renderer) SDL_DestroyRenderer(g_renderer);
    if (g_frame) SDL_FreeSurface(g_frame);
    g_frame = nullptr;
    P().CloseWindow();
    if (g_window) SDL_DestroyWindow(g_window);
    if (g_frameLog) fclose(g_frameLog);
    g_frameLog = nullptr;
    g_renderer = nullptr;
    g_window = nullptr;
    if (g_sdlReady) SDL_Quit();
    g_sdlReady = false;
}

int ScreenWidth() {
    return g_width;
}
int ScreenHeight() {
    return g_height;
}

void HideMouse() {
    P().HideCursor();
}

// The clear waits for the first drawing after it, so that a screen that the
// ground covers whole is not filled twice.
void ClearScreen() {
    if (!g_renderer || DrawingSkipped()) return;
    auto& st = media::State();
    g_clearPending = true;
    g_clearColour = SDL_MapRGBA(g_frame->format, (Uint8)st.clsR, (Uint8)st.clsG, (Uint8)st.clsB, 255);
}

void DropPendingClear() {
    g_clearPending = false;
}

namespace media {
void ApplyPendingClear() {
    if (!g_clearPending) return;
    g_clearPending = false;
    SDL_RenderFlush(g_renderer);
    SDL_FillRect(g_frame, nullptr, g_clearColour);
}
} // namespace media

uint64_t FrameDeadline(uint64_t start, uint64_t freq, int64_t frames, int hertz) {
    // Whole seconds first, so that the product cannot overflow.
    uint64_t f = (uint64_t)frames, hz = (uint64_t)(hertz > 0 ? hertz : 60);
    return start + f / hz * freq + f % hz * freq / hz;
}

const PacingState& Pacing() {
    return g_pacing;
}
double LastFrameWorkMs() {
    return g_lastWorkMs;
}

void FlipFrame(int sync) {
    uint64_t now = SDL_GetPerformanceCounter();
    g_lastWorkMs = (double)(now - g_workStart) * 1000.0 / (double)SDL_GetPerformanceFrequency();
    if (sync == -1) {
        g_pacing.nextFrame += g_pacing.period;
        g_pacing.accumulator += g_pacing.remainder;
        if (g_pacing.accumulator >= g_pacing.hertz) {
            g_pacing.accumulator -= g_pacing.hertz;
            g_pacing.nextFrame += 1;
        }
        ++g_paceFrames;
        int64_t wait = g_pacing.nextFrame - (int64_t)Millis();
        if (wait <= 0) {
            StartPacingAt(Millis());
        } else {
            // The window waits to the exact frame time, not the whole
            // millisecond of the game clock's schedule (16, 17, 17 ms...).
            uint64_t deadline = FrameDeadline(g_paceCounter, SDL_GetPerformanceFrequency(),
                                              g_paceFrames, g_pacing.hertz);
            P().WaitForFrame((int)wait, deadline);
        }
    }
    media::ApplyPendingClear();
    SDL_RenderFlush(g_renderer);
    uint64_t presentStart = SDL_GetPerformanceCounter();
    P().Present(g_frame);
    media::NextFrameForInput();
    g_workStart = SDL_GetPerformanceCounter();
    if (g_frameLog) {
        double ms = 1000.0 / (double)SDL_GetPerformanceFrequency();
        if (g_lastPresent != 0)
            fprintf(g_frameLog, "%.3f %.3f %.3f\n", (double)(g_workStart - g_lastPresent) * ms,
                    g_lastWorkMs, (double)(g_workStart - presentStart) * ms);
        g_lastPresent = g_workStart;
    }
}

bool SetFrameLog(const std::string& utf8path) {
    if (g_frameLog) fclose(g_frameLog);
    g_frameLog = fopen(utf8path.c_str(), "w");
    g_lastPresent = 0;
    return g_frameLog != nullptr;
}

int CloseRequested() {
    PollEvents();
    int r = g_closeRequested;
    g_closeRequested = 0;
    return r;
}

Pixmap GrabScreenRect(int x, int y, int w, int h) {
    Pixmap pm;
    if (w <= 0 || h <= 0 || !g_renderer) return pm;
    pm.width = w;
    pm.height = h;
    pm.rgba.assign((size_t)w * h * 4, 0);
    media::ApplyPendingClear();
    SDL_Rect r{x, y, w, h};
    SDL_RenderReadPixels(g_renderer, &r, SDL_PIXELFORMAT_RGBA32, pm.rgba.data(), w * 4);
    for (size_t i = 3; i < pm.rgba.size(); i += 4) pm.rgba[i] = 255;
    return pm;
}

int32_t Millis() {
    return P().Millis();
}

void Delay(int ms) {
    if (ms > 0) P().Delay(ms);
}

// Setting the clock forward is time passing (a frame's work, a wait); set
// back, it starts a new timeline, and the pacing restarts with it so that
// the next frame does not wait for a deadline of the old one.
void SetVirtualMillis(int64_t ms) {
    bool back = ms < Millis();
    P().SetMillis(ms);
    if (back) StartPacingAt(Millis());
}

bool SavePixmapPNG(const Pixmap& pm, const Str& path, int level) {
    return SavePixmapPNGUtf8(pm, media::PathOf(path), level);
}

void ResetFrameTimer() {
    g_workStart = SDL_GetPerformanceCounter();
}

void SetDrawingSkipped(bool skip) {
    g_skipDrawing = skip && P().MaySkipDrawing();
}
bool DrawingSkipped() {
    return g_skipDrawing;
}
