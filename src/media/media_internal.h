// Shared state of the media layer's own files; not for game code.
#pragma once

#include "media/media.h"

#include <SDL.h>

#include <functional>
#include <string>

namespace media {
SDL_Renderer* Renderer();
SDL_Window* Window();
// Current drawing state.
struct DrawState {
    int r = 255, g = 255, b = 255;
    double alpha = 1.0;
    int blend = MASKBLEND;
    double sx = 1.0, sy = 1.0;
    int clsR = 0, clsG = 0, clsB = 0;
    Font* font = nullptr;
    int maskR = 0, maskG = 0, maskB = 0;
};
DrawState& State();
// Applies colour, alpha and blend to a texture before it is copied.
// Returns false when nothing would be visible.
bool PrepareTexture(SDL_Texture* tex, SDL_Texture* maskTex, SDL_Texture** use);
// Does the clear that ClearScreen asked for, if still pending; every
// drawing operation calls it first.
void ApplyPendingClear();
void InitInput();
// A new frame begins: the next input query asks the window system for events.
void NextFrameForInput();
void HandleEvent(const SDL_Event& e);
void InitSound();
void ShutdownSound();
std::string PathOf(const Str& path);
// The path with the file's size and modification time, for caches of what
// was loaded from it: a file written anew gets a new stamp. Empty when the
// file cannot be found.
std::string FileStamp(const std::string& path);
// Adds a file to OpenedFiles.
void NoteOpened(const std::string& path);
// Decodes a PNG file into 4-byte pixels, bytes R, G, B, A, rows of the
// picture's width; alloc(w, h) gives the memory to fill. Notes the file as
// opened. On failure returns false with the reason.
bool DecodePNG(const std::string& utf8path, const std::function<uint8_t*(int w, int h)>& alloc,
               std::string& err);
// Decodes a PNG as the frame's ARGB8888 words, bandH rows at a time:
// onSize(w, h) is asked first (false stops the decoding: the picture is not
// what was expected), then onBand(px, y0, n) gets rows y0 .. y0 + n - 1, n =
// bandH but for the last band, in a buffer it may change. false with the
// reason on failure. It may run on the picture loader's thread, so it does
// not note the file: the header read before it did.
bool DecodePNGBands(const std::string& utf8path, int bandH,
                    const std::function<bool(int w, int h)>& onSize,
                    const std::function<void(uint32_t* px, int y0, int n)>& onBand,
                    std::string& err);
// Reads only a PNG's header: its size, refused like DecodePNG refuses it.
// Notes the file as opened.
bool ReadPNGSize(const std::string& utf8path, int& w, int& h, std::string& err);
} // namespace media
