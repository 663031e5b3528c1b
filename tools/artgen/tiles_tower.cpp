#include "tiles_tower.h"

#include "noise.h"
#include "palette.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kT = 48;
constexpr int kW = kTowerCols * kT, kH = kTowerRows * kT;
constexpr float kCx = kW / 2.0f;
constexpr float kShaftR = 58;     // radius of the shaft
constexpr float kRimR = 64;       // radius of the battlements, corbelled out
constexpr float kRimY = 34;       // centre of the top's ellipse
constexpr float kRimRy = 15;      // its half height: the top is seen from above
constexpr float kParapet = 26;    // height of the parapet under the merlons' feet
constexpr float kGround = kH - 5; // where the front of the foot meets the ground
constexpr float kFootRy = 12;

// A block of the round wall at angle u (-1 left edge .. 1 right edge) and
// height y, lit from the left: the blocks narrow towards the edges.
Color MasonryAt(float u, float y, float rowOffset) {
    int course = static_cast<int>(std::floor(y / 10.0f));
    float angle = std::asin(std::clamp(u, -1.0f, 1.0f));
    float a = angle / 0.32f + (course % 2) * 0.5f + rowOffset;
    int block = static_cast<int>(std::floor(a));
    Color stone = pal::stone::kWarmGreyStone;
    float shade = 1.12f - 0.42f * (u + 1.0f) * 0.5f; // light from the left
    shade *= 1.0f - 0.12f * u * u;                   // and the round edges turn away
    float inBlock = a - block;
    if (std::fmod(y, 10.0f) < 1.0f || inBlock < 0.06f) return Scale(stone, 0.55f * shade);
    float n = (Hash2(block, course, 1401) & 255) / 255.0f;
    float fine = FractalNoise(u * 60.0f, y, 5.0f, 1402);
    return Scale(stone, shade * (0.82f + 0.14f * n + 0.08f * fine));
}

// The front edge of an ellipse of half width rx, centre y cy, at x.
float FrontY(float x, float rx, float cy, float ry) {
    float u = (x - kCx) / rx;
    return cy + ry * std::sqrt(std::max(0.0f, 1.0f - u * u));
}
float BackY(float x, float rx, float cy, float ry) {
    float u = (x - kCx) / rx;
    return cy - ry * std::sqrt(std::max(0.0f, 1.0f - u * u));
}

// How much of the parapet is broken away at x: the right side fell.
float BrokenAt(float x) {
    float u = (x - kCx) / kRimR;
    if (u < 0.15f || u > 0.8f) return 0;
    float depth = 14.0f * std::sin((u - 0.15f) / 0.65f * 3.14159f);
    return depth + 3.0f * std::sin(x * 1.3f);
}

bool MerlonAt(float x, float rx) {
    float u = (x - kCx) / rx;
    float angle = std::asin(std::clamp(u, -1.0f, 1.0f));
    return static_cast<int>(std::floor(angle / 0.3f + 10.0f)) % 2 == 0;
}

void Shaft(Canvas& c) {
    float top = FrontY(kCx, kRimR, kRimY, kRimRy) + kParapet;
    for (int x = 0; x < kW; ++x) {
        float u = (x + 0.5f - kCx) / kShaftR;
        if (std::abs(u) > 1.0f) continue;
        float bottom = FrontY(x + 0.5f, kShaftR, kGround - kFootRy, kFootRy);
        for (int y = static_cast<int>(top) - 6; y < bottom; ++y) {
            // a wider plinth at the foot
            c.Set(x, y, MasonryAt(u, static_cast<float>(y), 0.0f));
        }
    }
    // the plinth sticks out a little and is darker
    for (int x = 0; x < kW; ++x) {
        float u = (x + 0.5f - kCx) / (kShaftR + 3);
        if (std::abs(u) > 1.0f) continue;
        float bottom = FrontY(x + 0.5f, kShaftR + 3, kGround - kFootRy, kFootRy);
        for (int y = static_cast<int>(bottom) - 14; y < bottom; ++y)
            c.Set(x, y, Scale(MasonryAt(u, y + 5.0f, 0.3f), 0.9f));
        c.Set(x, static_cast<int>(bottom) - 15, Scale(pal::stone::kLightWarmGreyCap, 1.0f - 0.3f * (u + 1) * 0.5f));
    }
}

