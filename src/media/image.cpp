// Images: PNG pictures turned into textures, masked by colour at load time
// and cut into cells.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/image_internal.h"
#include "media/picture_batch.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
uint8_t Clamp8(int v) {
    return (uint8_t)(v < 0 ? 0 : (v > 255 ? 255 : v));
}
} // namespace

namespace media {
DrawState& State() {
    static DrawState s;
    return s;
}

SDL_Texture* MakeTexture(const uint8_t* rgba, int w, int h, int pitch, bool filtered) {
    SDL_Texture* t =
        SDL_CreateTexture(Renderer(), SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, w, h);
    if (!t) return nullptr;
    SDL_UpdateTexture(t, nullptr, rgba, pitch);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(t, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return t;
}

bool PrepareTexture(SDL_Texture* tex, SDL_Texture* maskTex, SDL_Texture** use) {
    auto& st = State();
    SDL_Texture* t = tex;
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    int alpha = (int)(st.alpha * 255.0 + 0.5);
    switch (st.blend) {
    case MASKBLEND:
        if (st.alpha < 0.5) return false;
        if (maskTex) t = maskTex;
        alpha = 255;
        mode = SDL_BLENDMODE_BLEND;
        break;
    case SOLIDBLEND:
        mode = SDL_BLENDMODE_NONE;
        alpha = 255;
        break;
    case ALPHABLEND:
        if (alpha <= 0) return false;
        mode = SDL_BLENDMODE_BLEND;
        break;
    case LIGHTBLEND:
        if (alpha <= 0) return false;
        mode = SDL_BLENDMODE_ADD;
        break;
    case SHADEBLEND:
        mode = SDL_BLENDMODE_MOD;
        alpha = 255;
        break;
    default:
        break;
    }
    SDL_SetTextureBlendMode(t, mode);
    SDL_SetTextureColorMod(t, (Uint8)st.r, (Uint8)st.g, (Uint8)st.b);
    SDL_SetTextureAlphaMod(t, (Uint8)alpha);
    *use = t;
    return true;
}
} // namespace media

void SetMaskColor(int r, int g, int b) {
    auto& st = media::State();
    st.maskR = Clamp8(r);
    st.maskG = Clamp8(g);
    st.maskB = Clamp8(b);
}

namespace {
// Pictures once loaded are kept: loading the same file again with the same
// cells, flags and mask colour hands out the same image, and images cut from
// one file with one cell size share its cells, so a file is read once. The
// file's size and time stamp are part of the keys, so a file written anew
// is read anew.
std::map<std::string, Image*>& Loaded() {
    static std::map<std::string, Image*> images;
    return images;
}
std::map<std::string, media::Sheet*>& Sheets() {
    static std::map<std::string, media::Sheet*> sheets;
    return sheets;
}

std::string FileKey(const std::string& p, int flags) {
    std::string k = media::FileStamp(p);
    if (k.empty()) return k;
    const auto& d = media::State();
    // The mask colour matters only to masked pictures.
    bool masked = (flags & 1) != 0;
    for (int v : {(int)masked, masked ? d.maskR : 0, masked ? d.maskG : 0, masked ? d.maskB : 0})
        k += "|" + std::to_string(v);
    return k;
}

// Masks one row of a cell and gathers how its alpha covers: the OR and AND
// of the alpha values, and whether one lies strictly between 0 and 255.
void CoverRow(uint32_t* row, int n, bool masked, uint32_t mask, uint32_t& orA, uint32_t& andA,
              uint32_t& partial) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i rgb = _mm_set1_epi32(0xFFFFFF), maskv = _mm_set1_epi32((int)mask);
    const __m128i minus1 = _mm_set1_epi32(-1), top = _mm_set1_epi32(254);
    __m128i o = _mm_setzero_si128(), a = _mm_set1_epi32(255), part = _mm_setzero_si128();
    for (; x + 4 <= n; x += 4) {
        __m128i p = _mm_loadu_si128((const __m128i*)(row + x));
        if (masked) {
            __m128i hit = _mm_cmpeq_epi32(_mm_and_si128(p, rgb), maskv);
            if (_mm_movemask_epi8(hit)) {
                p = _mm_or_si128(_mm_and_si128(hit, maskv), _mm_andnot_si128(hit, p));
                _mm_storeu_si128((__m128i*)(row + x), p);
            }
        }
        __m128i al = _mm_srli_epi32(p, 24);
        o = _mm_or_si128(o, al);
        a = _mm_and_si128(a, al);
        __m128i t = _mm_add_epi32(al, minus1); // -1..254
        part =
            _mm_or_si128(part, _mm_and_si128(_mm_cmpgt_epi32(t, minus1), _mm_cmplt_epi32(t, top)));
    }
    alignas(16) uint32_t ov[4], av[4], pv[4];
    _mm_store_si128((__m128i*)ov, o);
    _mm_store_si128((__m128i*)av, a);
    _mm_store_si128((__m128i*)pv, part);
    for (int i = 0; i < 4; ++i) {
        orA |= ov[i];
        andA &= av[i];
        partial |= pv[i] != 0;
    }
#endif
    for (; x < n; ++x) {
        uint32_t p = row[x];
        if (masked && (p & 0xFFFFFF) == mask) row[x] = p = mask;
        uint32_t al = p >> 24;
        orA |= al;
        andA &= al;
        partial |= (uint32_t)(al - 1) < 254;
    }
}

// A sheet of a w x h picture cut into cells, its cells not yet filled;
// cellW 0 keeps the whole picture as one cell.
media::Sheet* NewSheet(const std::string& p, int w, int h, int cellW, int cellH) {
    if (cellW == 0) {
        cellW = w;
        cellH = h;
    }
    if (cellW <= 0 || cellH <= 0) throw DataError(p, "invalid cell size or count requested");
    auto* sh = new media::Sheet;
    sh->fileW = w;
    sh->fileH = h;
    sh->cellW = cellW;
    sh->cellH = cellH;
    sh->cols = w / cellW;
    sh->rows = h / cellH;
    return sh;
}

// Cuts band r of a decoded picture (cellH rows of ARGB words, the picture's
// width) into its cells, keeping those with a visible pixel; with mask,
// pixels of that colour (0xRRGGBB) become transparent first.
void CutBand(media::Sheet* sh, uint32_t* band, int r, bool masked, uint32_t mask) {
    int w = sh->fileW, cellW = sh->cellW, cellH = sh->cellH;
    for (int col = 0; col < sh->cols; ++col) {
        uint32_t* x0 = band + (size_t)col * cellW;
        uint32_t orA = 0, andA = 255, partial = 0;
        for (int y = 0; y < cellH; ++y)
            CoverRow(x0 + (size_t)y * w, cellW, masked, mask, orA, andA, partial);
        if (orA == 0) continue;
        sh->slot[(size_t)(r * sh->cols + col)] = (int32_t)sh->cover.size();
        sh->cover.push_back(andA == 255 ? media::kCellOpaque
                            : partial   ? media::kCellPartial
                                        : media::kCellBinary);
        for (int y = 0; y < cellH; ++y) {
            const uint32_t* row = x0 + (size_t)y * w;
            sh->argb.insert(sh->argb.end(), row, row + cellW);
        }
    }
}

// Decodes a picture file into its sheet's cells, one row of cells at a
// time; false with err when the file is broken or no longer of the sheet's
// size.
bool FillSheet(media::Sheet* sh, const std::string& p, bool masked, uint32_t mask,
               std::string& err) {
    size_t cells = (size_t)sh->cols * sh->rows;
    sh->slot.assign(cells, -1);
    sh->cover.clear();
    sh->argb.clear();
    // Room for every cell, written only for the kept ones: the pages of the
    // empty cells of a tileset are never touched.
    sh->argb.reserve(cells * sh->cellW * sh->cellH);
    return media::DecodePNGBands(
        p, sh->cellH, [&](int pw, int ph) { return pw == sh->fileW && ph == sh->fileH; },
        [&](uint32_t* px, int y0, int n) {
            // Rows below the last whole row of cells belong to no cell.
            if (n == sh->cellH && y0 / sh->cellH < sh->rows)
                CutBand(sh, px, y0 / sh->cellH, masked, mask);
        },
        err);
}

// Reads a picture file and cuts it; cellW 0 keeps the whole picture as one
// cell. In a picture batch only its header is read here and the pixels on
// the loader's thread.
media::Sheet* ReadSheet(const std::string& p, int cellW, int cellH, int flags) {
    const auto& st = media::State();
    uint32_t mask = (uint32_t)st.maskR << 16 | (uint32_t)st.maskG << 8 | (uint32_t)st.maskB;
    bool masked = (flags & 1) != 0;
    int w = 0, h = 0;
    std::string err;
    if (!media::ReadPNGSize(p, w, h, err)) throw DataError(p, err);
    media::Sheet* sh = NewSheet(p, w, h, cellW, cellH);
    if (media::PictureBatchOpen()) {
        media::DeferPicture(
            sh, p, [sh, p, masked, mask](std::string& e) { FillSheet(sh, p, masked, mask, e); });
    } else if (!FillSheet(sh, p, masked, mask, err)) {
        delete sh;
        throw DataError(p, err);
    }
    return sh;
}
} // namespace

