// Hit pictures, arrows and spell effects: strips of 96 x 96 frames in one
// row, and the 48 x 48 spell projectiles. Glows are intensity fields painted
// through colour ramps (dark rim, bright core); solid things such as arrows
// and teeth are outlined pieces.
#include "combat.h"
#include "palette.h"
#include "glow.h"
#include "parts.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art::combat {

namespace {

constexpr int kCell = 96;
constexpr float kPi = 3.14159265f;

using Field = std::function<float(float, float)>;

// ------------------------------------------------------------------ colour ramps

const Ramp kFire{{{0.0f, pal::fx::kDeepRed3},
                  {0.15f, pal::fx::kDarkRed2},
                  {0.38f, pal::fx::kRust2},
                  {0.62f, pal::fx::kTan2},
                  {0.85f, pal::fx::kLightGold2},
                  {1.0f, pal::fx::kPaleGold2}}};
const Ramp kPoison{{{0.0f, pal::fx::kPoisonDeep},
                    {0.3f, pal::fx::kPoisonDark},
                    {0.62f, pal::fx::kPoisonMid},
                    {0.85f, pal::fx::kPoisonLight},
                    {1.0f, pal::fx::kPoisonPale}}};
const Ramp kSmoke{{{0.0f, pal::fx::kDeepGrey}, {1.0f, pal::fx::kWarmGrey}}};
const Ramp kShadow{{{0.0f, pal::fx::kDeepViolet2},
                    {0.3f, pal::fx::kDarkViolet2},
                    {0.6f, pal::fx::kViolet},
                    {0.85f, pal::fx::kLightViolet},
                    {1.0f, pal::fx::kPalePurple}}};
const Ramp kIce{{{0.0f, pal::fx::kDarkBlue},
                 {0.3f, pal::fx::kBlue2},
                 {0.62f, pal::fx::kLightSky},
                 {1.0f, pal::fx::kPaleSky2}}};
const Ramp kSteel{{{0.0f, pal::fx::kDarkDullBlue},
                   {0.3f, pal::fx::kDullBlue},
                   {0.65f, pal::fx::kPaleBlue2},
                   {1.0f, pal::fx::kWhite2}}};
const Ramp kBlueSteel{{{0.0f, pal::fx::kDarkBlue2},
                       {0.3f, pal::fx::kBlue3},
                       {0.65f, pal::fx::kPaleBlue},
                       {1.0f, pal::fx::kWhite}}};
const Ramp kBlood{{{0.0f, pal::fx::kDeepRed2},
                   {0.4f, pal::fx::kRed},
                   {0.75f, pal::fx::kRed2},
                   {1.0f, pal::fx::kPaleSalmon}}};
const Ramp kSpirit{{{0.0f, pal::fx::kDarkBlue3},
                    {0.4f, pal::fx::kBlue4},
                    {0.75f, pal::fx::kPaleSky},
                    {1.0f, pal::fx::kPaleSky3}}};
const Ramp kGold{{{0.0f, pal::fx::kDeepOchre},
                  {0.35f, pal::fx::kOlive},
                  {0.7f, pal::fx::kLightGold},
                  {1.0f, pal::fx::kPaleGold3}}};
const Ramp kSpark{{{0.0f, pal::fx::kDarkRust}, {0.4f, pal::fx::kTan}, {1.0f, pal::fx::kPaleGold}}};
const Ramp kDust{{{0.0f, pal::fx::kDarkDullBrown}, {1.0f, pal::fx::kDullTan}}};

// ------------------------------------------------------------------ fields

float Glow(float x, float y, Vec2 c, float r, float power = 1.0f) {
    float d = std::hypot(x - c.x, y - c.y) / r;
    if (d >= 1.0f) return 0.0f;
    return std::pow(1.0f - d, power);
}

// A tapering streak along a polyline: every point has a radius and a
// brightness; the intensity falls off from the centre line to the rim.
struct StreakPt {
    Vec2 p;
    float r, bright;
};

float Streak(float x, float y, const std::vector<StreakPt>& pts) {
    float best = 0;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const StreakPt &a = pts[i], &b = pts[i + 1];
        float bx = b.p.x - a.p.x, by = b.p.y - a.p.y;
        float len2 = bx * bx + by * by;
        float t =
            len2 > 0 ? std::clamp(((x - a.p.x) * bx + (y - a.p.y) * by) / len2, 0.f, 1.f) : 0.0f;
        float r = a.r + (b.r - a.r) * t;
        if (r <= 0.05f) continue;
        float d = std::hypot(x - a.p.x - bx * t, y - a.p.y - by * t) / r;
        if (d >= 1.0f) continue;
        float v = (a.bright + (b.bright - a.bright) * t) * (1.0f - d * d);
        best = std::max(best, v);
    }
    return best;
}

