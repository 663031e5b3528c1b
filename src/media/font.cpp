// Fonts: TrueType/OpenType and Windows bitmap fonts rasterised by FreeType.
// The characters the game draws (printable Latin-1) of a font go into one
// texture, its glyph atlas, made when the font first draws or measures
// text: a line of text is then a run of copies from one texture, which the
// renderer can batch. Any other character gets a small texture of its own.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/image_internal.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <unordered_map>

namespace {
FT_Library g_ft = nullptr;

struct Glyph {
    SDL_Texture* tex = nullptr;
    SDL_Texture* maskTex = nullptr;
    SDL_Rect src{0, 0, 0, 0}; // the glyph's place in its texture
    int w = 0, h = 0, left = 0, top = 0;
    float advance = 0;
};

// A glyph's coverage before it becomes a texture.
struct Raster {
    Glyph metrics;
    std::vector<uint8_t> alpha; // w x h
};
} // namespace

struct Font {
    std::string path;
    FT_Face face = nullptr;
    bool bitmapCharmap = false; // Windows .fon: codes are the font's own bytes
    int size = 0;
    int ascent = 0, height = 0;
    bool smooth = true;
    bool builtin = false;
    std::unordered_map<char16_t, Glyph> glyphs;
    bool atlasBuilt = false;
};