void Battlements(Canvas& c) {
    // the floor inside the broken top, in shadow, and the inner face of the
    // far parapet with its merlons
    for (int x = 0; x < kW; ++x) {
        float u = (x + 0.5f - kCx) / kRimR;
        if (std::abs(u) > 1.0f) continue;
        float back = BackY(x + 0.5f, kRimR, kRimY, kRimRy);
        float front = FrontY(x + 0.5f, kRimR, kRimY, kRimRy);
        float merlon = MerlonAt(x + 0.5f, kRimR) ? 12.0f : 4.0f;
        for (int y = static_cast<int>(back - merlon); y < front; ++y) {
            float inner = BackY(x + 0.5f, kRimR - 7, kRimY, kRimRy - 4);
            Color col;
            if (y < back) // the far merlons: their inner face, lit from the left
                col = Scale(MasonryAt(-u, static_cast<float>(y), 0.2f), 0.8f);
            else if (y < inner + 2 || std::abs(u) > 0.9f)
                col = Scale(pal::stone::kLightWarmGreyCap, 0.95f - 0.2f * (u + 1) * 0.5f);
            else
                col = Mix(pal::stone::kDarkWarmGrey, pal::stone::kDarkRust, 0.3f);
            c.Set(x, y, col);
        }
    }
    // the near parapet: merlons and crenels along the front rim, corbelled
    // out over the shaft, broken away on the right
    for (int x = 0; x < kW; ++x) {
        float u = (x + 0.5f - kCx) / kRimR;
        if (std::abs(u) > 1.0f) continue;
        float front = FrontY(x + 0.5f, kRimR, kRimY, kRimRy);
        float rise = (MerlonAt(x + 0.5f, kRimR) ? 12.0f : 4.0f) - BrokenAt(x + 0.5f);
        int top = static_cast<int>(front - rise);
        int bottom = static_cast<int>(front + kParapet);
        for (int y = top; y < bottom; ++y) c.Set(x, y, MasonryAt(u, static_cast<float>(y), 0.5f));
        // the walkway's edge on top of the parapet catches the light
        for (int y = top; y < top + 3 && y < bottom; ++y)
            c.Set(x, y, Scale(pal::stone::kLightWarmGreyCap, 1.02f - 0.25f * (u + 1) * 0.5f));
        // corbels: a row of small shadowed brackets under the parapet
        bool corbel = static_cast<int>(std::floor(x / 9.0f)) % 2 == 0;
        if (corbel && std::abs(u) < 0.97f)
            for (int y = bottom; y < bottom + 5; ++y)
                c.Set(x, y, Scale(MasonryAt(u, static_cast<float>(y), 0.5f), 0.7f));
        c.Set(x, bottom - 1, Scale(pal::stone::kDarkWarmGrey, 1.0f));
    }
    // fallen stones of the broken merlons lying on the walkway
    Rng rng(1410);
    for (int k = 0; k < 6; ++k) {
        float x = rng.Range(kCx + 14, kCx + 46), y = rng.Range(kRimY - 2, kRimY + 8);
        c.FillRect(static_cast<int>(x), static_cast<int>(y), 5, 3, Scale(pal::stone::kWarmGreyStone, 0.8f));
    }
}

void ArrowSlit(Canvas& c, int x, int y, int h) {
    c.FillRect(x - 3, y - 2, 7, h + 4, pal::stone::kLightDullTan);
    c.FillRect(x - 1, y, 3, h, pal::stone::kBlack);
    c.FillRect(x - 2, y + h / 2 - 1, 5, 2, pal::stone::kBlack); // the cross for a crossbow
}

