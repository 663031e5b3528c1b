#include "tiles_ruins.h"

#include "noise.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kT = 48;
constexpr int kCourse = 8;    // height of one course of blocks
constexpr int kFull = 4 * kCourse; // a wall's height where it runs on into the next cell
// The wall's footprint on the ground: a horizontal wall covers ground rows
// kFootTop..kFootBottom-1, a vertical one columns kFootLeft..kFootRight-1.
constexpr int kFootTop = 34, kFootBottom = 45;
constexpr int kFootLeft = 14, kFootRight = 34;

// A block of the wall's front face; `hz` is the height above the ground, so
// that the courses line up along a wall whatever its top does.
Color FaceAt(int x, int hz) {
    // the joints between blocks stay off the cell's border, and a block
    // across the border keeps one tone on both sides
    int course = hz / kCourse;
    int xo = x + (course % 2) * 8 + 4;
    Color stone = pal::stone::kWarmGreyStone;
    if (hz % kCourse == kCourse - 1 || xo % 16 == 0) return Scale(stone, 0.55f);
    float n = (Hash2(xo / 16 % 3, course, 1301) & 255) / 255.0f;
    float fine = FractalNoise(static_cast<float>(x), static_cast<float>(hz), 4.0f, 1302, kT);
    // the upper edge of each block catches the light
    float lit = hz % kCourse == kCourse - 2 ? 1.1f : 1.0f;
    return Scale(stone, (0.8f + 0.16f * n + 0.08f * fine) * lit);
}

// The broken top of the wall seen from above: rough core stone, mossy.
Color TopAt(int x, int y) {
    float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 6.0f, 1303, kT);
    Color c = Scale(pal::stone::kLightWarmGreyCap, 0.88f + 0.16f * n);
    float moss = FractalNoise(static_cast<float>(x), static_cast<float>(y), 8.0f, 1304, kT);
    if (moss > 0.62f) c = Mix(c, pal::stone::kGreenGroundSheet2, 0.55f);
    // the joints between the blocks of the top course
    if (y % 12 == 0 || (x + 4) % 16 == 0) c = Scale(c, 0.78f);
    return c;
}

// Paints ground footprint cells back to front: each ground pixel of the
// wall stands `height` pixels tall, its top seen from above and, where
// nothing stands in front of it, its face.
void RaiseWall(Canvas& c, const std::vector<int>& height) {
    // the footprint reaches below the cell for walls that run on south
    const int rows = static_cast<int>(height.size()) / kT;
    for (int gy = 0; gy < rows; ++gy)
        for (int gx = 0; gx < kT; ++gx) {
            int h = height[static_cast<size_t>(gy) * kT + gx];
            if (h <= 0) continue;
            for (int hz = 0; hz < h; ++hz) {
                int sy = gy - hz;
                if (sy < 0 || sy >= kT) continue;
                c.Set(gx, sy, FaceAt(gx, hz));
            }
            int top = gy - h;
            if (top >= 0 && top < kT) c.Set(gx, top, TopAt(gx, gy));
        }
}

} // namespace

