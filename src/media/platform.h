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
    // Creates the window and the renderer drawing into it (or into a frame
    // in memory); throws PlatformError on failure.
    virtual void OpenWindow(const std::string& title, int width, int height, SDL_Window*& window,
                            SDL_Renderer*& renderer) = 0;
    virtual void CloseWindow() = 0;
    virtual void StartSound() = 0;
    virtual void Present(SDL_Renderer* renderer) = 0;
    virtual void HideCursor() = 0;
    virtual int32_t Millis() = 0;
    virtual void Delay(int ms) = 0;
    virtual void SetMillis(int64_t ms) = 0;
    virtual void ShowError(const std::string& title, const std::string& message,
                           SDL_Window* window) = 0;
    // Whether frames nobody looks at may go undrawn.
    virtual bool MaySkipDrawing() = 0;
};
Platform& WindowPlatform();
Platform& HeadlessPlatform();
} // namespace media
