// What the two backends do differently. The rest of the media layer asks
// the platform of the selected backend; no other file tests which backend
// runs.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

namespace media {
class Platform {
  public:
    virtual ~Platform() = default;
    // Sets SDL's hints before SDL_Init.
    virtual void PrepareSdl() = 0;
    // Checks that SDL came up with a usable video driver.
    virtual void CheckVideo() = 0;
    // Creates the window (hidden headless) that shows the frame; throws
    // PlatformError on failure. Both backends draw into the same kind of
    // frame in memory, so a picture looks the same in either.
    virtual SDL_Window* OpenWindow(const std::string& title, int width, int height) = 0;
    virtual void CloseWindow() = 0;
    virtual void StartSound() = 0;
    // Shows the frame.
    virtual void Present(SDL_Surface* frame) = 0;
    virtual void HideCursor() = 0;
    virtual int32_t Millis() = 0;
    virtual void Delay(int ms) = 0;
    // Waits ms milliseconds for the frame pacing; the window waits until
    // the high-resolution counter reaches deadline (SDL's performance
    // counter), sleeping first and spinning over the last millisecond.
    virtual void WaitForFrame(int ms, uint64_t deadline) = 0;
    virtual void SetMillis(int64_t ms) = 0;
    virtual void ShowError(const std::string& title, const std::string& message,
                           SDL_Window* window) = 0;
    // Whether frames nobody looks at may go undrawn.
    virtual bool MaySkipDrawing() = 0;
};
Platform& WindowPlatform();
Platform& HeadlessPlatform();
} // namespace media