// Points of an arc from angle a0 to a1 (radians), shown between the
// fractions `tail` and `head` of its length: a crescent thickest shortly
// behind the head.
std::vector<StreakPt> ArcStreak(Vec2 c, float rad, float a0, float a1, float tail, float head,
                                float width, float bright) {
    std::vector<StreakPt> pts;
    const int n = 40;
    for (int i = 0; i <= n; ++i) {
        float f = tail + (head - tail) * i / n;
        float a = a0 + (a1 - a0) * f;
        float u = static_cast<float>(i) / n; // 0 at the tail, 1 at the head
        float shape = u < 0.8f ? std::pow(u / 0.8f, 1.3f) : (1.0f - u) / 0.2f * 0.8f + 0.2f;
        if (i == n) shape = 0.05f;
        pts.push_back({{c.x + rad * std::cos(a), c.y + rad * std::sin(a)},
                       width * shape,
                       bright * (0.55f + 0.45f * u)});
    }
    return pts;
}

// The same crescent along a quadratic curve from a through the pull of m to b.
std::vector<StreakPt> CurveStreak(Vec2 a, Vec2 m, Vec2 b, float tail, float head, float width,
                                  float bright) {
    std::vector<StreakPt> pts;
    const int n = 30;
    for (int i = 0; i <= n; ++i) {
        float f = tail + (head - tail) * i / n;
        float u = static_cast<float>(i) / n;
        Vec2 p = Mid(Mid(a, m, f), Mid(m, b, f), f);
        float shape = u < 0.8f ? std::pow(u / 0.8f, 1.1f) : (1.0f - u) / 0.2f * 0.8f + 0.2f;
        if (i == n) shape = 0.05f;
        pts.push_back({p, width * shape, bright * (0.55f + 0.45f * u)});
    }
    return pts;
}

std::vector<StreakPt> LineStreak(Vec2 from, Vec2 to, float width, float bright, bool pointed) {
    std::vector<StreakPt> pts;
    const int n = 16;
    for (int i = 0; i <= n; ++i) {
        float u = static_cast<float>(i) / n;
        float shape = pointed ? (u < 0.85f ? 0.25f + 0.75f * u / 0.85f : (1.0f - u) / 0.15f)
                              : std::sin(u * kPi) * 0.9f + 0.1f;
        pts.push_back(
            {Mid(from, to, u), std::max(0.0f, width * shape), bright * (0.5f + 0.5f * u)});
    }
    return pts;
}

// A four- (or more-) pointed star of light.
float Star(float x, float y, Vec2 c, float r, int points, float rot, float thin = 0.18f) {
    float dx = x - c.x, dy = y - c.y;
    float d = std::hypot(dx, dy);
    if (d >= r) return 0.0f;
    float a = std::atan2(dy, dx) - rot;
    float ray = std::pow(std::fabs(std::cos(a * points * 0.5f)), 6.0f);
    float reach = thin + (1.0f - thin) * ray;
    float v = 1.0f - d / (r * reach);
    return std::clamp(v, 0.0f, 1.0f);
}

// A noisy ball of fire (or of anything) of radius r; `age` 0 fresh .. 1 burnt out.
float Blast(float x, float y, Vec2 c, float r, float age, uint32_t seed) {
    float d = std::hypot(x - c.x, y - c.y);
    float n = FractalNoise(x + seed % 97, y + seed % 89, 9.0f, seed);
    float edge = r * (0.78f + 0.4f * n);
    if (d >= edge) return 0.0f;
    float core = 1.0f - d / edge;
    float v = std::pow(core, 0.55f + age) * (1.15f - age * 0.75f);
    v *= 0.75f + 0.5f * n;
    // burnt holes open up as it ages
    if (age > 0.45f) v -= (age - 0.45f) * 1.4f * (1.0f - n);
    return std::clamp(v, 0.0f, 1.0f);
}

// Sparks flying out from c: short streaks at distance `dist`.
void Sparks(Canvas& cv, int ox, Vec2 c, int count, float dist, float len, float width,
            const Ramp& ramp, uint32_t seed) {
    Rng rng(seed);
    std::vector<std::vector<StreakPt>> all;
    for (int k = 0; k < count; ++k) {
        float a = rng.Range(0.0f, 2.0f * kPi);
        float dd = dist * rng.Range(0.7f, 1.15f);
        Vec2 dir{std::cos(a), std::sin(a)};
        Vec2 from{c.x + dir.x * dd, c.y + dir.y * dd};
        Vec2 to{from.x + dir.x * len, from.y + dir.y * len};
        all.push_back(LineStreak(from, to, width, 1.0f, true));
    }
    PaintField(
        cv, ox, 0, kCell, kCell,
        [&](float x, float y) {
            float v = 0;
            for (const auto& s : all) v = std::max(v, Streak(x, y, s));
            return v;
        },
        ramp, 0.05f);
}

Canvas NewStrip(int frames) {
    return Canvas(kCell * frames, kCell);
}

Pixmap Done(const Canvas& c) {
    return c.ToPixmap(kMaskWhite);
}

// ------------------------------------------------------------------ slashes

struct ArcShape {
    Vec2 c;
    float r, a0, a1, width;
};