Canvas RuinWall(int joins) {
    const bool n = joins & 1, e = joins & 2, s = joins & 4, w = joins & 8;
    const int rows = kT + kFull + 1; // ground rows, including those under the next cell
    std::vector<int> height(static_cast<size_t>(rows) * kT, 0);
    // how far the top is broken down at x (or y) along an arm: nothing at
    // a joined border, steps of whole courses in between, and down to a
    // course or less at an end that joins nothing
    Rng rng(1310 + joins);
    // the broken top: one stretch where the upper courses fell, its sides
    // stepped block by block, and a few single stones knocked out
    int notch[kT] = {};
    const int dip = rng.Int(12, 36), half = rng.Int(5, 11), deep = rng.Int(2, 4) * 4;
    for (int t = 0; t < kT; ++t) {
        int in = half - std::abs(t - dip); // > 0 inside the stretch
        notch[t] = std::clamp((in + 6) / 3 * 4, 0, deep);
    }
    for (int k = 0; k < 2; ++k) {
        int at = rng.Int(4, 40), w = rng.Int(3, 6);
        for (int t = at; t < at + w && t < kT; ++t) notch[t] = std::max(notch[t], 4);
    }
    auto brokenAt = [&](int t, bool startJoined, bool endJoined) {
        // t runs 0..47 along the arm
        int drop = notch[std::clamp(t, 0, kT - 1)];
        if (startJoined && t < 6) drop = 0;
        if (endJoined && t >= kT - 6) drop = 0;
        if (!startJoined && t < 20) drop = std::max(drop, (20 - t) / kCourse * kCourse + kCourse / 2);
        if (!endJoined && t >= 28) drop = std::max(drop, (t - 28) / kCourse * kCourse + kCourse / 2);
        return std::max(kFull - drop, 3);
    };
    auto set = [&](int x, int y, int h) {
        if (x < 0 || x >= kT || y < 0 || y >= rows) return;
        int& cell = height[static_cast<size_t>(y) * kT + x];
        cell = std::max(cell, h);
    };
    const bool horizontal = e || w;
    const bool vertical = n || s;
    if (horizontal || !vertical) {
        int x0 = w ? 0 : kFootLeft, x1 = e ? kT : kFootRight;
        for (int x = x0; x < x1; ++x) {
            int h = brokenAt(x, w, e);
            // a wall that also turns north or south keeps its corner whole
            if (vertical && x >= kFootLeft - 2 && x < kFootRight + 2) h = kFull;
            for (int y = kFootTop; y < kFootBottom; ++y) set(x, y, h);
        }
    }
    if (vertical) {
        int y0 = n ? 0 : kFootTop, y1 = s ? kT + kFull + 1 : kFootBottom;
        for (int y = y0; y < y1; ++y) {
            // the rows that stand up into the cell above must keep the
            // height that cell expects of a wall running on into it
            int h = y >= kT || (n && y < kFull + 4) ? kFull : brokenAt(y, n, s || horizontal);
            if (horizontal && y >= kFootTop - 2) h = kFull;
            for (int x = kFootLeft; x < kFootRight; ++x) set(x, y, h);
        }
    }
    Canvas c(kT, kT);
    RaiseWall(c, height);
    // ivy and grass creeping up from the foot of the face
    Rng ivy(1320 + joins);
    for (int k = 0; k < 40; ++k) {
        int x = ivy.Int(3, kT - 5), y = ivy.Int(30, kT - 3); // clear of the borders
        if (!c.Painted(x, y) || c.Painted(x, y + 3)) continue; // only near the foot
        Color leaf = k % 3 ? pal::stone::kDarkGreen : pal::stone::kGreenGroundSheet;
        c.Set(x, y, leaf);
        if (c.Painted(x, y - 1)) c.Set(x, y - 1, Scale(leaf, 0.85f));
        if (c.Painted(x + 1, y)) c.Set(x + 1, y, Scale(leaf, 1.1f));
    }
    // fallen blocks at the foot of an end that crumbles
    auto blocks = [&](float cx, float cy) {
        for (int k = 0; k < 4; ++k) {
            float x = cx + ivy.Range(-6, 6), y = cy + ivy.Range(-2, 3);
            c.FillRect(static_cast<int>(x) - 3, static_cast<int>(y) - 2, 6, 4,
                       Scale(pal::stone::kWarmGreyStone, ivy.Range(0.8f, 1.0f)));
            c.FillRect(static_cast<int>(x) - 3, static_cast<int>(y) - 2, 6, 1,
                       pal::stone::kLightWarmGreyCap);
        }
    };
    if (horizontal && !vertical && !e) blocks(38, 44);
    if (horizontal && !vertical && !w) blocks(10, 44);
    if (!horizontal && n && !s) blocks(24, 45);
    c.OutlineRegion(0, 0, kT, kT, pal::stone::kBlack);
    return c;
}

