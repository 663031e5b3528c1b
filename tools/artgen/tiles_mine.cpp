#include "tiles_mine.h"

#include "noise.h"
#include "palette.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int kT = 48;
constexpr int kFaceW = 3 * kT, kFaceH = 2 * kT;
// The opening and the rails into it, in outcrop pixels; the cart's rails
// below the opening (OreCart) continue the same two lines.
constexpr int kOpenL = 52, kOpenR = 92, kOpenTop = 46;
constexpr int kRailL = 62, kRailR = 82;

// Stone of the outcrop: warm grey, mottled, in layers that dip a little to
// the right, lit from the top left.
Color RockAt(float x, float y) {
    float n = FractalNoise(x, y, 14.0f, 1201);
    float fine = FractalNoise(x, y, 4.0f, 1202);
    float light = ((72.0f - x) * 0.35f + (30.0f - y) * 0.9f) / 60.0f;
    Color c = Scale(pal::stone::kWarmGreyBase, 0.8f + 0.25f * std::clamp(light, -1.0f, 1.0f) +
                                                   0.18f * n + 0.06f * fine);
    float band = std::sin((y + x * 0.12f) * 0.42f + 2.0f * n);
    if (band > 0.93f) c = Scale(c, 0.78f); // a seam between two layers
    return c;
}

float OutcropSdf(float x, float y) {
    static const std::vector<Vec2> outline = {
        {2, 97},   {1, 62},   {6, 40},   {17, 24},  {33, 13},  {54, 7},   {76, 5},
        {98, 9},   {118, 17}, {132, 31}, {140, 52}, {143, 74}, {143, 97}};
    float wobble = 2.2f * std::sin(x * 0.37f) * std::sin(y * 0.29f + 1.3f);
    return SdPolygon({x, y}, outline) - 1.0f + (y < 80 ? wobble : 0.0f);
}

Canvas Outcrop() {
    Canvas c(kFaceW, kFaceH);
    c.FillSdf(0, 0, kFaceW, kFaceH, OutcropSdf, RockAt);
    // cracks running down from the top
    const Vec2 cracks[][3] = {{{30, 20}, {26, 34}, {29, 50}},
                              {{108, 16}, {112, 30}, {107, 44}},
                              {{20, 60}, {24, 74}, {18, 90}},
                              {{122, 58}, {118, 72}, {124, 88}}};
    for (const auto& k : cracks) {
        c.ThickLine(k[0].x, k[0].y, k[1].x, k[1].y, 1.2f, pal::stone::kDarkWarmGreyRock);
        c.ThickLine(k[1].x, k[1].y, k[2].x, k[2].y, 1.2f, pal::stone::kDarkWarmGreyRock);
    }
    // moss and grass hanging over the top edge: the forest floor grows over
    // the rock
    Rng rng(1210);
    for (int k = 0; k < 260; ++k) {
        int x = rng.Int(4, kFaceW - 5), y = rng.Int(2, 40);
        if (!c.Painted(x, y) || OutcropSdf(static_cast<float>(x), static_cast<float>(y)) < -7.0f)
            continue;
        Color g = rng.Uniform() < 0.5f ? pal::stone::kGreenGroundSheet : pal::stone::kDarkGreen;
        c.Set(x, y, g);
        if (c.Painted(x, y + 1)) c.Set(x, y + 1, Scale(g, 0.8f));
    }
    // the foot of the rock sits in its own shadow
    for (int y = kFaceH - 7; y < kFaceH; ++y)
        for (int x = 0; x < kFaceW; ++x)
            if (c.Painted(x, y)) c.Set(x, y, Scale(c.Get(x, y), 0.93f - 0.02f * (y - kFaceH + 7)));
    return c;
}

void Timber(Canvas& c, int x, int y, int w, int h, Color wood) {
    c.FillRect(x, y, w, h, wood);
    // the lit left (or top) face and a few grain lines
    if (w < h) {
        c.FillRect(x, y, 2, h, Scale(wood, 1.2f));
        c.FillRect(x + w - 2, y, 2, h, Scale(wood, 0.7f));
        for (int gy = y + 5; gy < y + h; gy += 9) c.FillRect(x + 3, gy, w - 5, 1, Scale(wood, 0.85f));
    } else {
        c.FillRect(x, y, w, 2, Scale(wood, 1.2f));
        c.FillRect(x, y + h - 2, w, 2, Scale(wood, 0.7f));
        for (int gx = x + 6; gx < x + w; gx += 11) c.FillRect(gx, y + 3, 1, h - 5, Scale(wood, 0.85f));
    }
}