// A five-frame slash: the arc sweeps in, then thins and dissolves.
Pixmap Slash(const ArcShape& s, const Ramp& ramp, uint32_t seed) {
    Canvas cv = NewStrip(5);
    const float head[5] = {0.4f, 0.78f, 1.0f, 1.0f, 1.0f};
    const float tail[5] = {0.0f, 0.0f, 0.12f, 0.42f, 0.72f};
    const float bright[5] = {0.9f, 1.0f, 1.0f, 0.85f, 0.7f};
    const float wide[5] = {0.7f, 1.0f, 1.0f, 0.8f, 0.6f};
    for (int f = 0; f < 5; ++f) {
        int ox = f * kCell;
        auto main = ArcStreak(s.c, s.r, s.a0, s.a1, tail[f], head[f], s.width * wide[f], bright[f]);
        // a thin echo just inside the main arc
        auto echo = ArcStreak(s.c, s.r - s.width * 1.3f, s.a0, s.a1, tail[f] * 0.9f,
                              head[f] * 0.92f, s.width * 0.35f * wide[f], 0.75f * bright[f]);
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) { return std::max(Streak(x, y, main), Streak(x, y, echo)); },
            ramp, 0.06f);
        if (f >= 1 && f <= 3) {
            float a = s.a0 + (s.a1 - s.a0) * head[f];
            Vec2 tip{s.c.x + s.r * std::cos(a), s.c.y + s.r * std::sin(a)};
            Sparks(cv, ox, tip, 4 + f, 3.0f + 3.0f * f, 4.0f, 1.1f, ramp, seed + f);
        }
        if (f == 4) DitherAway(cv, ox, 0, kCell, kCell, 0.3f);
    }
    return Done(cv);
}

// ------------------------------------------------------------------ enemy attacks

// Upper and lower rows of teeth closing, then bleeding marks.
Pixmap Bite() {
    Canvas cv = NewStrip(4);
    const Color tooth = pal::fx::kPaleTanTooth;
    auto jaw = [&](int ox, float y, bool upper, float spread) {
        PartList L;
        L.Begin(1);
        for (int k = -2; k <= 2; ++k) {
            float x = 48.0f + k * 8.0f * spread;
            float yy = y + 0.12f * (k * 8.0f) * (k * 8.0f) * 0.08f * (upper ? -1.0f : 1.0f);
            float len = (std::abs(k) == 1 ? 11.0f : 8.0f);
            float dir = upper ? 1.0f : -1.0f;
            L.Add(Poly({{x - 3.2f, yy}, {x + 3.2f, yy}, {x, yy + dir * len}}, 0.4f), tooth);
        }
        Canvas tmp(kCell, kCell);
        RenderParts(L.Parts(), tmp, 0, 0, kCell, kCell);
        cv.BlitRegion(tmp, 0, 0, kCell, kCell, ox, 0);
    };
    // frame 0: the jaws open
    jaw(0, 24.0f, true, 1.0f);
    jaw(0, 72.0f, false, 1.0f);
    // frame 1: they snap together with a red flash
    PaintField(
        cv, kCell, 0, kCell, kCell,
        [](float x, float y) {
            return std::max(Star(x, y, {48, 48}, 30.0f, 8, 0.3f, 0.25f),
                            Glow(x, y, {48, 48}, 12.0f));
        },
        kBlood, 0.1f);
    jaw(kCell, 36.0f, true, 0.9f);
    jaw(kCell, 60.0f, false, 0.9f);
    // frames 2 and 3: two arcs of punctures and three torn streaks
    for (int f = 2; f < 4; ++f) {
        float fade = f == 2 ? 1.0f : 0.7f;
        std::vector<std::vector<StreakPt>> tears;
        for (int k = 0; k < 3; ++k) {
            Vec2 a{26.0f + k * 12.0f, 26.0f + k * 2.0f}, b{40.0f + k * 12.0f, 70.0f - k * 2.0f};
            tears.push_back(LineStreak(a, b, 3.4f * fade, fade, false));
        }
        std::vector<Vec2> holes;
        for (int k = -2; k <= 2; ++k) {
            holes.push_back({48.0f + k * 8.0f, 38.0f - 0.2f * k * k});
            holes.push_back({48.0f + k * 8.0f, 58.0f + 0.2f * k * k});
        }
        PaintField(
            cv, f * kCell, 0, kCell, kCell,
            [&](float x, float y) {
                float v = 0.0f;
                for (const auto& t : tears) v = std::max(v, Streak(x, y, t));
                for (Vec2 h : holes) v = std::max(v, fade * Glow(x, y, h, 4.5f, 0.6f));
                return v;
            },
            kBlood, 0.1f);
        if (f == 3) DitherAway(cv, f * kCell, 0, kCell, kCell, 0.25f);
    }
    return Done(cv);
}