// The lower part of a round pillar whose upper part has broken off: a
// square base, the shaft with its flutes lit from the left, a jagged break.
Canvas BrokenPillar() {
    Canvas c(kT, kT);
    // base: a square plinth seen a little from above
    c.FillRect(10, 36, 28, 9, Scale(pal::stone::kWarmGreyStone2, 0.85f));
    c.FillRect(10, 31, 28, 5, pal::stone::kLightWarmGreyCap);
    const float cx = 24, r = 9;
    for (int y = 4; y < 33; ++y)
        for (int x = 15; x < 34; ++x) {
            float u = (x + 0.5f - cx) / r;
            if (std::abs(u) > 1.0f) continue;
            // the break: a jagged line falling to the right
            float top = 6 + 7 * (u + 1) + 3 * std::sin(u * 9.0f);
            if (y < top) continue;
            float shade = 1.08f - 0.3f * (u + 1) * 0.5f;
            bool flute = static_cast<int>(std::floor((u + 1) * 4.0f)) % 2 == 1;
            c.Set(x, y, Scale(pal::stone::kWarmGreyStone2, shade * (flute ? 0.9f : 1.0f)));
        }
    // the broken surface, paler, along the top of the shaft
    for (int x = 15; x < 34; ++x) {
        float u = (x + 0.5f - cx) / r;
        if (std::abs(u) > 1.0f) continue;
        int top = static_cast<int>(std::ceil(6 + 7 * (u + 1) + 3 * std::sin(u * 9.0f)));
        for (int y = top; y < top + 2; ++y) c.Set(x, y, pal::stone::kLightDullTan);
    }
    // moss on the plinth and a crack down the shaft
    c.ThickLine(27, 18, 25, 26, 0.8f, pal::stone::kDarkWarmGreyRock);
    for (int x = 11; x < 20; x += 2) c.Set(x, 32, pal::stone::kGreenGroundSheet2);
    c.OutlineRegion(0, 0, kT, kT, pal::stone::kBlack);
    return c;
}

namespace {

// A column two cells long lying from left to right: a round drum seen from
// the side, its broken end on the left, its capital on the right.
Canvas FallenColumn() {
    static const Canvas column = [] {
        Canvas c(2 * kT, kT);
        const float cy = 30, r = 9;
        for (int x = 6; x < 84; ++x)
            for (int y = 16; y < 44; ++y) {
                float v = (y + 0.5f - cy) / r;
                if (std::abs(v) > 1.0f) continue;
                // the left end broke off: a jagged edge
                if (x < 10 + 3 * std::sin(v * 7.0f)) continue;
                float shade = 1.1f - 0.32f * (v + 1) * 0.5f;
                bool flute = static_cast<int>(std::floor((v + 1) * 4.0f)) % 2 == 1;
                c.Set(x, y, Scale(pal::stone::kWarmGreyStone2, shade * (flute ? 0.9f : 1.0f)));
            }
        // joints between the drums
        for (int x : {34, 60}) c.FillRect(x, 21, 1, 18, pal::stone::kDarkWarmGreyRock);
        // the capital: a wider block at the right end
        c.FillRect(82, 17, 9, 26, Scale(pal::stone::kWarmGreyStone2, 0.95f));
        c.FillRect(82, 17, 9, 3, pal::stone::kLightWarmGreyCap);
        c.FillRect(88, 17, 3, 26, Scale(pal::stone::kWarmGreyStone2, 0.75f));
        // grass grown over it here and there
        Rng rng(1340);
        for (int k = 0; k < 30; ++k) {
            int x = rng.Int(10, 80), y = rng.Int(36, 40);
            if (!c.Painted(x, y)) continue;
            c.Set(x, y, k % 2 ? pal::stone::kDarkGreen : pal::stone::kGreenGroundSheet);
            c.Set(x, y - 1, pal::stone::kDarkGreen);
        }
        c.OutlineRegion(0, 0, 2 * kT, kT, pal::stone::kBlack);
        return c;
    }();
    return column;
}

// A slab of the old floor, its corners in the cell.
struct Slab {
    int x0, y0, x1, y1;
};

} // namespace

Canvas FallenColumnPiece(int col) {
    return PieceOf(FallenColumn(), col, 0, kT);
}

