// Paints a whole map into one PNG picture, the way the game draws it:
// layers 0 to 3 in order, white tileset pixels see-through, and frame 1 of
// tileset 0 left out in the object layer (the invisible obstacle).
#include "mapfile.h"

#include "media/media.h"

namespace {
constexpr int kColumns = 32; // cells per row of a tileset picture

void PutFrame(Pixmap& out, const Pixmap& set, int frame, int cx, int cy) {
    int sx = frame % kColumns * kCell, sy = frame / kColumns * kCell;
    if (sx + kCell > set.width || sy + kCell > set.height) return;
    for (int y = 0; y < kCell; ++y) {
        const uint8_t* s = &set.rgba[((size_t)(sy + y) * set.width + sx) * 4];
        uint8_t* d = &out.rgba[((size_t)(cy * kCell + y) * out.width + (size_t)cx * kCell) * 4];
        for (int x = 0; x < kCell; ++x, s += 4, d += 4) {
            if (s[3] < 128 || (s[0] == 255 && s[1] == 255 && s[2] == 255)) continue;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            d[3] = 255;
        }
    }
}
} // namespace

std::string RenderMapPng(const MapData& m, const std::string& tilesetDir,
                         const std::string& outPath) {
    Pixmap sets[2];
    for (int s = 0; s < 2; ++s) {
        std::string path = tilesetDir + "/Tileset" + std::to_string(s + 1) + ".png", err;
        if (!LoadPixmapPNG(path, sets[s], err)) return path + ": " + err;
    }
    Pixmap out;
    out.width = m.w * kCell;
    out.height = m.h * kCell;
    out.rgba.assign((size_t)out.width * out.height * 4, 0);
    for (size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 255;
    for (int l = 0; l < 4; ++l)
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                int t = m.Tile(x, y, l), s = m.Sheet(x, y, l);
                if (t == 0 || s > 1) continue;
                if (l == 2 && s == 0 && t == 1) continue;
                PutFrame(out, sets[s], t, x, y);
            }
    if (!SavePixmapPNGUtf8(out, outPath, 6)) return outPath + ": cannot write the picture";
    return "";
}
