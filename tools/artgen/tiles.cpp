#include "tiles.h"
#include "palette.h"

#include "canvas.h"
#include "tile_ids.h"
#include "tiles_mine.h"
#include "tiles_ruins.h"
#include "tiles_tower.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {

namespace {

constexpr int kT = 48;    // tile size
constexpr int kCols = 32; // frames per sheet row
constexpr int kRows = 24;
constexpr float kTau = 6.2831853f;

using Material = std::function<Color(int x, int y)>;

int Wrap48(int v) {
    return ((v % kT) + kT) % kT;
}

// ---------------------------------------------------------------- ground materials
// All ground materials repeat every 48 pixels, so any two tiles of the same
// material meet without a seam.

Color GrassAt(int x, int y, uint32_t seed, Color base) {
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 12.0f, seed, kT);
    float fine = (Hash2(Wrap48(x), Wrap48(y), seed + 1) & 255) / 255.0f;
    return Scale(base, 0.86f + 0.22f * n + 0.06f * fine);
}

// Grass with blades: the blades are drawn with wrap-around.
Canvas GrassTile(uint32_t seed, Color base = pal::foliage::kGreen) {
    Canvas c(kT, kT);
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) c.Set(x, y, GrassAt(x, y, seed, base));
    Rng rng(seed * 31 + 7);
    for (int k = 0; k < 70; ++k) {
        int x = rng.Int(0, 47), y = rng.Int(0, 47), len = rng.Int(2, 4);
        int lean = rng.Int(-1, 1);
        Color col = rng.Uniform() < 0.5f ? Scale(base, 1.22f) : Scale(base, 0.72f);
        for (int t = 0; t < len; ++t) c.Set(Wrap48(x + (t * lean) / 2), Wrap48(y - t), col);
    }
    return c;
}

// Dirt: trodden earth with soft patches and a few small stones. The stones
// are scattered without a grid, vary in size and tone, take the light from
// the top left and cast a short shadow to the bottom right; they wrap at
// the tile's edges, so the material still repeats seamlessly.
struct DirtStone {
    float x, y, r;
    float grey; // how far the stone's colour leans from earth to grey
};

// Placed by hand, unevenly: one larger stone, a small cluster and a few
// strays, so the repeat of the tile does not read as a grid of dots.
const std::vector<DirtStone>& DirtStones() {
    static const std::vector<DirtStone> stones = {
        {12.5f, 30.0f, 1.6f, 0.3f}, {33.0f, 9.0f, 1.3f, 0.25f}, {35.8f, 11.2f, 0.9f, 0.35f},
        {31.0f, 12.6f, 0.8f, 0.2f}, {41.0f, 38.0f, 1.2f, 0.3f}, {22.0f, 45.5f, 0.8f, 0.25f},
    };
    return stones;
}

Color DirtAt(int x, int y) {
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 12.0f, 301, kT);
    float broad = FractalNoise(static_cast<float>(x), static_cast<float>(y), 24.0f, 304, kT);
    float fine = (Hash2(Wrap48(x), Wrap48(y), 302) & 255) / 255.0f;
    Color earth = pal::earth::kBrown;
    Color c = Scale(earth, 0.82f + 0.2f * n + 0.14f * broad + 0.06f * fine);
    float px = Wrap48(x) + 0.5f, py = Wrap48(y) + 0.5f;
    for (const DirtStone& s : DirtStones()) {
        float dx = px - s.x, dy = py - s.y;
        dx -= kT * std::round(dx / kT);
        dy -= kT * std::round(dy / kT);
        float ry = s.r * 0.75f;
        float d = std::hypot(dx / s.r, dy / ry);
        if (d <= 1.0f) {
            float lit = std::clamp(-(dx / s.r + dy / ry) * 0.5f, -1.0f, 1.0f);
            Color stone = Mix(earth, pal::earth::kWarmGrey, s.grey);
            return Scale(stone, 1.02f + 0.12f * lit + 0.05f * fine);
        }
        // the shadow below and right of the stone
        float sd = std::hypot((dx - 0.8f) / s.r, (dy - 0.8f) / ry);
        if (sd <= 1.0f) c = Scale(c, 0.92f);
    }
    return c;
}

Color SandAt(int x, int y) {
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 16.0f, 311, kT);
    float fine = (Hash2(Wrap48(x), Wrap48(y), 312) & 255) / 255.0f;
    float ripple = std::sin(kTau * (x / 48.0f + 2.0f * y / 48.0f) + 3.0f * n);
    return Scale(pal::earth::kLightTan, 0.9f + 0.1f * n + 0.05f * fine + 0.03f * ripple);
}

Color WaterAt(int x, int y) {
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 16.0f, 321, kT);
    float w = std::sin(kTau * (2.0f * x / 48.0f + y / 48.0f) + 5.0f * n);
    Color c = Scale(pal::water::kBlue, 0.9f + 0.16f * n);
    if (w > 0.93f)
        c = pal::water::kLightSky;
    else if (w > 0.8f)
        c = Scale(c, 1.15f);
    return c;
}

// Cobblestones: rounded stones around jittered points (a periodic cell pattern).
Color StonesAt(int x, int y, uint32_t seed, int grid, Color stone, Color mortar) {
    float px = x + 0.5f, py = y + 0.5f;
    float cell = static_cast<float>(kT) / grid;
    int cx = static_cast<int>(std::floor(px / cell)), cy = static_cast<int>(std::floor(py / cell));
    float d1 = 1e9f, d2 = 1e9f;
    uint32_t id = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            int gx = cx + i, gy = cy + j;
            int wx = ((gx % grid) + grid) % grid, wy = ((gy % grid) + grid) % grid;
            uint32_t h = Hash2(wx, wy, seed);
            float ox = (gx + 0.25f + 0.5f * ((h & 255) / 255.0f)) * cell;
            float oy = (gy + 0.25f + 0.5f * (((h >> 8) & 255) / 255.0f)) * cell;
            float d = std::hypot(px - ox, py - oy);
            if (d < d1) {
                d2 = d1;
                d1 = d;
                id = h;
            } else if (d < d2) {
                d2 = d;
            }
        }
    float edge = d2 - d1;
    if (edge < 1.6f) return Scale(mortar, 0.9f + 0.2f * ((Hash2(x, y, seed) & 255) / 255.0f));
    float tone = 0.82f + 0.3f * ((id >> 16) & 255) / 255.0f;
    Color c = Scale(stone, tone);
    if (edge < 3.2f) c = Scale(c, 0.85f); // rounded rims
    if (d1 < cell * 0.22f) c = Scale(c, 1.08f);
    return c;
}

Color CobbleAt(int x, int y) {
    return StonesAt(x, y, 331, 4, pal::stone::kWarmGreyCobbleAt, pal::stone::kDarkWarmGreyCobbleAt);
}

Color FlagstoneAt(int x, int y, uint32_t seed) {
    // slabs of 24 x 16 with every other row offset by half a slab
    int row = y / 16;
    int xo = (x + (row % 2) * 12) % kT;
    int col = xo / 24;
    bool joint = (y % 16) == 0 || (xo % 24) == 0;
    if (joint) return pal::stone::kDarkWarmGreyFlagstoneAt;
    uint32_t h = Hash2(col, row, seed);
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 8.0f, seed + 1, kT);
    Color c = Scale(pal::stone::kLightWarmGrey, 0.86f + 0.12f * ((h & 255) / 255.0f) + 0.12f * n);
    if ((y % 16) == 1 || (xo % 24) == 1) c = Scale(c, 1.1f);
    if ((y % 16) == 15 || (xo % 24) == 23) c = Scale(c, 0.88f);
    return c;
}

