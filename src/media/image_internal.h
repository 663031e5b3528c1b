// The image record of the media layer.
#pragma once

#include "media/media.h"

#include <SDL.h>

#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0; // of one cell
    int handleX = 0, handleY = 0;
    int flags = 3;
    std::string path;
    std::vector<SDL_Rect> cells;
    Pixmap pixels;                // the picture after masking, kept for ImagePixel
    SDL_Texture* tex = nullptr;
    SDL_Texture* maskTex = nullptr; // thresholded alpha, for mask blending
};

namespace media {
SDL_Texture* MakeTexture(const uint8_t* rgba, int w, int h, int pitch, bool filtered);
void BuildTextures(Image* img, const Pixmap& pm);
} // namespace media