// Three pale blue claw streaks raking down.
Pixmap SpiritClaw() {
    Canvas cv = NewStrip(4);
    const float head[4] = {0.45f, 1.0f, 1.0f, 1.0f};
    const float tail[4] = {0.0f, 0.0f, 0.25f, 0.6f};
    for (int f = 0; f < 4; ++f) {
        std::vector<std::vector<StreakPt>> claws;
        for (int k = 0; k < 3; ++k) {
            Vec2 a{62.0f + k * 10.0f, 14.0f + k * 3.0f}, b{22.0f + k * 10.0f, 74.0f + k * 3.0f};
            claws.push_back(CurveStreak(a, {48.0f + k * 10.0f, 50.0f + k * 3.0f}, b, tail[f],
                                        head[f], f == 3 ? 2.4f : 3.8f, f == 3 ? 0.8f : 1.0f));
        }
        PaintField(
            cv, f * kCell, 0, kCell, kCell,
            [&](float x, float y) {
                float v = 0.0f;
                for (const auto& c : claws) v = std::max(v, Streak(x, y, c));
                return v;
            },
            kSpirit, 0.06f);
        if (f >= 1) {
            Rng rng(600u + f);
            for (int k = 0; k < 6; ++k) {
                Vec2 p{rng.Range(20.0f, 76.0f), rng.Range(18.0f, 78.0f)};
                PaintField(
                    cv, f * kCell, 0, kCell, kCell,
                    [&](float x, float y) { return Star(x, y, p, 5.0f, 4, 0.0f); }, kSpirit, 0.1f);
            }
        }
        if (f == 3) DitherAway(cv, f * kCell, 0, kCell, kCell, 0.3f);
    }
    return Done(cv);
}

// An impact star with puffs of dust; `ring` adds a shock ring.
Pixmap Impact(int frames, const Ramp& core, const Ramp* ring, uint32_t seed) {
    Canvas cv = NewStrip(frames);
    for (int f = 0; f < frames; ++f) {
        float t = static_cast<float>(f) / (frames - 1);
        int ox = f * kCell;
        // dust puffs, growing and drifting outwards
        Rng rng(seed);
        std::vector<Vec2> puffs;
        std::vector<float> sizes;
        for (int k = 0; k < 7; ++k) {
            float a = rng.Range(0.0f, 2.0f * kPi);
            float d = 10.0f + 24.0f * t * rng.Range(0.7f, 1.2f);
            puffs.push_back({48.0f + std::cos(a) * d, 52.0f + std::sin(a) * d * 0.6f});
            sizes.push_back(rng.Range(6.0f, 10.0f) * (0.6f + 0.7f * t));
        }
        if (f >= 1)
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    float v = 0;
                    for (size_t k = 0; k < puffs.size(); ++k)
                        v = std::max(v, Glow(x, y, puffs[k], sizes[k], 0.7f) *
                                            (0.5f + 0.5f * FractalNoise(x, y, 4.0f, seed + 9)));
                    return v * (1.0f - 0.35f * t);
                },
                kDust, 0.12f);
        if (ring && f >= 1) {
            float rr = 14.0f + 26.0f * t;
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    float d = std::hypot(x - 48.0f, (y - 50.0f) * 1.25f);
                    float v = 1.0f - std::fabs(d - rr) / (3.0f - 1.2f * t);
                    float n = FractalNoise(x, y, 5.0f, seed + 3);
                    return std::clamp(v, 0.0f, 1.0f) * (1.0f - 0.5f * t) * (0.5f + 0.7f * n);
                },
                *ring, 0.15f);
        }
        float size = f == 0 ? 20.0f : (f == 1 ? 30.0f : (f == 2 ? 24.0f : 14.0f));
        float bright = f >= 3 ? 0.7f : 1.0f;
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                return bright * std::max(Star(x, y, {48, 50}, size, 8, 0.2f + 0.3f * f, 0.3f),
                                         Glow(x, y, {48, 50}, size * 0.45f));
            },
            core, 0.08f);
        if (f >= 1 && f <= 2)
            Sparks(cv, ox, {48, 50}, 8, 10.0f + 10.0f * f, 6.0f, 1.3f, kSpark, seed + 31 + f);
        if (f == frames - 1) DitherAway(cv, ox, 0, kCell, kCell, 0.3f);
    }
    return Done(cv);
}

// ------------------------------------------------------------------ player weapons

// A heavy, nearly straight chop from the upper right with chips flying.
Pixmap AxeChop() {
    Canvas cv = NewStrip(5);
    const float head[5] = {0.45f, 1.0f, 1.0f, 1.0f, 1.0f};
    const float tail[5] = {0.0f, 0.0f, 0.2f, 0.5f, 0.75f};
    for (int f = 0; f < 5; ++f) {
        int ox = f * kCell;
        auto main = ArcStreak({-30.0f, -20.0f}, 118.0f, 0.22f, 1.05f, tail[f], head[f],
                              f >= 3 ? 5.0f : 7.5f, f == 4 ? 0.75f : 1.0f);
        PaintField(
            cv, ox, 0, kCell, kCell, [&](float x, float y) { return Streak(x, y, main); }, kSteel,
            0.06f);
        if (f >= 1 && f <= 3) {
            Vec2 hit{-30.0f + 118.0f * std::cos(0.22f + 0.83f * 0.78f),
                     -20.0f + 118.0f * std::sin(0.22f + 0.83f * 0.78f)};
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    return (f == 1 ? 1.0f : 0.7f) * Star(x, y, hit, 16.0f + 3.0f * f, 6, 0.4f);
                },
                kSpark, 0.1f);
            Sparks(cv, ox, hit, 7, 6.0f + 7.0f * f, 5.0f, 1.4f, kSpark, 700u + f);
        }
        if (f == 4) DitherAway(cv, ox, 0, kCell, kCell, 0.3f);
    }
    return Done(cv);
}