Color PlanksAt(int x, int y, Color base, uint32_t seed) {
    // horizontal boards 12 pixels high, with staggered butt joints
    int board = y / 12;
    int joint = (board * 17 + 5) % kT;
    if (y % 12 == 0) return Scale(base, 0.55f);
    if (x == joint) return Scale(base, 0.6f);
    float grain = std::sin(kTau * (x / 48.0f) * 3.0f + (y % 12) * 0.9f + board * 2.0f);
    float n = ValueNoise(static_cast<float>(x), static_cast<float>(y) * 4.0f, 8.0f, seed, kT);
    float tone = 0.92f + 0.12f * ((Hash2(board, 0, seed) & 255) / 255.0f);
    Color c = Scale(base, tone * (0.9f + 0.06f * grain + 0.1f * n));
    if (y % 12 == 1) c = Scale(c, 1.12f);
    return c;
}

Color FarmAt(int x, int y) {
    // furrows running left to right, 8 pixels apart
    float f = std::sin(kTau * y / 8.0f);
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 8.0f, 341, kT);
    return Scale(pal::earth::kDarkRust, 0.8f + 0.22f * f + 0.15f * n);
}

Canvas FromMaterial(const Material& m) {
    Canvas c(kT, kT);
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) c.Set(x, y, m(x, y));
    return c;
}

// ---------------------------------------------------------------- small detail painters
void Flower(Canvas& c, int x, int y, Color petal) {
    c.Set(x, y - 1, petal);
    c.Set(x - 1, y, petal);
    c.Set(x + 1, y, petal);
    c.Set(x, y + 1, petal);
    c.Set(x, y, pal::flowers::kLightGold);
    c.Set(x, y + 2, pal::flowers::kDarkGreen);
}

void Pebble(Canvas& c, float x, float y, float r) {
    c.FillEllipse(x, y + 0.8f, r, r * 0.7f, pal::stone::kDarkWarmGreyPebble);
    c.ShadedEllipse(x, y, r, r * 0.7f, pal::stone::kWarmGreyCobbleAt, 0.6f);
}

// Every grass variant is the plain grass tile with something added inside
// it, never on its outermost pixels: any two grass tiles meet without a
// seam, whichever way a map mixes them.
Canvas GrassVariant(int kind) {
    Canvas c = GrassTile(201);
    Rng rng(500 + kind);
    switch (kind) {
    case 1: // lush grass: denser, darker blades
    case 2: // dry grass: pale straw blades
        for (int k = 0; k < 90; ++k) {
            int x = rng.Int(2, 45), y = rng.Int(6, 45), len = rng.Int(2, 4);
            int lean = rng.Int(-1, 1);
            Color col = kind == 1 ? (k % 3 ? pal::foliage::kDarkGreenGrassVariant3
                                           : Scale(pal::foliage::kGreen, 1.15f))
                                  : (k % 3 ? pal::foliage::kOlive : pal::foliage::kTanGrassVariant);
            for (int t = 0; t < len; ++t) c.Set(x + (t * lean) / 2, y - t, col);
        }
        break;
    case 3: // tufts
        for (int k = 0; k < 5; ++k) {
            int x = rng.Int(6, 41), y = rng.Int(8, 42);
            for (int b = -2; b <= 2; ++b)
                c.Line(x, y, x + b * 2, y - 5 + std::abs(b), pal::foliage::kDarkGreenGrassVariant2);
        }
        break;
    case 4: // pebbles
        for (int k = 0; k < 6; ++k)
            Pebble(c, rng.Range(6, 42), rng.Range(6, 42), rng.Range(1.5f, 2.8f));
        break;
    case 5:
    case 6: // flowers
        for (int k = 0; k < 9; ++k) {
            Color petal = kind == 5
                              ? (k % 2 ? pal::foliage::kRedGrassVariant2 : pal::foliage::kGold)
                              : (k % 2 ? pal::foliage::kBlue : pal::foliage::kPaleWarmGrey);
            Flower(c, rng.Int(4, 43), rng.Int(4, 43), petal);
        }
        break;
    case 7: // clover
        for (int k = 0; k < 7; ++k) {
            float x = rng.Range(6, 42), y = rng.Range(6, 42);
            for (int l = 0; l < 3; ++l)
                c.FillCircle(x + 1.6f * std::cos(l * 2.1f), y + 1.6f * std::sin(l * 2.1f), 1.3f,
                             pal::foliage::kDarkGreenGrassVariant4);
        }
        break;
    case 8: // mushrooms
        for (int k = 0; k < 3; ++k) {
            float x = rng.Range(8, 40), y = rng.Range(10, 40);
            c.FillRect(static_cast<int>(x) - 1, static_cast<int>(y), 2, 3, pal::foliage::kPaleTan);
            c.ShadedEllipse(x, y, 3.2f, 2.2f, pal::foliage::kRedGrassVariant, 0.5f);
            c.Set(static_cast<int>(x) - 1, static_cast<int>(y) - 1,
                  pal::foliage::kPaleTanGrassVariant);
        }
        break;
    case 9: // fallen leaves
        for (int k = 0; k < 10; ++k) {
            float x = rng.Range(4, 44), y = rng.Range(4, 44);
            Color leaf = k % 3 == 0
                             ? pal::foliage::kBrown
                             : (k % 3 == 1 ? pal::foliage::kRust : pal::foliage::kTanGrassVariant);
            c.FillEllipse(x, y, 2.2f, 1.2f, leaf);
        }
        break;
    case 10: // tall grass
        for (int k = 0; k < 40; ++k) {
            int x = rng.Int(3, 44), y = rng.Int(10, 45);
            c.Line(x, y, x + rng.Int(-2, 2), y - rng.Int(5, 9),
                   k % 2 ? pal::foliage::kGreenGrassVariant : pal::foliage::kDarkGreenGrassVariant);
        }
        break;
    default:
        break;
    }
    return c;
}

// ---------------------------------------------------------------- terrain blends
// Corner mask: 1 top-left, 2 top-right, 4 bottom-left, 8 bottom-right. The
// blend field is bilinear between the corners, so along a tile edge it only
// depends on that edge's two corners and neighbours always match.
float BlendField(int mask, int x, int y, uint32_t seed) {
    float u = (x + 0.5f) / kT, v = (y + 0.5f) / kT;
    float tl = mask & 1 ? 1.0f : 0.0f, tr = mask & 2 ? 1.0f : 0.0f;
    float bl = mask & 4 ? 1.0f : 0.0f, br = mask & 8 ? 1.0f : 0.0f;
    float f = tl * (1 - u) * (1 - v) + tr * u * (1 - v) + bl * (1 - u) * v + br * u * v;
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 12.0f, seed, kT);
    return f + (n - 0.5f) * 0.3f;
}

enum class Edge { Dirt, Sand, Water, Cobble };

