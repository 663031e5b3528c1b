// The headless backend: SDL's dummy video driver, the frame in memory that
// nobody sees, silent audio and a virtual clock that only the frame pacing
// advances, so runs repeat exactly.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/platform.h"

#include <cstdlib>

namespace media {
namespace {
class HeadlessBackend : public Platform {
  public:
    void PrepareSdl() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        // Leave SIGINT and SIGTERM to their default action, so that a
        // headless run stops at once when it is told to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    void CheckVideo() override {}

    SDL_Window* OpenWindow(const std::string& title, int width, int height) override {
        return SDL_CreateWindow(title.c_str(), 0, 0, width, height, SDL_WINDOW_HIDDEN);
    }

    void CloseWindow() override {}
    void StartSound() override {}
    void Present(SDL_Surface*) override {}
    void HideCursor() override {}
    int32_t Millis() override { return (int32_t)(uint32_t)virtualMs_; }
    void Delay(int ms) override { virtualMs_ += ms; }
    void WaitForFrame(int ms, uint64_t) override { virtualMs_ += ms; }
    void SetMillis(int64_t ms) override { virtualMs_ = ms; }
    void ShowError(const std::string&, const std::string&, SDL_Window*) override {}
    bool MaySkipDrawing() override { return true; }

  private:
    int64_t virtualMs_ = 100000; // starts at an arbitrary uptime
};
} // namespace

Platform& HeadlessPlatform() {
    static HeadlessBackend p;
    return p;
}
} // namespace media
