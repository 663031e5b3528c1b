// The image record of the media layer.
#pragma once

#include "media/media.h"

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

namespace media {
struct PictureJob;
// How the pixels of one cell cover: decides how the cell may be drawn.
enum CellCover : uint8_t {
    kCellOpaque = 1, // every pixel has alpha 255
    kCellBinary = 2, // every pixel has alpha 0 or 255
    kCellPartial = 3 // some pixel lies in between
};

// A picture file cut into cells of one size, after masking, in the frame's
// own pixel format (ARGB8888). Only cells with a visible pixel are kept:
// most cells of a tileset are empty. Shared by every image cut from the
// same file with the same cell size.
struct Sheet {
    int fileW = 0, fileH = 0; // the picture's size
    int cellW = 0, cellH = 0, cols = 0, rows = 0;
    std::vector<int32_t> slot;  // per cell of the file: its place in argb, -1 = empty
    std::vector<uint8_t> cover; // per kept cell: a CellCover
    std::vector<uint32_t> argb; // the kept cells one after another, cellW x cellH each
    // While set, slot, cover and argb are still being filled: WaitForSheet
    // before reading them. The sizes above are known from the start.
    PictureJob* job = nullptr;
    const uint32_t* Cell(int s) const { return argb.data() + (size_t)s * cellW * cellH; }
};
} // namespace media

struct Image {
    int width = 0, height = 0; // of one cell
    int handleX = 0, handleY = 0;
    int flags = 3;
    std::string path;
    const media::Sheet* sheet = nullptr;
    std::vector<int> cells; // per frame: the cell of the sheet
    // Textures for what the compositor leaves to the renderer (scaled
    // drawing, partial alpha, light and shade): the frame's kept cells in a
    // column, made on first use. texRow: per frame, its row there (-1 empty).
    SDL_Texture* tex = nullptr;
    SDL_Texture* maskTex = nullptr; // thresholded alpha, for mask blending
    std::vector<int> texRow;
    bool texMade = false;
};

namespace media {
// Picture batches (picture_loader.cpp).
bool PictureBatchOpen();
// Queues work that fills sheet's cells (err set on failure).
void DeferPicture(Sheet* sheet, const std::string& path,
                  std::function<void(std::string& err)> work);
// Returns once sheet's cells are filled; throws DataError if its file was
// broken.
void WaitForSheet(const Sheet* sheet);
SDL_Texture* MakeTexture(const uint8_t* rgba, int w, int h, int pitch, bool filtered);
// The frame in memory that both backends draw into (ARGB8888).
SDL_Surface* Frame();
// Draws w x h pixels (ARGB8888, rows of w) at (x, y) onto the frame,
// clipped to it: pixels with alpha of at least 128 are drawn opaque with
// each colour channel multiplied by r, g, b / 255 (rounded down), the others
// not at all. opaque says every pixel is drawn.
void CompositeCell(const uint32_t* px, int w, int h, int x, int y, int r, int g, int b,
                   bool opaque);
} // namespace media