Canvas BlendTile(Edge kind, int mask, const Canvas& grass) {
    Canvas c(kT, kT);
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            float f = BlendField(mask, x, y, 401);
            Color g = grass.Get(x, y);
            Color out = g;
            switch (kind) {
            case Edge::Dirt:
                if (f > 0.53f)
                    out = DirtAt(x, y);
                else if (f > 0.5f)
                    out = Scale(DirtAt(x, y), 0.8f);
                else if (f > 0.45f)
                    out = Scale(g, 0.85f);
                break;
            case Edge::Sand:
                if (f > 0.52f)
                    out = SandAt(x, y);
                else if (f > 0.5f)
                    out = Mix(SandAt(x, y), g, 0.5f);
                break;
            case Edge::Water:
                if (f > 0.6f)
                    out = WaterAt(x, y); // as the plain water tile, so they meet cleanly
                else if (f > 0.55f)
                    out = Mix(WaterAt(x, y), pal::stone::kLightSkyBlendTile, 0.45f);
                else if (f > 0.5f)
                    out = pal::stone::kDarkDullBrownOut; // muddy bank
                else if (f > 0.46f)
                    out = Scale(g, 0.8f);
                break;
            case Edge::Cobble:
                if (f > 0.5f)
                    out = CobbleAt(x, y);
                else if (f > 0.47f)
                    out = Scale(g, 0.8f);
                break;
            }
            c.Set(x, y, out);
        }
    return c;
}

// ---------------------------------------------------------------- bridges
// Planks between two side beams, with a strip of what lies under the
// bridge showing beside the beams: open water, or (under) a shore tile for
// the first and last cell of a bridge, so that its strips continue the bank
// above and below. Where the bridge rests on land (both corners of an end
// are land) a sill beam carries the planks' ends.
Canvas Bridge(bool horizontal, const Canvas* under = nullptr, int landMask = 0) {
    Canvas c(kT, kT);
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            int along = horizontal ? x : y, across = horizontal ? y : x;
            Color col;
            if (across < 5 || across >= 43) {
                col = under ? under->Get(x, y) : WaterAt(x, y);
            } else if (across < 9 || across >= 39) {
                // side beams
                col = Scale(pal::wood::kDarkRustBridge, across == 5 || across == 42 ? 0.6f : 1.0f);
            } else {
                int board = along / 8;
                col = Scale(pal::wood::kRustBridge,
                            0.88f + 0.14f * ((Hash2(board, 1, 77) & 255) / 255.0f));
                if (along % 8 == 0)
                    col = pal::wood::kDeepRustCol;
                else if (along % 8 == 1)
                    col = Scale(col, 1.1f);
                if (across == 12 || across == 35) col = pal::wood::kDarkWarmGrey; // nail rows
                if ((across == 12 || across == 35) && along % 8 != 4) col = Scale(col, 1.9f);
            }
            bool sill = ((landMask & 1) && along < 4) || ((landMask & 2) && along >= 44);
            if (sill && across >= 3 && across < 45)
                col = Scale(pal::wood::kDarkRustBridge, along == 0 || along == 47 ? 0.6f : 0.9f);
            c.Set(x, y, col);
        }
    return c;
}

// A bridge cell laid over the water blend with corner mask m.
Canvas BridgeOverShore(bool horizontal, int m, const Canvas& grass) {
    Canvas shore = BlendTile(Edge::Water, m, grass);
    // which end rests on land: both corners of that end are not water
    int startCorners = horizontal ? (1 | 4) : (1 | 2), endCorners = horizontal ? (2 | 8) : (4 | 8);
    int land = ((m & startCorners) == 0 ? 1 : 0) | ((m & endCorners) == 0 ? 2 : 0);
    return Bridge(horizontal, &shore, land);
}

// ---------------------------------------------------------------- ground details
Canvas ExitDoorstep() {
    Canvas c(kT, kT);
    c.FillRoundRect(5, 8, 38, 34, 5, pal::wood::kDarkWarmGrey);
    c.FillRoundRect(6, 8, 36, 32, 4, pal::wood::kWarmGrey);
    c.AddNoise(6, 8, 36, 32, 0.08f, 611, 3.0f);
    c.Bevel(6, 8, 36, 32, 2, false, 0.3f);
    // two carved chevrons pointing onward, filled with warm light
    for (int k = 0; k < 2; ++k) {
        float y0 = 17.0f + k * 10.0f;
        std::vector<Vec2> chevron = {{14, y0 + 6}, {24, y0 - 3}, {34, y0 + 6},
                                     {30, y0 + 9}, {24, y0 + 3}, {18, y0 + 9}};
        c.FillPolygon(chevron, pal::wood::kDarkBrown);
        for (Vec2& p : chevron) p.y -= 1;
        c.FillPolygon(chevron, pal::wood::kLightTanExitDoorstep);
    }
    return c;
}

Canvas ExitRoadMarker() {
    Canvas c(kT, kT);
    for (int k = 0; k < 10; ++k) {
        float a = k * kTau / 10.0f;
        Pebble(c, 24 + 18 * std::cos(a), 24 + 15 * std::sin(a), 3.2f);
    }
    c.FillEllipse(24, 24, 12, 10, pal::stone::kDarkBrownExitRoadMarker);
    std::vector<Vec2> arrow = {{24, 15}, {32, 24}, {27, 24}, {27, 32},
                               {21, 32}, {21, 24}, {16, 24}};
    c.FillPolygon(arrow, pal::stone::kDarkBrown);
    for (Vec2& p : arrow) p.y -= 1;
    c.FillPolygon(arrow, pal::stone::kLightTanExitRoadMarker);
    return c;
}

Canvas DetailTile(int kind) {
    Canvas c(kT, kT);
    Rng rng(700 + kind);
    switch (kind) {
    case 0:
        for (int k = 0; k < 7; ++k) {
            Color petal = k % 3 == 0 ? pal::stone::kRed
                                     : (k % 3 == 1 ? pal::stone::kGold : pal::stone::kViolet);
            Flower(c, rng.Int(6, 41), rng.Int(6, 41), petal);
        }
        break;
    case 1:
        for (int k = 0; k < 6; ++k)
            Pebble(c, rng.Range(8, 40), rng.Range(8, 40), rng.Range(1.8f, 3.2f));
        break;
    case 2:
        for (int b = -3; b <= 3; ++b)
            c.ThickLine(24, 34, 24 + b * 3.0f, 22 + std::abs(b) * 2.0f, 1.4f,
                        b % 2 ? pal::stone::kDarkGreen : pal::stone::kGreenDetailTile);
        break;
    case 3:
        for (int k = 0; k < 9; ++k) {
            float x = rng.Range(8, 40), y = rng.Range(8, 40);
            c.FillEllipse(x, y, 2.6f, 1.4f,
                          k % 2 ? pal::stone::kBrown : pal::stone::kRustDetailTile);
        }
        break;
    default:
        c.FillEllipse(24, 26, 16, 9, pal::stone::kDarkDullBrown);
        c.FillEllipse(24, 25, 14, 7.5f, pal::stone::kDullSky);
        c.FillEllipse(20, 23, 5, 1.6f, pal::stone::kLightSky);
        break;
    }
    return c;
}