// A straight thrust from the lower left with speed lines and a flash at the point.
Pixmap SpearThrust() {
    Canvas cv = NewStrip(5);
    const Vec2 from{8.0f, 70.0f}, dir{0.83f, -0.56f};
    const float reach[5] = {0.45f, 0.85f, 1.0f, 1.0f, 1.0f};
    const float start[5] = {0.0f, 0.1f, 0.3f, 0.6f, 0.8f};
    const float len = 80.0f;
    for (int f = 0; f < 5; ++f) {
        int ox = f * kCell;
        Vec2 tip{from.x + dir.x * len * reach[f], from.y + dir.y * len * reach[f]};
        Vec2 back{from.x + dir.x * len * start[f], from.y + dir.y * len * start[f]};
        auto main = LineStreak(back, tip, 5.0f, 1.0f, true);
        std::vector<std::vector<StreakPt>> lines;
        for (int k = -1; k <= 1; k += 2) {
            Vec2 n{-dir.y * 7.0f * k, dir.x * 7.0f * k};
            lines.push_back(LineStreak({back.x + n.x, back.y + n.y},
                                       {Mid(back, tip, 0.7f).x + n.x, Mid(back, tip, 0.7f).y + n.y},
                                       1.4f, 0.7f, true));
        }
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                float v = Streak(x, y, main);
                for (const auto& l : lines) v = std::max(v, Streak(x, y, l));
                return v;
            },
            kSteel, 0.06f);
        if (f >= 2 && f <= 3)
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    return (f == 2 ? 1.0f : 0.7f) * Star(x, y, tip, 15.0f, 4, 0.6f);
                },
                kSpark, 0.1f);
        if (f == 4) DitherAway(cv, ox, 0, kCell, kCell, 0.35f);
    }
    return Done(cv);
}

// Three quick little stabs at different places.
Pixmap DaggerStabs() {
    Canvas cv = NewStrip(4);
    const Vec2 at[3] = {{36, 38}, {60, 50}, {42, 62}};
    const Vec2 dir[3] = {{0.7f, 0.7f}, {-0.8f, 0.6f}, {0.9f, -0.4f}};
    for (int f = 0; f < 4; ++f) {
        int ox = f * kCell;
        std::vector<std::vector<StreakPt>> stabs;
        std::vector<std::pair<Vec2, float>> stars;
        for (int k = 0; k < 3; ++k) {
            int age = f - k; // 0 fresh, 1 fading
            if (age < 0 || age > 1) continue;
            Vec2 tip = at[k];
            Vec2 back{tip.x - dir[k].x * 28.0f, tip.y - dir[k].y * 28.0f};
            stabs.push_back(
                LineStreak(age == 0 ? back : Mid(back, tip, 0.5f), tip, 4.6f, 1.0f, true));
            stars.push_back({tip, age == 0 ? 14.0f : 8.0f});
        }
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                float v = 0;
                for (const auto& s : stabs) v = std::max(v, Streak(x, y, s));
                for (const auto& s : stars) v = std::max(v, Star(x, y, s.first, s.second, 4, 0.3f));
                return v;
            },
            kSteel, 0.06f);
        if (f == 3) DitherAway(cv, ox, 0, kCell, kCell, 0.25f);
    }
    return Done(cv);
}

// ------------------------------------------------------------------ arrows

void AddArrow(PartList& L, Vec2 tail, Vec2 tip, bool withHead) {
    float len = std::hypot(tip.x - tail.x, tip.y - tail.y);
    Vec2 d{(tip.x - tail.x) / len, (tip.y - tail.y) / len}, n{-d.y, d.x};
    auto at = [&](float u, float side) {
        return Vec2{tail.x + d.x * u + n.x * side, tail.y + d.y * u + n.y * side};
    };
    Paint wood = [](Vec2 p) {
        return Scale(pal::fx::kBrown, 1.0f + 0.06f * std::sin(p.x * 1.7f + p.y * 1.3f));
    };
    L.Begin(1);
    // fletching: two red vanes and a pale one
    for (int e = -1; e <= 1; e += 2)
        L.Add(Poly({at(0.0f, 0.0f), at(-1.5f, e * 3.6f), at(9.0f, e * 3.0f), at(11.0f, 0.0f)}),
              pal::fx::kRedArrow);
    L.Add(Capsule(at(-1.0f, 0.0f), at(10.0f, 0.0f), 0.8f, 0.8f), pal::fx::kPaleTan);
    float shaftEnd = withHead ? len - 7.0f : len;
    L.Add(Capsule(at(0.0f, 0.0f), at(shaftEnd, 0.0f), 1.1f, 1.1f), wood);
    if (withHead)
        L.Add(
            Poly({at(len - 8.0f, 3.0f), at(len, 0.0f), at(len - 8.0f, -3.0f), at(len - 6.5f, 0.0f)},
                 0.3f),
            pal::fx::kLightCoolGrey);
}