static Image* LoadCells(const Str& path, int cellW, int cellH, int first, int count, int flags,
                        bool whole) {
    std::string p = media::PathOf(path);
    if (flags == -1) flags = 3;
    std::string file = FileKey(p, flags);
    std::string key;
    if (!file.empty()) {
        key = file;
        for (int v : {cellW, cellH, first, count, flags, (int)whole})
            key += "|" + std::to_string(v);
        auto it = Loaded().find(key);
        if (it != Loaded().end()) {
            media::NoteOpened(p);
            return it->second;
        }
    }
    if (!whole && (cellW <= 0 || cellH <= 0 || count <= 0 || first < 0))
        throw DataError(p, "invalid cell size or count requested");
    std::string sheetKey = file.empty() ? std::string()
                           : whole
                               ? file + "|whole"
                               : file + "|" + std::to_string(cellW) + "x" + std::to_string(cellH);
    media::Sheet* sh = nullptr;
    if (!sheetKey.empty()) {
        auto it = Sheets().find(sheetKey);
        if (it != Sheets().end()) {
            sh = it->second;
            media::NoteOpened(p);
        }
    }
    if (!sh) {
        sh = ReadSheet(p, whole ? 0 : cellW, whole ? 0 : cellH, flags);
        if (!sheetKey.empty()) Sheets()[sheetKey] = sh;
    }
    if (whole) {
        cellW = sh->cellW;
        cellH = sh->cellH;
        first = 0;
        count = 1;
    }
    int cells = sh->cols * sh->rows;
    if (cells < first + count)
        throw DataError(p, "picture of " + std::to_string(sh->fileW) + " x " +
                               std::to_string(sh->fileH) + " holds " + std::to_string(cells) +
                               " cells of " + std::to_string(cellW) + " x " +
                               std::to_string(cellH) + ", " + std::to_string(first + count) +
                               " needed");
    auto* img = new Image;
    img->width = cellW;
    img->height = cellH;
    img->flags = flags;
    img->path = p;
    img->sheet = sh;
    for (int i = 0; i < count; ++i) img->cells.push_back(first + i);
    if (!key.empty()) Loaded()[key] = img;
    return img;
}