// ---------------------------------------------------------------- objects
void Outline(Canvas& c) {
    c.OutlineRegion(0, 0, c.Width(), c.Height(), pal::stone::kBlack);
}

// A round leafy mass: overlapping shaded blobs with leaf speckles.
void Foliage(Canvas& c, float cx, float cy, float rx, float ry, Color leaf, uint32_t seed,
             int blobs) {
    Rng rng(seed);
    std::vector<Vec2> pts;
    for (int k = 0; k < blobs; ++k) {
        float a = rng.Range(0, kTau), r = std::sqrt(rng.Uniform());
        pts.push_back({cx + std::cos(a) * r * rx * 0.62f, cy + std::sin(a) * r * ry * 0.62f});
    }
    std::sort(pts.begin(), pts.end(), [](Vec2 a, Vec2 b) { return a.y < b.y; });
    float br = std::min(rx, ry) * 0.48f;
    for (Vec2 p : pts) c.ShadedEllipse(p.x, p.y, br, br * 0.92f, leaf, 0.55f);
    int w = c.Width(), h = c.Height();
    for (int k = 0; k < static_cast<int>(rx * ry * 0.25f); ++k) {
        int x = static_cast<int>(rng.Range(cx - rx, cx + rx)),
            y = static_cast<int>(rng.Range(cy - ry, cy + ry));
        if (x < 0 || y < 0 || x >= w || y >= h || !c.Painted(x, y)) continue;
        c.Set(x, y, Scale(c.Get(x, y), rng.Uniform() < 0.5f ? 1.22f : 0.78f));
    }
}

Canvas Bush(int kind) {
    Canvas c(kT, kT);
    Foliage(c, 24, 26, 20, 17, kind == 2 ? pal::foliage::kGreenBush : pal::foliage::kDarkGreenBush,
            800 + kind, 9);
    Rng rng(810 + kind);
    if (kind == 1)
        for (int k = 0; k < 8; ++k)
            c.FillCircle(rng.Range(10, 38), rng.Range(14, 38), 1.6f, pal::foliage::kRed);
    if (kind == 2)
        for (int k = 0; k < 7; ++k)
            Flower(c, rng.Int(10, 38), rng.Int(14, 36), pal::foliage::kLightRose);
    Outline(c);
    return c;
}

Canvas Rock(int kind) {
    Canvas c(kT, kT);
    float s = kind == 0 ? 0.6f : 1.0f;
    std::vector<Vec2> pts = {{8, 38},  {6, 26},  {14, 14}, {28, 10},
                             {40, 18}, {43, 32}, {38, 40}, {20, 42}};
    for (Vec2& p : pts) {
        p.x = 24 + (p.x - 24) * s;
        p.y = 42 + (p.y - 42) * s;
    }
    c.FillSdf(
        0, 0, kT, kT,
        [&](float x, float y) {
            return SdPolygon({x, y}, pts) - 1.5f;
        },
        [&](float x, float y) {
            float l = ((24 - x) * 0.5f + (30 - y) * 0.8f) / (20 * s);
            Color base = pal::stone::kWarmGreyBase;
            return Scale(base, 0.9f + 0.3f * std::clamp(l, -1.0f, 1.0f));
        });
    c.AddNoise(0, 0, kT, kT, 0.06f, 820 + kind);
    c.Line(static_cast<int>(24 - 6 * s), static_cast<int>(42 - 18 * s), static_cast<int>(24),
           static_cast<int>(42 - 10 * s), pal::stone::kDarkWarmGreyRock);
    if (kind == 2) {
        Rng rng(830);
        for (int k = 0; k < 60; ++k) {
            int x = rng.Int(10, 38), y = rng.Int(12, 26);
            if (c.Painted(x, y)) c.Set(x, y, Rgb(80 + rng.Int(0, 30), 130, 60));
        }
    }
    Outline(c);
    return c;
}

void BarrelAt(Canvas& c, float cx, float top, float w, float h) {
    float rx = w / 2;
    c.FillSdf(
        0, 0, c.Width(), c.Height(),
        [&](float x, float y) {
            float bulge = 1.0f + 0.1f * std::sin(std::clamp((y - top) / h, 0.0f, 1.0f) * 3.14159f);
            return std::max(std::fabs(x - cx) - rx * bulge, std::max(top - y, y - (top + h)));
        },
        [&](float x, float y) {
            float t = (x - cx) / rx;
            Color wood = Scale(pal::wood::kRustBarrelAt, 1.05f - 0.35f * t * t - 0.1f * t);
            int stave = static_cast<int>(std::floor((x - cx) / 5.0f));
            if (std::fabs(x - cx - stave * 5.0f) < 0.6f) wood = Scale(wood, 0.75f);
            float ry = (y - top) / h;
            if (std::fabs(ry - 0.2f) < 0.05f || std::fabs(ry - 0.8f) < 0.05f)
                wood = pal::wood::kDarkGrey;
            return wood;
        });
    c.FillEllipse(cx, top, rx, 4, pal::wood::kDarkRustBarrelAt);
    c.FillEllipse(cx, top, rx - 2, 3, pal::wood::kBrownBarrelAt);
}

Canvas Barrels(bool two) {
    Canvas c(kT, kT);
    if (two) {
        BarrelAt(c, 15, 14, 18, 28);
        BarrelAt(c, 33, 18, 18, 27);
    } else {
        BarrelAt(c, 24, 12, 24, 32);
    }
    Outline(c);
    return c;
}

void CrateAt(Canvas& c, int x, int y, int w, int h, int topH) {
    c.FillRect(x, y, w, topH, pal::wood::kTan); // lid seen from above
    c.FillRect(x, y + topH, w, h - topH, pal::wood::kBrownCrateAt);
    for (int k = 1; k < 3; ++k)
        c.FillRect(x, y + topH + k * (h - topH) / 3, w, 1, pal::wood::kDarkRustCrateAt);
    c.StrokeRect(x, y + topH, w, h - topH, pal::wood::kDarkRustCrateAt, 2);
    c.ThickLine(x + 2.0f, y + h - 2.0f, x + w - 2.0f, y + topH + 2.0f, 2.0f,
                pal::wood::kDarkRustCrateAt2);
    c.StrokeRect(x, y, w, topH, pal::wood::kBrown);
}

Canvas Crates(bool two) {
    Canvas c(kT, kT);
    if (two) {
        CrateAt(c, 4, 20, 24, 24, 6);
        CrateAt(c, 24, 14, 20, 30, 6);
        CrateAt(c, 10, 6, 18, 18, 5);
    } else {
        CrateAt(c, 8, 10, 32, 34, 8);
    }
    Outline(c);
    return c;
}

Canvas Chest(bool open) {
    Canvas c(kT, kT);
    Color wood = pal::wood::kDarkRustWood, band = pal::wood::kTanBand;
    if (open) {
        c.FillRect(7, 6, 34, 14, Scale(wood, 0.8f));        // raised lid
        c.FillRect(9, 16, 30, 8, pal::wood::kDeepRust);     // inside
        c.FillEllipse(24, 20, 10, 3, pal::wood::kTanChest); // gold inside
    } else {
        c.FillRoundRect(7, 12, 34, 12, 4, Scale(wood, 1.12f)); // curved lid
    }
    c.FillRect(7, 22, 34, 20, wood);
    c.FillRect(7, 22, 34, 2, Scale(wood, 0.7f));
    for (int x : {11, 35}) c.FillRect(x, open ? 6 : 12, 3, 36 - (open ? 0 : 6), band);
    c.FillRect(21, 24, 6, 7, band);
    c.FillRect(23, 27, 2, 2, pal::wood::kDeepBrown);
    c.AddNoise(7, 12, 34, 30, 0.06f, 840);
    Outline(c);
    return c;
}