Vec2 DirVec(int d) {
    switch (d) {
    case 0:
        return {0, -1};
    case 1:
        return {1, 0};
    case 2:
        return {0, 1};
    default:
        return {-1, 0};
    }
}

// In flight: frames 0..3 point up, right, down, left.
Pixmap ArrowFlight() {
    Canvas cv = NewStrip(4);
    for (int f = 0; f < 4; ++f) {
        Vec2 d = DirVec(f);
        PartList L;
        AddArrow(L, {48.0f - d.x * 21.0f, 48.0f - d.y * 21.0f},
                 {48.0f + d.x * 21.0f, 48.0f + d.y * 21.0f}, true);
        RenderParts(L.Parts(), cv, f * kCell, 0, kCell, kCell);
    }
    return Done(cv);
}

// Stuck: the arrow's head is buried where it struck; a small burst round it.
Pixmap ArrowImpact() {
    Canvas cv = NewStrip(4);
    for (int f = 0; f < 4; ++f) {
        Vec2 d = DirVec(f);
        int ox = f * kCell;
        Vec2 hit{48.0f, 48.0f};
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                return std::max(Star(x, y, hit, 16.0f, 6, 0.3f), 0.8f * Glow(x, y, hit, 8.0f));
            },
            kBlood, 0.1f);
        Sparks(cv, ox, hit, 6, 9.0f, 4.0f, 1.2f, kSpark, 800u + f);
        // slightly askew, as an arrow sticks
        Vec2 tail{hit.x - d.x * 24.0f + d.y * 3.0f, hit.y - d.y * 24.0f + d.x * 3.0f};
        PartList L;
        AddArrow(L, tail, hit, false);
        Canvas tmp(kCell, kCell);
        RenderParts(L.Parts(), tmp, 0, 0, kCell, kCell);
        cv.BlitRegion(tmp, 0, 0, kCell, kCell, ox, 0);
    }
    return Done(cv);
}

// ------------------------------------------------------------------ spells

// A fiery explosion over six frames; `size` is the greatest radius.
Pixmap Explosion(float size, uint32_t seed, const Ramp& flame = kFire) {
    Canvas cv = NewStrip(6);
    const float grow[6] = {0.3f, 0.58f, 0.8f, 0.93f, 1.0f, 1.04f};
    const float age[6] = {0.0f, 0.08f, 0.2f, 0.42f, 0.62f, 0.85f};
    for (int f = 0; f < 6; ++f) {
        int ox = f * kCell;
        Vec2 c{48, 50};
        float r = size * grow[f];
        if (f >= 2)
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    float n = FractalNoise(x, y, 7.0f, seed + 5);
                    float d = std::hypot(x - c.x, y - (c.y - 4.0f * f)) / (r * 1.05f);
                    return std::clamp((1.0f - d) * 1.6f, 0.0f, 1.0f) * (0.4f + 0.7f * n) *
                           (f == 5 ? 0.8f : 1.0f);
                },
                kSmoke, 0.25f);
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) { return Blast(x, y, c, r, age[f], seed + 11u * f); }, flame,
            0.06f);
        if (f >= 1 && f <= 4) Sparks(cv, ox, c, 9, r * 0.95f, 5.0f, 1.3f, flame, seed + 40u + f);
        if (f == 5) DitherAway(cv, ox, 0, kCell, kCell, 0.45f);
        if (f == 4) DitherAway(cv, ox, 0, kCell, kCell, 0.15f);
    }
    return Done(cv);
}

// A purple-black burst: a dark core, a ring of violet light and forked bolts.
Pixmap ShadowBurst() {
    Canvas cv = NewStrip(6);
    const float grow[6] = {0.3f, 0.55f, 0.78f, 0.92f, 1.0f, 1.05f};
    for (int f = 0; f < 6; ++f) {
        int ox = f * kCell;
        Vec2 c{48, 50};
        float r = 36.0f * grow[f];
        float fade = f <= 2 ? 1.0f : 1.0f - 0.22f * (f - 2);
        // forked bolts
        Rng rng(900u + f);
        std::vector<std::vector<StreakPt>> bolts;
        int count = f == 0 ? 3 : 6;
        for (int k = 0; k < count; ++k) {
            float a = rng.Range(0.0f, 2.0f * kPi);
            std::vector<StreakPt> b;
            Vec2 p = c;
            for (int s = 0; s <= 5; ++s) {
                float rr = r * 1.15f * s / 5.0f;
                float ja = a + rng.Range(-0.35f, 0.35f);
                p = {c.x + std::cos(ja) * rr, c.y + std::sin(ja) * rr};
                b.push_back({p, 2.2f * fade * (1.0f - 0.12f * s), fade});
            }
            bolts.push_back(b);
        }
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                float d = std::hypot(x - c.x, y - c.y);
                float n = FractalNoise(x, y, 6.0f, 333u + f);
                float ring = 1.0f - std::fabs(d - r * 0.8f) / (r * 0.35f + 2.0f);
                float v = std::clamp(ring, 0.0f, 1.0f) * (0.6f + 0.6f * n) * fade;
                for (const auto& b : bolts) v = std::max(v, Streak(x, y, b));
                return v;
            },
            kShadow, 0.08f);
        // the dark heart, over everything
        float core = r * (f < 3 ? 0.55f : 0.55f - 0.1f * (f - 2));
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                float d = std::hypot(x + 0.5f - c.x, y + 0.5f - c.y);
                float n = FractalNoise(static_cast<float>(x), static_cast<float>(y), 5.0f, 77u + f);
                if (d < core * (0.8f + 0.4f * n))
                    cv.Set(ox + x, y,
                           Mix(pal::fx::kDeepVioletShadowBurst, pal::fx::kDarkViolet,
                               std::clamp(d / core, 0.f, 1.f)));
            }
        if (f >= 4) DitherAway(cv, ox, 0, kCell, kCell, f == 4 ? 0.2f : 0.45f);
    }
    return Done(cv);
}