namespace {
Font g_builtin;

FT_UInt GlyphIndex(Font* f, char16_t c) {
    FT_UInt gi = FT_Get_Char_Index(f->face, c);
    if (gi == 0 && f->bitmapCharmap && c > 255) gi = FT_Get_Char_Index(f->face, '?');
    return gi;
}

// What keeps a glyph's bitmap from being turned into coverage, "" when
// nothing does. The game takes one, two, four or eight bits a pixel
// (outlines render to one or eight; bitmaps stored in a font file come as
// they were stored); a broken bitmap font can leave a glyph with a size but
// no pixels, or rows shorter than its width.
std::string BitmapFault(const FT_Bitmap& bm) {
    long bits = 0;
    switch (bm.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
        bits = 1;
        break;
    case FT_PIXEL_MODE_GRAY2:
        bits = 2;
        break;
    case FT_PIXEL_MODE_GRAY4:
        bits = 4;
        break;
    case FT_PIXEL_MODE_GRAY:
        if (bm.num_grays == 256) bits = 8;
        break;
    default:
        break;
    }
    if (bits == 0)
        return "is a bitmap of a kind the game cannot draw (pixel mode " +
               std::to_string((int)bm.pixel_mode) + ")";
    if (!bm.buffer) return "has a size but no pixels; the font is broken";
    if (std::labs((long)bm.pitch) < ((long)bm.width * bits + 7) / 8)
        return "has rows shorter than its width; the font is broken";
    return "";
}

Raster RasterGlyph(Font* f, char16_t c) {
    Raster r;
    Glyph& g = r.metrics;
    // Control characters (a line break that slipped into a text) take no
    // room and show nothing.
    if (c < 32) return r;
    if (f->builtin) {
        // The built-in font: a hollow box of 8 x 12 pixels for every character,
        // so that text drawn before any font is loaded still shows up.
        g.w = 8;
        g.h = 12;
        g.top = 12;
        g.advance = 9;
        if (c == ' ') {
            g.w = g.h = 0;
            return r;
        }
        r.alpha.assign((size_t)g.w * g.h, 0);
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x) {
                bool edge = x == 0 || y == 0 || x == g.w - 1 || y == g.h - 1;
                r.alpha[(size_t)y * g.w + x] = edge ? 255 : 0;
            }
        return r;
    }
    FT_Int32 flags = FT_LOAD_RENDER | (f->smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    if (FT_Load_Glyph(f->face, GlyphIndex(f, c), flags) != 0) return r;
    FT_GlyphSlot s = f->face->glyph;
    g.advance = (float)s->advance.x / 64.0f;
    g.left = s->bitmap_left;
    g.top = s->bitmap_top;
    g.w = (int)s->bitmap.width;
    g.h = (int)s->bitmap.rows;
    if (g.w == 0 || g.h == 0 || !BitmapFault(s->bitmap).empty()) {
        g.w = g.h = 0;
        return r;
    }
    r.alpha.resize((size_t)g.w * g.h);
    const FT_Bitmap& bm = s->bitmap;
    // A negative pitch runs upwards from the buffer's last row.
    const unsigned char* top =
        bm.buffer - (bm.pitch < 0 ? (ptrdiff_t)bm.pitch * (g.h - 1) : 0);
    for (int y = 0; y < g.h; ++y) {
        const unsigned char* row = top + (ptrdiff_t)y * bm.pitch;
        uint8_t* out = &r.alpha[(size_t)y * g.w];
        for (int x = 0; x < g.w; ++x) {
            switch (bm.pixel_mode) {
            case FT_PIXEL_MODE_MONO:
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                break;
            case FT_PIXEL_MODE_GRAY2:
                out[x] = (uint8_t)(((row[x >> 2] >> (6 - 2 * (x & 3))) & 3) * 85);
                break;
            case FT_PIXEL_MODE_GRAY4:
                out[x] = (uint8_t)(((row[x >> 1] >> (4 - 4 * (x & 1))) & 15) * 17);
                break;
            default:
                out[x] = row[x];
            }
        }
    }
    return r;
}

// White pixels with the coverage as alpha, and, where some coverage is
// partial, a thresholded copy for mask blending.
void MakeTextures(const std::vector<uint8_t>& alpha, int w, int h, SDL_Texture*& tex,
                  SDL_Texture*& maskTex) {
    std::vector<uint8_t> px((size_t)w * h * 4, 255);
    bool partial = false;
    for (size_t i = 0; i < alpha.size(); ++i) {
        px[i * 4 + 3] = alpha[i];
        if (alpha[i] != 0 && alpha[i] != 255) partial = true;
    }
    tex = media::MakeTexture(px.data(), w, h, w * 4, true);
    maskTex = nullptr;
    if (partial) {
        for (size_t i = 3; i < px.size(); i += 4) px[i] = px[i] >= 128 ? 255 : 0;
        maskTex = media::MakeTexture(px.data(), w, h, w * 4, true);
    }
}

Glyph MakeGlyph(Font* f, char16_t c) {
    Raster r = RasterGlyph(f, c);
    Glyph g = r.metrics;
    if (g.w > 0 && g.h > 0) {
        MakeTextures(r.alpha, g.w, g.h, g.tex, g.maskTex);
        g.src = SDL_Rect{0, 0, g.w, g.h};
    }
    return g;
}

bool DrawnCharacter(int c);

std::string HexByte(int c) {
    char hex[8];
    snprintf(hex, sizeof hex, "%02X", c & 0xFF);
    return hex;
}

// Packs the glyphs of every drawn character into rows of one texture.
void BuildAtlas(Font* f) {
    f->atlasBuilt = true;
    constexpr int kAtlasWidth = 512, kGap = 1;
    std::vector<std::pair<char16_t, Raster>> rasters;
    int x = kGap, y = kGap, rowH = 0;
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (!DrawnCharacter(c)) continue;
        Raster r = RasterGlyph(f, (char16_t)c);
        Glyph& g = r.metrics;
        // Glyphs are checked against the size the file was first loaded
        // at; at a much larger one a wide glyph could outgrow the atlas.
        if (g.w > kAtlasWidth - 2 * kGap)
            throw DataError(f->path, "the glyph of character 0x" + HexByte(c) + " is " +
                                         std::to_string(g.w) + " pixels wide at size " +
                                         std::to_string(f->size) + ", too wide to draw");
        if (x + g.w + kGap > kAtlasWidth) {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        g.src = SDL_Rect{x, y, g.w, g.h};
        x += g.w + kGap;
        rowH = std::max(rowH, g.h);
        rasters.emplace_back((char16_t)c, std::move(r));
    }
    int height = y + rowH + kGap;
    std::vector<uint8_t> alpha((size_t)kAtlasWidth * height, 0);
    for (auto& [c, r] : rasters) {
        const Glyph& g = r.metrics;
        for (int row = 0; row < g.h; ++row)
            std::copy_n(&r.alpha[(size_t)row * g.w], g.w,
                        &alpha[(size_t)(g.src.y + row) * kAtlasWidth + g.src.x]);
    }
    SDL_Texture *tex = nullptr, *maskTex = nullptr;
    MakeTextures(alpha, kAtlasWidth, height, tex, maskTex);
    for (auto& [c, r] : rasters) {
        Glyph g = r.metrics;
        if (g.w > 0 && g.h > 0) {
            g.tex = tex;
            g.maskTex = maskTex;
        }
        f->glyphs[c] = g;
    }
}

Glyph& GetGlyph(Font* f, char16_t c) {
    if (!f->atlasBuilt) BuildAtlas(f);
    auto it = f->glyphs.find(c);
    if (it != f->glyphs.end()) return it->second;
    return f->glyphs.emplace(c, MakeGlyph(f, c)).first->second;
}

// The characters the game draws: printable Latin-1 (texts are packed to
// Latin-1 on the way into the game folder).
bool DrawnCharacter(int c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
}

// A glyph more than this many times the font's pixel size wide or high is
// broken (or the font's units are): it would take megabytes to draw and
// not fit the glyph atlas.
constexpr int kMaxGlyphScale = 8;

// A font file cut short or damaged often opens fine and fails only when a
// glyph is loaded, which would make its text vanish silently. So every
// glyph the game draws is loaded and rendered once when the file is first
// loaded; the game loads one file at several sizes, and the check is done
// once per file (until it is written anew). A glyph's size is checked
// before it is rendered, so a broken one costs no memory.
void CheckGlyphs(Font* f) {
    static std::set<std::string> checked;
    std::string key = media::FileStamp(f->path);
    if (checked.count(key)) return;
    FT_Int32 flags = f->smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    FT_Render_Mode mode = f->smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
    const long limit = (long)kMaxGlyphScale * std::max(f->size, 1);
    auto refuse = [&](int c, const std::string& what) {
        throw DataError(f->path, "the glyph of character 0x" + HexByte(c) + " " + what);
    };
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (!DrawnCharacter(c)) continue;
        FT_GlyphSlot slot = f->face->glyph;
        FT_Error e = FT_Load_Glyph(f->face, GlyphIndex(f, (char16_t)c), flags);
        long w = 0, h = 0;
        if (e == 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_BBox box;
            FT_Outline_Get_CBox(&slot->outline, &box);
            w = (box.xMax - box.xMin) / 64;
            h = (box.yMax - box.yMin) / 64;
        }
        if (e == 0 && std::max(w, h) <= limit) {
            if (slot->format != FT_GLYPH_FORMAT_BITMAP) e = FT_Render_Glyph(slot, mode);
            w = slot->bitmap.width;
            h = slot->bitmap.rows;
        }
        if (e != 0) {
            const char* what = FT_Error_String(e);
            refuse(c, std::string("cannot be drawn (") +
                          (what ? what : "FreeType error " + std::to_string(e)) +
                          "); the font is broken");
        }
        if (std::max(w, h) > limit)
            refuse(c, "is " + std::to_string(w) + " x " + std::to_string(h) + " pixels at size " +
                          std::to_string(f->size) + "; the game takes glyphs of up to " +
                          std::to_string(kMaxGlyphScale) + " times the font size");
        std::string fault = w > 0 && h > 0 ? BitmapFault(slot->bitmap) : "";
        if (!fault.empty()) refuse(c, fault);
        // FreeType reads a glyph whose data lies past the end of a cut file
        // as an empty one: every character but the spaces and the soft
        // hyphen must leave some ink.
        bool blankOk = c == 0x20 || c == 0xA0 || c == 0xAD;
        if (!blankOk && (w == 0 || h == 0)) refuse(c, "is empty; the font is cut short or broken");
    }
    checked.insert(key);
}