Canvas Signpost() {
    Canvas c(kT, kT);
    c.FillRect(22, 10, 5, 34, pal::wood::kDarkRustSignpost);
    c.FillRect(22, 10, 2, 34, pal::wood::kRustSignpost);
    std::vector<Vec2> board = {{8, 10}, {36, 10}, {43, 16}, {36, 22}, {8, 22}};
    c.FillPolygon(board, pal::wood::kBrownSignpost);
    c.FillRect(12, 15, 20, 1, pal::wood::kDarkRust);
    c.FillRect(12, 18, 14, 1, pal::wood::kDarkRust);
    c.FillRect(18, 42, 13, 3, pal::wood::kDarkWarmGreySignpost);
    Outline(c);
    return c;
}

Canvas FlowerPot(Color petal) {
    Canvas c(kT, kT);
    Foliage(c, 24, 18, 13, 10, pal::flowers::kDarkGreenFlowerPot, 850 + petal.r, 6);
    Rng rng(860 + petal.g);
    for (int k = 0; k < 6; ++k) Flower(c, rng.Int(14, 34), rng.Int(11, 24), petal);
    c.FillPolygon({{13, 26}, {35, 26}, {32, 44}, {16, 44}}, pal::flowers::kRust);
    c.FillRect(12, 25, 24, 4, pal::flowers::kSalmon);
    c.FillRect(17, 30, 2, 12, pal::flowers::kSalmonFlowerPot);
    Outline(c);
    return c;
}

Canvas Stump() {
    Canvas c(kT, kT);
    c.FillRect(12, 22, 24, 18, pal::wood::kDarkRustStump3);
    c.FillPolygon({{8, 42}, {14, 34}, {14, 42}}, pal::wood::kDarkRustStump);
    c.FillPolygon({{40, 42}, {34, 34}, {34, 42}}, pal::wood::kDarkRustStump);
    for (int x = 14; x < 36; x += 5) c.FillRect(x, 24, 1, 16, pal::wood::kDarkRustStump2);
    c.FillEllipse(24, 22, 12, 5, pal::wood::kTanStump);
    c.StrokeCircle(24, 22, 3, 1.0f, pal::wood::kBrownStump);
    Outline(c);
    return c;
}

Canvas LogPile() {
    Canvas c(kT, kT);
    const Vec2 ends[] = {{12, 38}, {24, 38}, {36, 38}, {18, 28}, {30, 28}, {24, 18}};
    for (Vec2 e : ends) {
        c.FillCircle(e.x, e.y, 6.2f, pal::wood::kDarkRustLogPile);
        c.FillCircle(e.x, e.y, 5.0f, pal::wood::kLightTan);
        c.StrokeCircle(e.x, e.y, 2.5f, 1.0f, pal::wood::kBrownLogPile);
    }
    Outline(c);
    return c;
}

Canvas HayBale() {
    Canvas c(kT, kT);
    c.FillRoundRect(6, 14, 36, 28, 6, pal::straw::kTanHayBale);
    Rng rng(870);
    for (int k = 0; k < 90; ++k) {
        int x = rng.Int(8, 40), y = rng.Int(16, 40);
        c.Line(x, y, x + rng.Int(-3, 3), y + 2,
               rng.Uniform() < 0.5f ? pal::straw::kLightTan : pal::straw::kBrown);
    }
    c.FillRect(6, 22, 36, 2, pal::straw::kDarkBrown);
    c.FillRect(6, 34, 36, 2, pal::straw::kDarkBrown);
    Outline(c);
    return c;
}

Canvas Sack() {
    Canvas c(kT, kT);
    c.ShadedEllipse(24, 32, 13, 12, pal::straw::kTanSack, 0.5f);
    c.FillPolygon({{18, 20}, {30, 20}, {27, 14}, {21, 14}}, pal::straw::kTan);
    c.FillRect(19, 19, 10, 2, pal::straw::kDarkBrownSack);
    Outline(c);
    return c;
}

Canvas WellSmall() {
    Canvas c(kT, kT);
    c.FillEllipse(24, 28, 20, 14, pal::water::kWarmGreyWellSmall);
    c.FillEllipse(24, 26, 20, 12, pal::water::kWarmGreyWellSmall3);
    c.FillEllipse(24, 26, 13, 7, pal::water::kDarkDullBlueWellSmall);
    c.FillEllipse(22, 25, 5, 2, pal::water::kDullSky);
    for (int k = 0; k < 10; ++k) {
        float a = k * kTau / 10;
        c.Line(static_cast<int>(24 + 16.5f * std::cos(a)),
               static_cast<int>(26 + 9.5f * std::sin(a)), static_cast<int>(24 + 20 * std::cos(a)),
               static_cast<int>(26 + 12 * std::sin(a)), pal::water::kWarmGrey);
    }
    c.FillRect(4, 28, 40, 12, pal::water::kWarmGreyWellSmall2);
    for (int x = 4; x < 44; x += 8) c.FillRect(x, 28, 1, 12, pal::water::kDarkWarmGrey);
    c.FillRect(4, 34, 40, 1, pal::water::kDarkWarmGrey);
    Outline(c);
    return c;
}

Canvas Gravestone() {
    Canvas c(kT, kT);
    c.FillRoundRect(13, 8, 22, 34, 10, pal::stone::kGrey);
    c.Bevel(13, 14, 22, 28, 2, false, 0.3f);
    c.FillRect(22, 16, 4, 14, pal::stone::kCoolGrey);
    c.FillRect(18, 20, 12, 4, pal::stone::kCoolGrey);
    c.FillRect(10, 40, 28, 4, pal::stone::kWarmGrey);
    Outline(c);
    return c;
}

// ---- trees (crown 96 x 96 over a 96 x 48 trunk row)
Canvas Crown(int kind) {
    Canvas c(96, 96);
    if (kind == 1) { // fir: stacked tiers
        for (int t = 0; t < 4; ++t) {
            float top = 2.0f + t * 18.0f, bottom = top + 34.0f + t * 4.0f, half = 16.0f + t * 9.0f;
            std::vector<Vec2> tri = {
                {48, top}, {48 + half, bottom}, {48, bottom - 5}, {48 - half, bottom}};
            c.FillSdf(
                0, 0, 96, 96,
                [&](float x, float y) {
                    return SdPolygon({x, y}, tri);
                },
                [&](float x, float y) {
                    float l = (48 - x) / half * 0.5f + (y - top) / (bottom - top) * 0.3f;
                    return Scale(pal::foliage::kDarkGreen, 0.85f + 0.35f * l);
                });
        }
        c.AddNoise(0, 0, 96, 96, 0.1f, 901);
    } else {
        Color leaf = kind == 0 ? pal::foliage::kDarkGreenCrown : pal::foliage::kTan;
        // the lower middle of the crown hangs down to the bottom edge, where
        // the trunk row below it starts
        c.ShadedEllipse(48, 86, 15, 11, Scale(leaf, 0.8f), 0.55f);
        Foliage(c, 48, 50, 44, 42, leaf, 910 + kind, 16);
        if (kind == 2) Foliage(c, 40, 40, 22, 20, pal::foliage::kRustCrown, 920, 5);
    }
    // the crown always reaches the bottom edge so it meets the trunk
    Outline(c);
    return c;
}