// Golden-green sparkles rising round the healed figure.
Pixmap Healing() {
    Canvas cv = NewStrip(6);
    Rng rng(1234u);
    struct Mote {
        float x, y, speed, size, phase;
    };
    std::vector<Mote> motes;
    for (int k = 0; k < 14; ++k)
        motes.push_back({rng.Range(18.0f, 78.0f), rng.Range(60.0f, 92.0f), rng.Range(7.0f, 12.0f),
                         rng.Range(6.0f, 11.0f), rng.Range(0.0f, 6.28f)});
    for (int f = 0; f < 6; ++f) {
        int ox = f * kCell;
        float t = static_cast<float>(f);
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                float v = 0;
                // a soft ring at the feet in the first frames
                if (f <= 2) {
                    float d = std::hypot((x - 48.0f) / 1.0f, (y - 80.0f) * 2.6f);
                    float rr = 18.0f + 7.0f * t;
                    float n = FractalNoise(x, y, 4.0f, 91u + f);
                    v = std::clamp(1.0f - std::fabs(d - rr) / 3.5f, 0.0f, 1.0f) *
                        (0.9f - 0.25f * t) * (0.4f + 0.8f * n);
                }
                for (const Mote& m : motes) {
                    float my = m.y - m.speed * t;
                    if (my < 4.0f) continue;
                    float mx = m.x + 3.0f * std::sin(m.phase + t * 0.9f);
                    float tw = 0.7f + 0.3f * std::sin(m.phase * 3.0f + t * 2.0f);
                    float s = m.size * (f >= 4 ? 0.75f : 1.0f);
                    v = std::max(v, tw * std::max(Star(x, y, {mx, my}, s, 4, 0.0f, 0.12f),
                                                  Glow(x, y, {mx, my}, s * 0.4f)));
                }
                return v;
            },
            kGold, 0.08f);
        if (f == 5) DitherAway(cv, ox, 0, kCell, kCell, 0.3f);
    }
    return Done(cv);
}

// Ice shards bursting out of a frosty cloud.
Pixmap IceShards() {
    Canvas cv = NewStrip(5);
    const float reach[5] = {0.35f, 0.75f, 1.0f, 1.0f, 1.0f};
    Rng rng(4321u);
    struct Shard {
        float a, len, w;
    };
    std::vector<Shard> shards;
    for (int k = 0; k < 9; ++k)
        shards.push_back({k * 2.0f * kPi / 9.0f + rng.Range(-0.2f, 0.2f), rng.Range(24.0f, 38.0f),
                          rng.Range(4.0f, 6.5f)});
    const Color iceLight = pal::fx::kPaleSkyIceLight, iceMid = pal::fx::kLightSkyIceMid,
                iceDark = pal::fx::kSkyIceDark;
    for (int f = 0; f < 5; ++f) {
        int ox = f * kCell;
        Vec2 c{48, 50};
        // frost mist
        PaintField(
            cv, ox, 0, kCell, kCell,
            [&](float x, float y) {
                float n = FractalNoise(x, y, 6.0f, 55u + f);
                return Glow(x, y, c, 30.0f + 8.0f * f, 0.8f) * std::max(0.0f, n - 0.45f) * 3.0f *
                       (f >= 3 ? 0.7f : 1.0f);
            },
            kIce, 0.2f);
        PartList L;
        L.Begin(1);
        for (size_t k = 0; k < shards.size(); ++k) {
            const Shard& s = shards[k];
            Vec2 d{std::cos(s.a), std::sin(s.a)}, n{-d.y, d.x};
            float len = s.len * reach[f];
            // broken shards drift apart in the last frames
            float drift = f >= 3 ? (f - 2) * 6.0f : 0.0f;
            Vec2 base{c.x + d.x * (4.0f + drift), c.y + d.y * (4.0f + drift)};
            Vec2 tip{base.x + d.x * len, base.y + d.y * len};
            float w = s.w * (f == 4 ? 0.7f : 1.0f);
            Vec2 mid{base.x + d.x * len * 0.35f, base.y + d.y * len * 0.35f};
            Vec2 l{mid.x + n.x * w, mid.y + n.y * w}, r{mid.x - n.x * w, mid.y - n.y * w};
            // two facets: a lit one and a shaded one
            L.Add(Poly({base, l, tip}), iceLight, false);
            L.Add(Poly({base, tip, r}), (k % 2) ? iceMid : iceDark, false);
        }
        Canvas tmp(kCell, kCell);
        RenderParts(L.Parts(), tmp, 0, 0, kCell, kCell);
        if (f >= 3) DitherAway(tmp, 0, 0, kCell, kCell, f == 3 ? 0.15f : 0.4f);
        cv.BlitRegion(tmp, 0, 0, kCell, kCell, ox, 0);
        if (f >= 1)
            PaintField(
                cv, ox, 0, kCell, kCell,
                [&](float x, float y) {
                    return (f == 1 ? 1.0f : 0.8f) * Star(x, y, c, 14.0f + 2.0f * f, 4, 0.78f);
                },
                kIce, 0.1f);
    }
    return Done(cv);
}

