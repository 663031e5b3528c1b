// The window backend: a real window on the player's display, showing the
// frame in memory through the window's own surface (X11) or one streaming
// texture of SDL's renderer (elsewhere), sound through SDL_mixer and the
// real clock.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/platform.h"

#include <cstdlib>
#include <cstring>

namespace media {
namespace {
class WindowBackend : public Platform {
  public:
    void PrepareSdl() override {
        // Without a display server to talk to, SDL would print its own
        // complaints and then fall back to an invisible driver.
        const char* driver = getenv("SDL_VIDEODRIVER");
        bool chosen = driver && *driver;
        if (!chosen && !getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY"))
            throw PlatformError("display", "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    }

    void CheckVideo() override {
        // Without a display SDL falls back to drivers that show nothing; the
        // game would run unseen. Those belong to the headless driver only.
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!driver || strcmp(driver, "offscreen") == 0 || strcmp(driver, "dummy") == 0)
            throw PlatformError("display", "no display (SDL video driver \"" +
                                               std::string(driver ? driver : "none") + "\")");
    }

    SDL_Window* OpenWindow(const std::string& title, int width, int height) override {
        SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED,
                                              SDL_WINDOWPOS_CENTERED, width, height, 0);
        if (!window)
            throw PlatformError("SDL", std::string("cannot open the window: ") + SDL_GetError());
        window_ = window;
        // Under X11 the window's own shared-memory surface takes the frame
        // with one copy; left to itself SDL puts a texture renderer behind
        // that surface, which with Mesa's software GL (a virtual display,
        // a machine without a GPU driver) makes a present four times as
        // slow and its time uneven. A user's SDL_FRAMEBUFFER_ACCELERATION
        // still decides.
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver && strcmp(driver, "x11") == 0)
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (SDL_GetWindowSurface(window)) return window;
        // Elsewhere (Wayland) the frame goes through a streaming texture.
        renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_)
            throw PlatformError("SDL", std::string("cannot create a renderer: ") + SDL_GetError());
        screen_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!screen_)
            throw PlatformError("SDL", std::string("cannot create the screen texture: ") +
                                           SDL_GetError());
        SDL_SetTextureBlendMode(screen_, SDL_BLENDMODE_NONE);
        return window;
    }

    void CloseWindow() override {
        if (renderer_) SDL_DestroyRenderer(renderer_); // takes its textures along
        renderer_ = nullptr;
        screen_ = nullptr;
        window_ = nullptr;
    }
    void StartSound() override { InitSound(); }

    void Present(SDL_Surface* frame) override {
        if (!renderer_) {
            // Asked for anew each time: the surface changes with the window.
            SDL_Surface* out = SDL_GetWindowSurface(window_);
            if (!out || out->w != frame->w || out->h != frame->h) return;
            if (SDL_LockSurface(out) != 0) return;
            SDL_ConvertPixels(frame->w, frame->h, frame->format->format, frame->pixels,
                              frame->pitch, out->format->format, out->pixels, out->pitch);
            SDL_UnlockSurface(out);
            SDL_UpdateWindowSurface(window_);
            return;
        }
        SDL_UpdateTexture(screen_, nullptr, frame->pixels, frame->pitch);
        SDL_RenderCopy(renderer_, screen_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }
    void HideCursor() override { SDL_ShowCursor(SDL_DISABLE); }
    int32_t Millis() override { return (int32_t)SDL_GetTicks(); }
    void Delay(int ms) override { SDL_Delay((Uint32)ms); }

    void WaitForFrame(int, uint64_t deadline) override {
        // SDL_Delay sleeps at least as long as asked, often a millisecond
        // more: sleep to about a millisecond before the deadline, then watch
        // the counter.
        uint64_t freq = SDL_GetPerformanceFrequency();
        uint64_t now = SDL_GetPerformanceCounter();
        if (now >= deadline) return;
        uint64_t leftMs = (deadline - now) * 1000 / freq;
        if (leftMs >= 2) SDL_Delay((Uint32)(leftMs - 1));
        while (SDL_GetPerformanceCounter() < deadline) {
        }
    }
    void SetMillis(int64_t) override {}

    void ShowError(const std::string& title, const std::string& message,
                   SDL_Window* window) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), window);
    }

    bool MaySkipDrawing() override { return false; }

  private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* screen_ = nullptr;
};
} // namespace

Platform& WindowPlatform() {
    static WindowBackend p;
    return p;
}
} // namespace media