Canvas Trunk(int kind) {
    Canvas c(96, kT);
    Color bark = kind == 2 ? pal::wood::kPaleDullTan
                           : (kind == 1 ? pal::wood::kDarkRustTrunk : pal::wood::kDarkRustTrunk2);
    float half = kind == 1 ? 6.0f : 8.0f;
    c.FillSdf(
        0, 0, 96, kT,
        [&](float x, float y) {
            float flare = y > 30 ? (y - 30) * 0.5f : 0.0f;
            return std::max(std::fabs(x - 48) - half - flare, y - 42.0f);
        },
        [&](float x, float) {
            float t = (x - 48) / half;
            Color b = Scale(bark, 1.1f - 0.3f * t);
            if (kind != 2 && static_cast<int>(x) % 4 == 0) b = Scale(b, 0.8f);
            return b;
        });
    if (kind == 2) {
        Rng rng(930);
        for (int k = 0; k < 8; ++k)
            c.FillRect(rng.Int(42, 52), rng.Int(2, 36), rng.Int(2, 5), 1, pal::wood::kDeepGrey);
    }
    // roots
    c.FillEllipse(48 - half - 6, 42, 6, 2.5f, Scale(bark, 0.8f));
    c.FillEllipse(48 + half + 6, 42, 6, 2.5f, Scale(bark, 0.7f));
    Outline(c);
    return c;
}

// ---- fences and walls: bit 1 north, 2 east, 4 south, 8 west
Canvas Fence(int joins) {
    Canvas c(kT, kT);
    Color rail = pal::wood::kRustSpear, post = pal::wood::kDarkRustPost;
    if (joins & 8) {
        c.FillRect(0, 20, 24, 3, rail);
        c.FillRect(0, 29, 24, 3, rail);
    }
    if (joins & 2) {
        c.FillRect(24, 20, 24, 3, rail);
        c.FillRect(24, 29, 24, 3, rail);
    }
    if (joins & 1) c.FillRect(22, 0, 4, 16, rail);
    if (joins & 4) c.FillRect(22, 36, 4, 12, rail);
    c.FillRect(20, 12, 8, 26, post);
    c.FillRect(20, 12, 3, 26, Scale(post, 1.2f));
    c.FillRect(20, 10, 8, 3, Scale(post, 1.35f));
    Outline(c);
    return c;
}

Color BrickAt(int x, int y, Color stone) {
    int row = y / 8;
    int xo = x + (row % 2) * 8;
    if (y % 8 == 0 || xo % 16 == 0) return Scale(stone, 0.6f);
    float n = (Hash2(xo / 16, row, 951) & 255) / 255.0f;
    return Scale(stone, 0.88f + 0.2f * n);
}

Canvas StoneWall(int joins) {
    Canvas c(kT, kT);
    Color stone = pal::stone::kWarmGreyStone, cap = pal::stone::kLightWarmGreyCap;
    auto front = [&](int x0, int x1) {
        for (int y = 22; y < 42; ++y)
            for (int x = x0; x < x1; ++x) c.Set(x, y, BrickAt(x, y, stone));
    };
    auto top = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                c.Set(x, y, Scale(cap, 0.92f + 0.1f * ((Hash2(x / 6, y / 6, 952) & 255) / 255.0f)));
    };
    if (joins & 8) {
        top(0, 8, 14, 22);
        front(0, 14);
    }
    if (joins & 2) {
        top(34, 8, 48, 22);
        front(34, 48);
    }
    if (joins & 1) top(14, 0, 34, 8);
    top(14, 8, 34, 22);
    if (joins & 4)
        top(14, 22, 34, 48);
    else
        front(14, 34);
    Outline(c);
    return c;
}

// ---- roofs: pieces of a gabled roof seen from the front
Canvas RoofPiece(int col, int row, bool slate) {
    Canvas c(kT, kT);
    Color base = slate ? pal::roof::kDullBlue : pal::roof::kRed;
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            if (row == 0 && y < 6) continue; // above the ridge
            if (col == 0 && x < 4) continue; // beside the gable
            if (col == 2 && x >= 44) continue;
            int gy = row * kT + y; // rows of tiles run across the whole roof
            int course = gy / 8;
            int xo = x + (course % 2) * 6;
            float v = (gy % 8) / 8.0f;
            Color t;
            if (slate) {
                t = Scale(base, 0.8f + 0.35f * v);
                if (xo % 12 == 0) t = Scale(base, 0.6f);
            } else {
                float u = (xo % 12) / 12.0f;
                float round = std::sin(u * 3.14159f);
                t = Scale(base, 0.7f + 0.35f * round + 0.15f * v);
            }
            // light falls from above: the upper part of the roof is brighter
            t = Scale(t, 1.08f - 0.12f * (gy / 144.0f));
            c.Set(x, y, t);
        }
    if (row == 0)
        for (int x = col == 0 ? 4 : 0; x < (col == 2 ? 44 : kT); ++x) {
            c.Set(x, 6, Scale(base, 0.5f));
            for (int y = 7; y < 13; ++y) c.Set(x, y, Scale(base, y < 9 ? 1.15f : 0.95f));
            c.Set(x, 13, Scale(base, 0.55f));
        }
    if (row == 2)
        c.FillRect(col == 0 ? 4 : 0, 42, col == 0 ? 44 : (col == 2 ? 44 : 48), 6,
                   pal::roof::kDarkRustRoofPiece);
    if (col == 0) {
        c.FillRect(4, row == 0 ? 6 : 0, 5, row == 0 ? 42 : 48, pal::roof::kDarkRustRoofPiece2);
        c.FillRect(3, row == 0 ? 6 : 0, 1, row == 0 ? 42 : 48, pal::roof::kDeepRust);
    }
    if (col == 2) {
        c.FillRect(39, row == 0 ? 6 : 0, 5, row == 0 ? 42 : 48, pal::roof::kDarkRust);
        c.FillRect(44, row == 0 ? 6 : 0, 1, row == 0 ? 42 : 48, pal::roof::kDeepRust);
    }
    if (row == 0) c.FillRect(col == 0 ? 3 : 0, 5, col == 1 ? 48 : 45, 1, pal::roof::kDeepRust);
    return c;
}

// ---- house walls
void Window(Canvas& c, int x, int y, int w, int h, Color frame) {
    c.FillRect(x - 2, y - 2, w + 4, h + 4, frame);
    c.VGradient(x, y, w, h, pal::wood::kSky, pal::wood::kDarkDullBlue);
    c.FillRect(x + w / 2 - 1, y, 2, h, frame);
    c.FillRect(x, y + h / 2 - 1, w, 2, frame);
    c.FillRect(x + 2, y + 2, 3, 3, pal::wood::kPaleSky);
    c.FillRect(x - 3, y + h + 2, w + 6, 2, Scale(frame, 1.3f)); // sill
}