Font* Current() {
    Font* f = media::State().font;
    if (f) return f;
    g_builtin.builtin = true;
    g_builtin.ascent = 12;
    g_builtin.height = 14;
    return &g_builtin;
}
} // namespace

namespace {
// Sets the face of f to the requested pixel size (a bitmap font: to its
// nearest strike) and takes the line metrics.
void SizeFace(Font* f, int size) {
    FT_Face face = f->face;
    const std::string& p = f->path;
    if (FT_IS_SCALABLE(face)) {
        if (FT_Set_Pixel_Sizes(face, 0, (FT_UInt)size) != 0)
            throw DataError(p, "cannot set the font size");
        f->ascent = (int)std::ceil(face->size->metrics.ascender / 64.0);
        int desc = (int)std::ceil(-face->size->metrics.descender / 64.0);
        f->height = f->ascent + desc;
    } else {
        // A bitmap font: take the strike nearest to the requested size.
        if (face->num_fixed_sizes <= 0) throw DataError(p, "bitmap font without any size");
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i)
            if (std::abs(face->available_sizes[i].height - size) <
                std::abs(face->available_sizes[best].height - size))
                best = i;
        if (FT_Select_Size(face, best) != 0) throw DataError(p, "cannot select the bitmap size");
        // Windows bitmap fonts come with no character map selected; their one
        // map indexes the font's own code page, which is Latin-1 here.
        if (face->num_charmaps > 0) {
            FT_Set_Charmap(face, face->charmaps[0]);
            f->bitmapCharmap = true;
        }
        f->ascent = (int)(face->size->metrics.ascender / 64);
        f->height = face->available_sizes[best].height;
        if (f->ascent <= 0) f->ascent = f->height;
    }
    if (f->height <= 0) f->height = size;
}
} // namespace