void FreePictures(const Str& path) {
    // The jobs of a batch point at their sheets: only outside one, and
    // once every picture still being read is done.
    if (media::PictureBatchOpen()) return;
    try {
        FinishPictures();
    } catch (const DataError&) {
        // A broken picture is freed like the others.
    }
    std::string p = media::PathOf(path);
    for (auto it = Loaded().begin(); it != Loaded().end();) {
        Image* img = it->second;
        if (img->path != p) {
            ++it;
            continue;
        }
        if (img->tex) SDL_DestroyTexture(img->tex);
        if (img->maskTex) SDL_DestroyTexture(img->maskTex);
        delete img;
        it = Loaded().erase(it);
    }
    // A sheet's key begins with its file's stamp, which begins with the path.
    for (auto it = Sheets().begin(); it != Sheets().end();) {
        if (it->first.compare(0, p.size() + 1, p + "|") != 0) {
            ++it;
            continue;
        }
        delete it->second;
        it = Sheets().erase(it);
    }
}

Image* LoadImageFile(const Str& path, int flags) {
    return LoadCells(path, 0, 0, 0, 1, flags, true);
}

Image* LoadAnimImageFile(const Str& path, int cellW, int cellH, int first, int count, int flags) {
    return LoadCells(path, cellW, cellH, first, count, flags, false);
}

int ImageWidthOf(const Image* img) {
    return img ? img->width : 0;
}
int ImageHeightOf(const Image* img) {
    return img ? img->height : 0;
}
int ImageFramesOf(const Image* img) {
    return img ? (int)img->cells.size() : 0;
}

bool ImageFrameOpaque(const Image* img, int frame) {
    if (!img || frame < 0 || frame >= (int)img->cells.size()) return false;
    media::WaitForSheet(img->sheet);
    int s = img->sheet->slot[(size_t)img->cells[(size_t)frame]];
    return s >= 0 && img->sheet->cover[(size_t)s] == media::kCellOpaque;
}