// Cut blocks from a fallen wall, heaped, the larger ones at the bottom.
Canvas RuinRubble() {
    Canvas c(kT, kT);
    Rng rng(1350);
    struct Block {
        int x, y, w, h;
    };
    std::vector<Block> heap;
    for (int k = 0; k < 9; ++k) {
        int w = rng.Int(9, 14), h = rng.Int(6, 9);
        int lift = k < 4 ? 0 : (k < 7 ? 7 : 13);
        heap.push_back({rng.Int(6, kT - 6 - w), 40 - h - lift + rng.Int(-2, 2), w, h});
    }
    std::sort(heap.begin(), heap.end(), [](const Block& a, const Block& b) { return a.y < b.y; });
    for (const Block& b : heap) {
        float tone = rng.Range(0.8f, 1.05f);
        c.FillRect(b.x, b.y, b.w, b.h, Scale(pal::stone::kWarmGreyStone, tone * 0.85f));
        c.FillRect(b.x, b.y, b.w, 3, Scale(pal::stone::kLightWarmGreyCap, tone));
        c.FillRect(b.x + b.w - 2, b.y + 3, 2, b.h - 3, Scale(pal::stone::kWarmGreyStone, tone * 0.65f));
    }
    for (int k = 0; k < 12; ++k) {
        int x = rng.Int(5, kT - 6), y = rng.Int(36, 43);
        if (c.Painted(x, y)) c.Set(x, y, pal::stone::kDarkGreen);
    }
    c.OutlineRegion(0, 0, kT, kT, pal::stone::kBlack);
    return c;
}

Canvas OldFlagstones(int kind) {
    Canvas c(kT, kT);
    // Rows of slabs of uneven length, laid anew in every row; each row
    // and each slab stops short of the cell's border, so that the slabs of
    // neighbouring cells never meet in a straight seam and the grass grows
    // in the joints.
    Rng rng(1360 + 17 * kind);
    const int rowEnds[3][3] = {{0, 25, 48}, {0, 22, 48}, {0, 27, 48}};
    std::vector<Slab> slabs;
    for (int row = 0; row < 2; ++row) {
        int y0 = rowEnds[kind][row] + 1, y1 = rowEnds[kind][row + 1] - 1;
        int x = 1 + rng.Int(0, 1);
        for (int col = 0; x < kT - 8; ++col) {
            int w = rng.Int(15, 28);
            if (kT - 1 - (x + w) < 10) w = kT - 1 - x; // no sliver at the end of a row
            int x1 = std::min(x + w, kT - 1);
            bool keep = kind == 0 ? rng.Uniform() < 0.92f
                                  : (kind == 1 ? rng.Uniform() < 0.75f : rng.Uniform() < 0.4f);
            if (keep) slabs.push_back({x, y0, x1, y1});
            x = x1 + 2;
        }
    }
    if (kind == 2) // two slabs sunk crooked into the grass, the rest grown over
        slabs = {{5, 4, 25, 21}, {22, 27, 43, 44}};
    for (const Slab& s : slabs) {
        float tone = rng.Range(0.74f, 0.98f);
        Color base = rng.Uniform() < 0.3f ? pal::stone::kWarmGreyStone2 : pal::stone::kLightWarmGrey;
        // a slab sunk at one corner: that corner shaded
        int sunk = rng.Int(0, 3);
        int chip = rng.Int(1, 3);
        for (int y = s.y0; y < s.y1; ++y)
            for (int x = s.x0; x < s.x1; ++x) {
                // worn, chipped corners; the grass grows in
                int dx = std::min(x - s.x0, s.x1 - 1 - x), dy = std::min(y - s.y0, s.y1 - 1 - y);
                if (dx + dy < chip) continue;
                float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 7.0f, 1380 + kind, kT);
                float u = (x - s.x0) / static_cast<float>(s.x1 - s.x0), v = (y - s.y0) / static_cast<float>(s.y1 - s.y0);
                float tilt = 1.0f - 0.1f * ((sunk & 1 ? u : 1 - u) + (sunk & 2 ? v : 1 - v)) * 0.5f;
                Color col = Scale(base, tone * tilt * (0.9f + 0.15f * n));
                if (y == s.y0 || x == s.x0) col = Scale(col, 1.08f); // lit edges
                if (y == s.y1 - 1 || x == s.x1 - 1) col = Scale(col, 0.75f);
                if (kind > 0 && n > 0.64f) col = Mix(col, pal::stone::kGreenGroundSheet2, 0.5f);
                c.Set(x, y, col);
            }
    }
    if (kind == 1) {
        c.ThickLine(6, 20, 18, 27, 0.7f, pal::stone::kDarkWarmGreyFlagstoneAt);
        c.ThickLine(30, 37, 40, 44, 0.7f, pal::stone::kDarkWarmGreyFlagstoneAt);
    }
    return c;
}

} // namespace art
