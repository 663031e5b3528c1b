// Images: PNG pictures turned into textures, masked by colour at load time
// and cut into cells.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/image_internal.h"

#include <map>
#include <sys/stat.h>
#include <utility>

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

void BuildTextures(Image* img, const Pixmap& pm) {
    bool filtered = (img->flags & 2) != 0;
    img->tex = MakeTexture(pm.rgba.data(), pm.width, pm.height, pm.width * 4, filtered);
    if (!img->tex) throw DataError("texture", SDL_GetError());
    // Mask blending draws a pixel fully or not at all. Pictures whose alpha is
    // already 0 or 255 use the same texture; others get a thresholded copy.
    bool partial = false;
    for (size_t i = 3; i < pm.rgba.size(); i += 4)
        if (pm.rgba[i] != 0 && pm.rgba[i] != 255) {
            partial = true;
            break;
        }
    if (partial) {
        std::vector<uint8_t> m = pm.rgba;
        for (size_t i = 3; i < m.size(); i += 4) m[i] = m[i] >= 128 ? 255 : 0;
        img->maskTex = MakeTexture(m.data(), pm.width, pm.height, pm.width * 4, filtered);
    }
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
// cells, flags and mask colour hands out the same image. The file's size
// and time stamp are part of the key, so a file written anew is read anew.
std::map<std::string, Image*>& Loaded() {
    static std::map<std::string, Image*> images;
    return images;
}

std::string CacheKey(const std::string& p, int cellW, int cellH, int first, int count, int flags,
                     bool whole) {
    struct stat st;
    if (stat(p.c_str(), &st) != 0) return std::string();
    const auto& d = media::State();
    std::string k = p;
    for (long long v : {(long long)st.st_size, (long long)st.st_mtim.tv_sec,
                        (long long)st.st_mtim.tv_nsec, (long long)cellW, (long long)cellH,
                        (long long)first, (long long)count, (long long)flags, (long long)whole,
                        (long long)d.maskR, (long long)d.maskG, (long long)d.maskB})
        k += "|" + std::to_string(v);
    return k;
}
} // namespace

static Image* LoadCells(const Str& path, int cellW, int cellH, int first, int count, int flags,
                        bool whole) {
    std::string p = media::PathOf(path);
    std::string key = CacheKey(p, cellW, cellH, first, count, flags, whole);
    if (!key.empty()) {
        auto it = Loaded().find(key);
        if (it != Loaded().end()) {
            media::NoteOpened(p);
            return it->second;
        }
    }
    Pixmap pm;
    std::string err;
    if (!LoadPixmapPNG(p, pm, err)) throw DataError(p, err);
    if (flags == -1) flags = 3;
    auto& st = media::State();
    if (flags & 1) {
        for (size_t i = 0; i < pm.rgba.size(); i += 4) {
            if (pm.rgba[i] == st.maskR && pm.rgba[i + 1] == st.maskG && pm.rgba[i + 2] == st.maskB)
                pm.rgba[i + 3] = 0;
        }
    }
    if (whole) {
        cellW = pm.width;
        cellH = pm.height;
        first = 0;
        count = 1;
    }
    if (cellW <= 0 || cellH <= 0 || count <= 0 || first < 0)
        throw DataError(p, "invalid cell size or count requested");
    int cols = pm.width / cellW, rows = pm.height / cellH;
    if (cols * rows < first + count)
        throw DataError(p, "picture of " + std::to_string(pm.width) + " x " +
                                std::to_string(pm.height) + " holds " +
                                std::to_string(cols * rows) + " cells of " + std::to_string(cellW) +
                                " x " + std::to_string(cellH) + ", " +
                                std::to_string(first + count) + " needed");
    auto* img = new Image;
    img->width = cellW;
    img->height = cellH;
    img->flags = flags;
    img->path = p;
    for (int i = 0; i < count; ++i) {
        int c = first + i;
        img->cells.push_back(SDL_Rect{(c % cols) * cellW, (c / cols) * cellH, cellW, cellH});
    }
    media::BuildTextures(img, pm);
    img->pixels = std::move(pm);
    if (!key.empty()) Loaded()[key] = img;
    return img;
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

uint32_t ImagePixel(const Image* img, int frame, int x, int y) {
    if (!img || frame < 0 || frame >= (int)img->cells.size() || x < 0 || y < 0 || x >= img->width ||
        y >= img->height)
        return 0;
    const SDL_Rect& c = img->cells[frame];
    size_t i = ((size_t)(c.y + y) * img->pixels.width + (c.x + x)) * 4;
    const auto& p = img->pixels.rgba;
    return (uint32_t)p[i] << 24 | (uint32_t)p[i + 1] << 16 | (uint32_t)p[i + 2] << 8 | p[i + 3];
}

void DrawImageFrame(Image* img, double x, double y, int frame) {
    if (!img) throw DataError("image", "drawing an image that was never loaded");
    if (frame < 0 || frame >= (int)img->cells.size())
        throw DataError(img->path, "frame " + std::to_string(frame) + " drawn, the picture has " +
                                        std::to_string(img->cells.size()) + " frames");
    if (DrawingSkipped()) return;
    SDL_Texture* t = nullptr;
    if (!media::PrepareTexture(img->tex, img->maskTex, &t)) return;
    auto& st = media::State();
    SDL_FRect dst{(float)(x - img->handleX * st.sx), (float)(y - img->handleY * st.sy),
                  (float)(img->width * st.sx), (float)(img->height * st.sy)};
    SDL_RenderCopyF(media::Renderer(), t, &img->cells[frame], &dst);
}