void Opening(Canvas& c) {
    // darkness inside, deeper towards the back
    c.VGradient(kOpenL, kOpenTop, kOpenR - kOpenL, kFaceH - kOpenTop, pal::stone::kBlack,
                Scale(pal::stone::kDeepRust, 0.75f));
    // the rails run in and fade into the dark
    for (int y = kOpenTop + 6; y < kFaceH; ++y) {
        float t = static_cast<float>(y - kOpenTop - 6) / (kFaceH - kOpenTop - 6);
        int half = static_cast<int>(std::lround(4 + (kRailR - kRailL) / 2.0f * t));
        int mid = (kRailL + kRailR) / 2;
        Color iron = Mix(pal::stone::kBlack, pal::metal::kIron, 0.25f + 0.75f * t);
        c.Set(mid - half, y, iron);
        c.Set(mid + half, y, iron);
        if ((kFaceH - y) % 7 == 3)
            c.FillRect(mid - half - 2, y, 2 * half + 5, 2,
                       Mix(pal::stone::kBlack, pal::wood::kDarkRustTrunk, 0.3f + 0.7f * t));
    }
    // the frame: two posts and the lintel over them, its ends standing out
    Timber(c, kOpenL - 7, kOpenTop - 2, 8, kFaceH - kOpenTop + 2, pal::wood::kDarkRustTrunk2);
    Timber(c, kOpenR - 1, kOpenTop - 2, 8, kFaceH - kOpenTop + 2, pal::wood::kDarkRustTrunk2);
    Timber(c, kOpenL - 12, kOpenTop - 10, kOpenR - kOpenL + 24, 9, pal::wood::kDarkRustTrunk);
    for (int x : {kOpenL - 10, kOpenR + 8}) {
        c.FillCircle(static_cast<float>(x), kOpenTop - 5.5f, 3.6f, pal::wood::kBrownStump);
        c.StrokeCircle(static_cast<float>(x), kOpenTop - 5.5f, 1.6f, 0.8f,
                       pal::wood::kDarkRustStump);
    }
    // a lantern hooked to the lintel, unlit
    c.ThickLine(kOpenR - 8.0f, kOpenTop - 1.0f, kOpenR - 8.0f, kOpenTop + 4.0f, 1.0f,
                pal::metal::kIronDark);
    c.FillRect(kOpenR - 11, kOpenTop + 4, 7, 8, pal::metal::kIronDark);
    c.FillRect(kOpenR - 10, kOpenTop + 6, 5, 4, pal::stone::kTan);
}

Canvas MineFace() {
    static const Canvas face = [] {
        Canvas c = Outcrop();
        Opening(c);
        c.OutlineRegion(0, 0, kFaceW, kFaceH, pal::stone::kBlack);
        return c;
    }();
    return face;
}

} // namespace

Canvas MineFacePiece(int col, int row) {
    return PieceOf(MineFace(), col, row, kT);
}

// Broken rock from the tunnels, dumped beside the opening: a low mound of
// stones of every size, the larger ones on top.
Canvas SpoilHeap() {
    Canvas c(kT, kT);
    Rng rng(1230);
    struct Stone {
        float x, y, r;
        Color col;
    };
    std::vector<Stone> stones;
    for (int k = 0; k < 46; ++k) {
        float a = rng.Range(0, 6.2831853f), d = std::sqrt(rng.Uniform());
        float x = 24 + std::cos(a) * d * 19.0f, y = 33 + std::sin(a) * d * 10.0f;
        float height = 1.0f - d; // stones near the middle lie higher up
        float tone = rng.Range(0.75f, 1.1f);
        Color col = rng.Uniform() < 0.2f ? pal::stone::kDarkRustGroundSheet
                                         : Scale(pal::stone::kWarmGreyBase, tone);
        stones.push_back({x, y - 9.0f * height, rng.Range(2.0f, 3.2f + 2.0f * height), col});
    }
    std::sort(stones.begin(), stones.end(), [](const Stone& a, const Stone& b) { return a.y < b.y; });
    for (const Stone& s : stones) c.ShadedEllipse(s.x, s.y, s.r, s.r * 0.8f, s.col, 0.5f);
    c.OutlineRegion(0, 0, kT, kT, pal::stone::kBlack);
    return c;
}

// A wooden ore cart on the rails out of the mine, heaped with ore: grey
// lumps with rusty streaks.
Canvas OreCart() {
    Canvas c(kT, kT);
    const int railL = kRailL - kT, railR = kRailR - kT; // in this cell
    for (int y = 0; y < 44; y += 7)
        c.FillRect(railL - 5, y + 2, railR - railL + 11, 3, pal::wood::kDarkRustTrunk);
    for (int x : {railL, railR}) {
        c.FillRect(x - 1, 0, 3, 44, pal::metal::kIronDark);
        c.FillRect(x - 1, 0, 1, 44, pal::metal::kIron);
    }
    // a stop beam across the end of the track
    Timber(c, railL - 6, 42, railR - railL + 13, 5, pal::wood::kDarkRustTrunk2);
    // wheels, the body and its iron bands
    for (int x : {railL, railR}) c.FillCircle(static_cast<float>(x), 35.0f, 4.2f, pal::wood::kDarkGrey);
    c.FillPolygon({{7, 15}, {41, 15}, {38, 37}, {10, 37}}, pal::wood::kBrownCrateAt);
    for (int y = 21; y < 37; y += 5) c.FillRect(9, y, 30, 1, pal::wood::kDarkRustCrateAt);
    c.FillRect(7, 15, 34, 3, pal::metal::kIronDark);
    c.FillRect(7, 15, 34, 1, pal::metal::kIron);
    for (int x : {11, 35}) c.FillRect(x, 18, 3, 19, pal::metal::kIronDark);
    // the ore heaped over the rim
    Rng rng(1240);
    for (int k = 0; k < 22; ++k) {
        float x = rng.Range(11, 37), y = rng.Range(8, 16);
        float r = rng.Range(2.2f, 3.8f);
        Color lump = rng.Uniform() < 0.35f ? pal::metal::kRust : Scale(pal::stone::kWarmGrey, rng.Range(0.8f, 1.1f));
        c.ShadedEllipse(x, y, r, r * 0.85f, lump, 0.5f);
    }
    c.OutlineRegion(0, 0, kT, kT, pal::stone::kBlack);
    return c;
}

} // namespace art