// A projectile of 48 x 48: a glowing ball with a swirling halo.
Pixmap Orb(const Ramp& ramp, float radius, uint32_t seed, bool darkHeart) {
    Canvas cv(48, 48);
    Vec2 c{24, 24};
    PaintField(
        cv, 0, 0, 48, 48,
        [&](float x, float y) {
            float dx = x - c.x, dy = y - c.y;
            float d = std::hypot(dx, dy);
            float a = std::atan2(dy, dx);
            // flame tongues swirling round the ball
            float swirl = 0.5f + 0.5f * std::sin(a * 5.0f + d * 0.45f);
            float n = FractalNoise(x, y, 5.0f, seed);
            float edge = radius * (0.78f + 0.22f * swirl + 0.2f * (n - 0.5f));
            if (d >= edge) return 0.0f;
            return std::pow(1.0f - d / edge, 0.6f) * (0.85f + 0.3f * n);
        },
        ramp, 0.06f);
    if (darkHeart) {
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                float d = std::hypot(x + 0.5f - c.x, y + 0.5f - c.y);
                if (d < radius * 0.32f)
                    cv.Set(
                        x, y,
                        Mix(pal::fx::kDeepViolet, pal::fx::kDarkVioletOrb, d / (radius * 0.32f)));
            }
        // a bright rim glint
        PaintField(
            cv, 0, 0, 48, 48,
            [&](float x, float y) {
                return Star(x, y, {c.x - 4.0f, c.y - 5.0f}, 7.0f, 4, 0.0f);
            },
            ramp, 0.2f);
    }
    Rim(cv, 0, 0, 48, 48, Darker(ramp.At(0.0f), 0.4f));
    return cv.ToPixmap(kMaskWhite);
}

} // namespace

void MakeEffectImages(const PictureSink& sink) {
    const std::string dir = "Grafik/Kampfanimationen/";
    // enemy attacks
    sink(dir + "Biss_anim1.png", Bite());
    sink(dir + "Geisterklaue_anim1.png", SpiritClaw());
    sink(dir + "Klingenhieb_anim1.png",
         Slash({{40.0f, 62.0f}, 36.0f, -2.6f, 0.5f, 6.5f}, kSteel, 100u));
    sink(dir + "Klingenhieb_anim2.png",
         Slash({{56.0f, 62.0f}, 36.0f, -0.55f, -3.65f, 6.5f}, kSteel, 110u));
    sink(dir + "Keulenschlag_anim1.png", Impact(4, kSpark, nullptr, 120u));
    // player weapons
    sink(dir + "Schwerthieb_anim1.png",
         Slash({{48.0f, 22.0f}, 38.0f, 2.75f, 0.35f, 7.5f}, kBlueSteel, 130u));
    sink(dir + "Schwerthieb_anim2.png",
         Slash({{26.0f, 30.0f}, 44.0f, -0.3f, 1.95f, 7.5f}, kBlueSteel, 140u));
    sink(dir + "Axthieb_anim1.png", AxeChop());
    sink(dir + "Speerstich_anim1.png", SpearThrust());
    sink(dir + "Wuchtschlag_anim1.png", Impact(4, kSteel, &kDust, 150u));
    sink(dir + "Dolchstich_anim1.png", DaggerStabs());
    // arrows
    sink(dir + "Pfeile_schuss.png", ArrowFlight());
    sink(dir + "Pfeile_anim.png", ArrowImpact());
    // enemy spells
    sink(dir + "Feuerpfeil_anim.png", Explosion(30.0f, 210u));
    sink(dir + "Feuerpfeil_schuss.png", Orb(kFire, 15.0f, 220u, false));
    sink(dir + "Schattenblitz_anim.png", ShadowBurst());
    sink(dir + "Schattenblitz_schuss.png", Orb(kShadow, 17.0f, 230u, true));
    // player spells
    sink(dir + "Feuerball_anim.png", Explosion(44.0f, 240u));
    sink(dir + "Feuerball_schuss.png", Orb(kFire, 20.0f, 250u, false));
    sink(dir + "Heilung_anim.png", Healing());
    sink(dir + "Eisstoss_anim.png", IceShards());
    sink(dir + "Giftpfeil_anim.png", Explosion(34.0f, 260u, kPoison));
    sink(dir + "Giftpfeil_schuss.png", Orb(kPoison, 15.0f, 270u, false));
}

} // namespace art::combat
