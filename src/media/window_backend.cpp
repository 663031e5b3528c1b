// The window backend: a real window on the player's display, SDL's
// renderer (accelerated where it can), sound through SDL_mixer and the real
// clock.
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

    void OpenWindow(const std::string& title, int width, int height, SDL_Window*& window,
                    SDL_Renderer*& renderer) override {
        window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, 0);
        if (!window)
            throw PlatformError("SDL", std::string("cannot open the window: ") + SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer)
            throw PlatformError("SDL", std::string("cannot create a renderer: ") + SDL_GetError());
        window_ = window;
    }

    void CloseWindow() override { window_ = nullptr; }
    void StartSound() override { InitSound(); }
    void Present(SDL_Renderer* renderer) override { SDL_RenderPresent(renderer); }
    void HideCursor() override { SDL_ShowCursor(SDL_DISABLE); }
    int32_t Millis() override { return (int32_t)SDL_GetTicks(); }
    void Delay(int ms) override { SDL_Delay((Uint32)ms); }
    void SetMillis(int64_t) override {}

    void ShowError(const std::string& title, const std::string& message,
                   SDL_Window* window) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), window);
    }

    bool MaySkipDrawing() override { return false; }

  private:
    SDL_Window* window_ = nullptr;
};
} // namespace

Platform& WindowPlatform() {
    static WindowBackend p;
    return p;
}
} // namespace media