Canvas WallPiece(int col, bool upper, bool stone) {
    Canvas c(kT, kT);
    Color beam = pal::stone::kDarkRust;
    for (int y = 0; y < kT; ++y)
        for (int x = 0; x < kT; ++x) {
            if (stone) {
                c.Set(x, y, BrickAt(x, y + (upper ? 0 : 48), pal::stone::kWarmGreyWallPiece2));
            } else {
                float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 8.0f, 960, kT);
                c.Set(x, y, Scale(pal::stone::kLightTan, 0.92f + 0.1f * n));
            }
        }
    if (!stone) {
        if (upper) {
            c.FillRect(0, 0, kT, 5, beam);
            if (col == tiles::kWallPlain) {
                c.ThickLine(2, 46, 22, 6, 4, beam);
                c.ThickLine(46, 46, 26, 6, 4, beam);
            }
        } else {
            c.FillRect(0, 0, kT, 4, beam);
        }
    }
    if (!upper) {
        for (int y = 40; y < kT; ++y)
            for (int x = 0; x < kT; ++x) c.Set(x, y, BrickAt(x, y, pal::stone::kWarmGreyWallPiece));
        c.FillRect(0, 39, kT, 1, pal::stone::kDarkWarmGrey);
    }
    Color frame = stone ? pal::stone::kDarkRustWallPiece : beam;
    if (col == tiles::kWallWindow) {
        if (upper)
            Window(c, 16, 14, 16, 18, frame);
        else
            Window(c, 14, 8, 20, 22, frame);
    }
    if (col == tiles::kWallDoor) {
        // A plank door under an arched frame, tall enough for a grown
        // figure: it rises from the step in the lower row into the upper
        // row (top of the arch at y = 20 of the upper row, about 72 px).
        auto leaf = [](int x, int y) {
            if (x < 9 || x >= 39) return false;
            return y >= 28 || SdEllipse({x + 0.5f, y + 0.5f}, {24, 28}, 15, 7) <= 0;
        };
        int y0 = upper ? 0 : 48; // this piece's rows in the door's 96 rows
        for (int y = 0; y < kT; ++y)
            for (int x = 0; x < kT; ++x) {
                int dy = y + y0;
                bool inLeaf = leaf(x, dy);
                bool inFrame = !inLeaf && (leaf(x - 2, dy) || leaf(x + 2, dy) ||
                                           leaf(x, dy + 2) || leaf(x - 2, dy + 2) ||
                                           leaf(x + 2, dy + 2));
                if (dy >= 92) continue; // the step below
                if (inFrame) c.Set(x, y, frame);
                if (!inLeaf) continue;
                bool plank = x >= 12 && x < 38 && (x - 12) % 6 < 4;
                Color wood = plank ? pal::stone::kDarkRustWallPiece2 : pal::stone::kDeepRust;
                // light from the upper left: the planks darken towards the right
                c.Set(x, y, Scale(wood, 1.06f - 0.12f * (x - 9) / 30.0f));
            }
        if (upper) {
            c.FillRect(11, 36, 26, 3, pal::stone::kDarkGrey); // iron bands
        } else {
            c.FillRect(11, 12, 26, 3, pal::stone::kDarkGrey);
            c.FillRect(11, 34, 26, 3, pal::stone::kDarkGrey);
            c.FillCircle(33, 23, 1.8f, pal::stone::kTan);
            c.FillRect(7, 44, 34, 4, pal::stone::kWarmGrey); // step
        }
    }
    if (col == tiles::kWallLeft)
        c.FillRect(0, 0, 6, upper ? kT : 40, stone ? pal::stone::kWarmGrey : beam);
    if (col == tiles::kWallRight)
        c.FillRect(42, 0, 6, upper ? kT : 40, stone ? pal::stone::kWarmGrey : beam);
    return c;
}

// ---- well with roof (96 x 96: roof row, base row) and gate arch (144 x 96)
Canvas WellBig() {
    Canvas c(96, 96);
    // posts
    c.FillRect(18, 20, 6, 62, pal::water::kDarkRust);
    c.FillRect(72, 20, 6, 62, pal::water::kDarkRust);
    c.FillRect(18, 40, 60, 4, pal::water::kDarkRustWellBig); // crank beam
    c.ThickLine(48, 44, 48, 62, 1.2f, pal::water::kDarkDullRust);
    // roof
    c.FillPolygon({{8, 30}, {48, 4}, {88, 30}, {84, 36}, {48, 12}, {12, 36}}, pal::water::kRust);
    c.FillPolygon({{14, 30}, {48, 8}, {82, 30}}, pal::water::kRustWellBig);
    // stone ring
    c.FillRect(10, 60, 76, 28, pal::water::kWarmGreyWellBig);
    for (int y = 60; y < 88; ++y)
        for (int x = 10; x < 86; ++x) c.Set(x, y, BrickAt(x, y, pal::water::kWarmGreyWellBig2));
    c.FillEllipse(48, 60, 38, 9, pal::water::kLightWarmGrey);
    c.FillEllipse(48, 60, 30, 6, pal::water::kDarkDullBlue);
    c.FillRect(44, 56, 8, 7, pal::water::kDarkRustWellBig2); // bucket
    Outline(c);
    return c;
}

Canvas GateArch() {
    Canvas c(144, 96);
    Color stone = pal::stone::kWarmGreyStone2;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 144; ++x) {
            bool pillar = (y >= 30) && ((x >= 26 && x < 48) || (x >= 96 && x < 118));
            float d = SdEllipse({x + 0.5f, y + 0.5f}, {72, 60}, 50, 44);
            bool arch = y < 48 && d > 0 && y >= 8 && x >= 22 && x < 122;
            if (!(pillar || arch)) continue;
            c.Set(x, y, BrickAt(x, y, stone));
        }
    // keystone and cap
    c.FillPolygon({{64, 6}, {80, 6}, {77, 20}, {67, 20}}, pal::stone::kLightDullTan);
    c.FillRect(20, 6, 104, 3, pal::stone::kLightDullTan);
    Outline(c);
    return c;
}

// ---------------------------------------------------------------- sheet helpers
class Sheet {
  public:
    Sheet() : c_(kCols * kT, kRows * kT) {}
    void Put(int frame, const Canvas& tile) {
        c_.Blit(tile, (frame % kCols) * kT, (frame / kCols) * kT);
    }
    Pixmap Finish() const { return c_.ToPixmap(kMaskWhite); }

  private:
    Canvas c_;
};