Font* LoadFontFile(const Str& path, int size, int style) {
    std::string p = media::PathOf(path);
    if (!g_ft && FT_Init_FreeType(&g_ft) != 0) throw DataError(p, "cannot start FreeType");
    if (!FileExists(path)) throw DataError(p, "cannot open font file");
    media::NoteOpened(p);
    FT_Face face = nullptr;
    if (FT_New_Face(g_ft, p.c_str(), 0, &face) != 0)
        throw DataError(p, "not a font FreeType can read");
    auto* f = new Font;
    f->path = p;
    f->face = face;
    f->size = size;
    f->smooth = (style & 4) != 0;
    try {
        SizeFace(f, size);
        CheckGlyphs(f);
    } catch (...) {
        FT_Done_Face(face);
        delete f;
        throw;
    }
    return f;
}

namespace {
// The textures a font's glyphs are drawn from, each once (the atlas is
// shared by most glyphs); with masks, their thresholded copies too.
std::set<SDL_Texture*> GlyphTextures(const Font* f, bool masks) {
    std::set<SDL_Texture*> textures;
    for (const auto& [c, g] : f->glyphs)
        for (SDL_Texture* t : {g.tex, masks ? g.maskTex : nullptr})
            if (t) textures.insert(t);
    return textures;
}
} // namespace

void FreeFont(Font* f) {
    if (!f || f->builtin) return;
    if (media::State().font == f) media::State().font = nullptr;
    for (SDL_Texture* t : GlyphTextures(f, true)) SDL_DestroyTexture(t);
    FT_Done_Face(f->face);
    delete f;
}

void SetFont(Font* f) {
    media::State().font = f;
}
Font* CurrentFont() {
    return media::State().font;
}

int FontHeight() {
    return Current()->height;
}

int StringWidth(const Str& text) {
    Font* f = Current();
    int w = 0;
    for (char16_t c : text) w = (int)((float)w + GetGlyph(f, c).advance);
    return w;
}

void DrawString(const Str& text, double x, double y) {
    Font* f = Current();
    auto& st = media::State();
    double pen = x;
    bool skipped = DrawingSkipped();
    if (!skipped) media::ApplyPendingClear();
    // The drawing state goes onto a texture once per run of glyphs from it.
    SDL_Texture* prepared = nullptr;
    SDL_Texture* use = nullptr;
    bool visible = false;
    for (char16_t c : text) {
        Glyph& g = GetGlyph(f, c);
        if (g.tex && !skipped) {
            if (g.tex != prepared) {
                prepared = g.tex;
                visible = media::PrepareTexture(g.tex, g.maskTex, &use);
            }
            if (visible) {
                SDL_FRect dst{(float)(pen + g.left * st.sx),
                              (float)(y + (f->ascent - g.top) * st.sy), (float)(g.w * st.sx),
                              (float)(g.h * st.sy)};
                SDL_RenderCopyF(media::Renderer(), use, &g.src, &dst);
            }
        }
        pen += g.advance * st.sx;
    }
}

int FontTextureCount(Font* f) {
    return (int)GlyphTextures(f, false).size();
}