void Door(Canvas& c) {
    const int left = 56, right = 88, bottom = static_cast<int>(kGround) - 2, top = bottom - 78;
    const float archY = top + 14.0f;
    auto inside = [&](float x, float y) {
        if (x < left || x >= right) return false;
        return y >= archY || SdEllipse({x, y}, {kCx, archY}, (right - left) / 2.0f, 14.0f) <= 0;
    };
    for (int y = top - 8; y < bottom; ++y)
        for (int x = left - 8; x < right + 8; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            if (inside(px, py)) {
                bool plank = (x - left) % 7 < 5;
                Color wood = plank ? pal::stone::kDarkRustWallPiece2 : pal::stone::kDeepRust;
                c.Set(x, y, Scale(wood, 1.05f - 0.2f * (x - left) / (right - left)));
            } else if (inside(px - 6, py) || inside(px + 6, py) || inside(px, py + 7) ||
                       inside(px - 5, py + 5) || inside(px + 5, py + 5)) {
                // the arch of cut stones round the door, lit from the left
                int stone = static_cast<int>(std::atan2(py - archY, px - kCx) * 4.0f + 20.0f);
                Color frame = Scale(pal::stone::kLightDullTan, x < kCx ? 1.0f : 0.85f);
                if (py < archY && stone % 2 == 0) frame = Scale(frame, 0.9f);
                c.Set(x, y, frame);
            }
        }
    for (int y : {bottom - 58, bottom - 24}) c.FillRect(left + 2, y, right - left - 4, 3, pal::stone::kDarkGrey);
    c.FillCircle(right - 7.0f, bottom - 38.0f, 2.0f, pal::stone::kTan);
    c.FillRect(left - 4, bottom, right - left + 8, 4, pal::stone::kWarmGrey); // the step
}

void Ivy(Canvas& c) {
    Rng rng(1420);
    // climbing the shaded right side from the ground
    for (int k = 0; k < 420; ++k) {
        float t = rng.Uniform();
        float x = kCx + 30 + rng.Range(0, 26) - 12 * t;
        float y = kGround - 4 - t * t * 150 - rng.Range(0, 10);
        int ix = static_cast<int>(x), iy = static_cast<int>(y);
        if (!c.Painted(ix, iy)) continue;
        Color leaf = k % 3 == 0 ? pal::stone::kGreenGroundSheet : pal::stone::kDarkGreen;
        c.Set(ix, iy, leaf);
        if (c.Painted(ix + 1, iy)) c.Set(ix + 1, iy, Scale(leaf, 0.8f));
        if (k % 2 && c.Painted(ix, iy + 1)) c.Set(ix, iy + 1, Scale(leaf, 0.7f));
    }
}

Canvas Tower() {
    static const Canvas tower = [] {
        Canvas c(kW, kH);
        Shaft(c);
        Battlements(c);
        ArrowSlit(c, static_cast<int>(kCx), 96, 18);
        ArrowSlit(c, static_cast<int>(kCx) - 34, 150, 16);
        ArrowSlit(c, static_cast<int>(kCx) + 28, 124, 16);
        Door(c);
        Ivy(c);
        // a crack down from the broken battlements
        c.ThickLine(kCx + 30, 62, kCx + 26, 84, 1.0f, pal::stone::kDarkWarmGreyRock);
        c.ThickLine(kCx + 26, 84, kCx + 31, 104, 1.0f, pal::stone::kDarkWarmGreyRock);
        c.OutlineRegion(0, 0, kW, kH, pal::stone::kBlack);
        return c;
    }();
    return tower;
}

} // namespace

Canvas TowerPiece(int col, int row) {
    return PieceOf(Tower(), col, row, kT);
}

} // namespace art