Pixmap GroundSheet() {
    using namespace tiles;
    Sheet s;
    Canvas grass = GrassTile(201);
    s.Put(kGrass, grass);
    for (int k = 1; k <= 10; ++k) s.Put(kGrass + k, GrassVariant(k));
    s.Put(kDirt, FromMaterial(DirtAt));
    Canvas dirtStones = FromMaterial(DirtAt);
    Rng rng(990);
    for (int k = 0; k < 7; ++k)
        Pebble(dirtStones, rng.Range(6, 42), rng.Range(6, 42), rng.Range(1.5f, 3.0f));
    s.Put(kDirtStones, dirtStones);
    s.Put(kSand, FromMaterial(SandAt));
    Canvas shells = FromMaterial(SandAt);
    for (int k = 0; k < 5; ++k) {
        float x = rng.Range(6, 42), y = rng.Range(6, 42);
        shells.FillEllipse(x, y, 2.2f, 1.6f, pal::stone::kPaleTan);
        shells.Set(static_cast<int>(x), static_cast<int>(y), pal::stone::kLightSalmon);
    }
    s.Put(kSandShells, shells);
    s.Put(kCobble, FromMaterial(CobbleAt));
    s.Put(kCobbleMossy, FromMaterial([](int x, int y) {
              Color c = CobbleAt(x, y);
              float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 12.0f, 995, kT);
              return n > 0.6f ? Mix(c, pal::stone::kGreenGroundSheet2, 0.5f) : c;
          }));
    s.Put(kStoneFloor, FromMaterial([](int x, int y) { return FlagstoneAt(x, y, 996); }));
    s.Put(kStoneFloorWorn, FromMaterial([](int x, int y) {
              Color c = FlagstoneAt(x, y, 997);
              float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 6.0f, 998, kT);
              return Scale(c, 0.85f + 0.2f * n);
          }));
    s.Put(kWoodFloor,
          FromMaterial([](int x, int y) { return PlanksAt(x, y, pal::stone::kRust, 999); }));
    s.Put(kWoodFloorDark, FromMaterial([](int x, int y) {
              return PlanksAt(x, y, pal::stone::kDarkRustGroundSheet, 1000);
          }));
    s.Put(kWater, FromMaterial(WaterAt));
    Canvas lilies = FromMaterial(WaterAt);
    for (Vec2 p : {Vec2{14, 16}, Vec2{32, 30}, Vec2{20, 38}}) {
        lilies.FillCircle(p.x, p.y, 5.0f, pal::stone::kGreenGroundSheet);
        lilies.FillPolygon({{p.x, p.y}, {p.x + 6, p.y - 2}, {p.x + 6, p.y + 2}},
                           WaterAt(static_cast<int>(p.x) + 4, static_cast<int>(p.y)));
    }
    lilies.FillCircle(32, 29, 1.8f, pal::stone::kPaleRose);
    s.Put(kWaterLilies, lilies);
    s.Put(kFarmland, FromMaterial(FarmAt));
    Canvas sprouts = FromMaterial(FarmAt);
    for (int y = 4; y < kT; y += 8)
        for (int x = 3; x < kT; x += 6) {
            sprouts.Set(x, y - 1, pal::stone::kGreenGroundSheet3);
            sprouts.Set(x - 1, y - 2, pal::stone::kGreen);
            sprouts.Set(x + 1, y - 2, pal::stone::kGreen);
        }
    s.Put(kFarmlandSprouts, sprouts);
    s.Put(kBridgeH, Bridge(true));
    s.Put(kBridgeV, Bridge(false));
    for (int m = 0; m < 16; ++m) {
        s.Put(kBridgeHShore + m, BridgeOverShore(true, m, grass));
        s.Put(kBridgeVShore + m, BridgeOverShore(false, m, grass));
        s.Put(kDirtBlend + m, BlendTile(Edge::Dirt, m, grass));
        s.Put(kSandBlend + m, BlendTile(Edge::Sand, m, grass));
        s.Put(kWaterBlend + m, BlendTile(Edge::Water, m, grass));
        s.Put(kCobbleBlend + m, BlendTile(Edge::Cobble, m, grass));
    }
    s.Put(kDetailFlowers, DetailTile(0));
    s.Put(kExitMarker, ExitDoorstep());
    s.Put(kDetailPebbles, DetailTile(1));
    s.Put(kDetailTuft, DetailTile(2));
    s.Put(kDetailLeaves, DetailTile(3));
    s.Put(kDetailPuddle, DetailTile(4));
    for (int k = 0; k < 3; ++k) s.Put(kOldFlagstones + k, OldFlagstones(k));
    return s.Finish();
}

Pixmap ObjectSheet() {
    using namespace tiles;
    Sheet s;
    s.Put(kBush, Bush(0));
    s.Put(kBushBerries, Bush(1));
    s.Put(kShrubFlowers, Bush(2));
    s.Put(kRockSmall, Rock(0));
    s.Put(kRockLarge, Rock(1));
    s.Put(kRockMossy, Rock(2));
    s.Put(kBarrel, Barrels(false));
    s.Put(kBarrels, Barrels(true));
    s.Put(kCrate, Crates(false));
    s.Put(kCrates, Crates(true));
    s.Put(kChest, Chest(false));
    s.Put(kChestOpen, Chest(true));
    s.Put(kSignpost, Signpost());
    s.Put(kPotRed, FlowerPot(pal::stone::kRed));
    s.Put(kPotYellow, FlowerPot(pal::stone::kGold));
    s.Put(kPotBlue, FlowerPot(pal::stone::kBlue));
    s.Put(kStump, Stump());
    s.Put(kLogPile, LogPile());
    s.Put(kHayBale, HayBale());
    s.Put(kSack, Sack());
    s.Put(kWellSmall, WellSmall());
    s.Put(kGravestone, Gravestone());
    s.Put(kOakCrown, Crown(0));
    s.Put(kOakTrunk, Trunk(0));
    s.Put(kFirCrown, Crown(1));
    s.Put(kFirTrunk, Trunk(1));
    s.Put(kBirchCrown, Crown(2));
    s.Put(kBirchTrunk, Trunk(2));
    s.Put(kExitMarkerRoad, ExitRoadMarker());
    for (int j = 0; j < 16; ++j) {
        s.Put(kFence + j, Fence(j));
        s.Put(kStoneWall + j, StoneWall(j));
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            s.Put(kRoofRed + row * kCols + col, RoofPiece(col, row, false));
            s.Put(kRoofSlate + row * kCols + col, RoofPiece(col, row, true));
        }
    for (int col = 0; col < 5; ++col) {
        s.Put(kTimberWallUpper + col, WallPiece(col, true, false));
        s.Put(kTimberWallLower + col, WallPiece(col, false, false));
        s.Put(kStoneHouseUpper + col, WallPiece(col, true, true));
        s.Put(kStoneHouseLower + col, WallPiece(col, false, true));
    }
    s.Put(kWellRoof, WellBig());
    s.Put(kGateArch, GateArch());
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) s.Put(kMineFace + row * kCols + col, MineFacePiece(col, row));
    s.Put(kSpoilHeap, SpoilHeap());
    s.Put(kOreCart, OreCart());
    for (int j = 0; j < 16; ++j) s.Put(kRuinWall + j, RuinWall(j));
    s.Put(kBrokenPillar, BrokenPillar());
    s.Put(kFallenColumn, FallenColumnPiece(0));
    s.Put(kFallenColumn + 1, FallenColumnPiece(1));
    s.Put(kRuinRubble, RuinRubble());
    for (int row = 0; row < kTowerRows; ++row)
        for (int col = 0; col < kTowerCols; ++col) s.Put(kTower + row * kCols + col, TowerPiece(col, row));
    return s.Finish();
}

} // namespace

void MakeTilesets(const PictureSink& sink) {
    sink("Grafik/Tileset1.png", GroundSheet());
    sink("Grafik/Tileset2.png", ObjectSheet());
}

} // namespace art