uint32_t ImagePixel(const Image* img, int frame, int x, int y) {
    if (!img || frame < 0 || frame >= (int)img->cells.size() || x < 0 || y < 0 || x >= img->width ||
        y >= img->height)
        return 0;
    media::WaitForSheet(img->sheet);
    int s = img->sheet->slot[(size_t)img->cells[(size_t)frame]];
    if (s < 0) return 0; // an empty cell: transparent throughout
    uint32_t p = img->sheet->Cell(s)[(size_t)y * img->width + x];
    return (p & 0xFFFFFF) << 8 | p >> 24;
}

namespace {
// The renderer's textures of an image: its kept cells in a column, as
// bytes R, G, B, A (the format the renderer's blending was always given).
void MakeImageTextures(Image* img) {
    media::WaitForSheet(img->sheet);
    img->texMade = true;
    const media::Sheet& sh = *img->sheet;
    int w = img->width, h = img->height, rows = 0;
    img->texRow.assign(img->cells.size(), -1);
    for (size_t f = 0; f < img->cells.size(); ++f)
        if (sh.slot[(size_t)img->cells[f]] >= 0) img->texRow[f] = rows++;
    if (rows == 0) return;
    std::vector<uint8_t> rgba((size_t)w * h * rows * 4);
    bool partial = false;
    for (size_t f = 0; f < img->cells.size(); ++f) {
        if (img->texRow[f] < 0) continue;
        int s = sh.slot[(size_t)img->cells[f]];
        partial |= sh.cover[(size_t)s] == media::kCellPartial;
        const uint32_t* px = sh.Cell(s);
        uint8_t* out = rgba.data() + (size_t)img->texRow[f] * w * h * 4;
        for (size_t i = 0; i < (size_t)w * h; ++i) {
            out[i * 4] = (uint8_t)(px[i] >> 16);
            out[i * 4 + 1] = (uint8_t)(px[i] >> 8);
            out[i * 4 + 2] = (uint8_t)px[i];
            out[i * 4 + 3] = (uint8_t)(px[i] >> 24);
        }
    }
    bool filtered = (img->flags & 2) != 0;
    img->tex = media::MakeTexture(rgba.data(), w, h * rows, w * 4, filtered);
    if (!img->tex) throw DataError(img->path, std::string("texture: ") + SDL_GetError());
    // Mask blending draws a pixel fully or not at all: cells with alpha in
    // between get a thresholded copy.
    if (partial) {
        for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = rgba[i] >= 128 ? 255 : 0;
        img->maskTex = media::MakeTexture(rgba.data(), w, h * rows, w * 4, filtered);
    }
}
} // namespace

void DrawImageFrame(Image* img, double x, double y, int frame) {
    if (!img) throw DataError("image", "drawing an image that was never loaded");
    if (frame < 0 || frame >= (int)img->cells.size())
        throw DataError(img->path, "frame " + std::to_string(frame) + " drawn, the picture has " +
                                       std::to_string(img->cells.size()) + " frames");
    if (DrawingSkipped()) return;
    media::WaitForSheet(img->sheet);
    const media::Sheet& sh = *img->sheet;
    int s = sh.slot[(size_t)img->cells[(size_t)frame]];
    if (s < 0) return; // an empty cell shows nothing
    media::ApplyPendingClear();
    auto& st = media::State();
    SDL_FRect dst{(float)(x - img->handleX * st.sx), (float)(y - img->handleY * st.sy),
                  (float)(img->width * st.sx), (float)(img->height * st.sy)};
    // The renderer places a copy at whole pixels, cutting the fraction off.
    int cover = sh.cover[(size_t)s];
    bool unscaled = (int)dst.w == img->width && (int)dst.h == img->height;
    bool direct = unscaled && ((st.blend == MASKBLEND && st.alpha >= 0.5) ||
                               (st.blend == ALPHABLEND && (int)(st.alpha * 255.0 + 0.5) >= 255 &&
                                cover != media::kCellPartial));
    if (direct) {
        SDL_RenderFlush(media::Renderer());
        media::CompositeCell(sh.Cell(s), img->width, img->height, (int)dst.x, (int)dst.y, st.r,
                             st.g, st.b, cover == media::kCellOpaque);
        return;
    }
    if (!img->texMade) MakeImageTextures(img);
    SDL_Texture* t = nullptr;
    if (!media::PrepareTexture(img->tex, img->maskTex, &t)) return;
    SDL_Rect src{0, img->texRow[(size_t)frame] * img->height, img->width, img->height};
    SDL_RenderCopyF(media::Renderer(), t, &src, &dst);
}
