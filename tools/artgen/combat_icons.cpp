// Icons of 40 x 40 for the weapons and spells, drawn on the hotkey bar and
// in the selection box: the object alone on the white mask, outlined.
#include "combat.h"
#include "palette.h"
#include "glow.h"
#include "parts.h"

#include <cmath>

namespace art::combat {

namespace {

constexpr int kSize = 40;

Paint SteelAlong(Vec2 a, Vec2 b) {
    // a bright edge along one side of the blade
    return [=](Vec2 p) {
        float dx = b.x - a.x, dy = b.y - a.y;
        float side = ((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
        return side < 0 ? pal::metal::kPaleBlue : pal::metal::kLightDullBlue;
    };
}

Paint Wood(Color c) {
    return [c](Vec2 p) { return Scale(c, 1.0f + 0.08f * std::sin((p.x + p.y) * 1.6f)); };
}

Pixmap Render(PartList& L) {
    Canvas cv(kSize, kSize);
    RenderParts(L.Parts(), cv, 0, 0, kSize, kSize);
    return cv.ToPixmap(kMaskWhite);
}

// The broadsword's icon has the wider blade and the iron guard.
Pixmap Sword(bool broad) {
    PartList L;
    Vec2 tip{35, 5}, guard{13, 27};
    const float half = broad ? 2.7f : 1.8f;
    const Color fitting = broad ? pal::metal::kIron : pal::metal::kTanLongsword;
    L.Begin(1)
        .Add(Capsule({5, 35}, {11, 29}, 1.8f, 1.8f), Wood(pal::wood::kDarkRustLongsword))
        .Add(Circle({4.5f, 35.5f}, 2.4f), fitting)
        .Add(Poly({{guard.x - half, guard.y - half},
                   {tip.x - 1.0f, tip.y + 3.0f},
                   tip,
                   {tip.x - 3.0f, tip.y + 1.0f},
                   {guard.x + half, guard.y + half}}),
             SteelAlong(guard, tip))
        .Add(Capsule({8, 22}, {18, 32}, 1.6f, 1.6f), fitting);
    return Render(L);
}

Pixmap BattleAxe() {
    PartList L;
    L.Begin(1)
        .Add(Capsule({7, 36}, {29, 6}, 1.7f, 1.7f), Wood(pal::wood::kDarkRustBattleAxe))
        .Add(Poly({{22, 9}, {35, 4}, {38, 15}, {35, 25}, {26, 19}}, 0.5f),
             [](Vec2 p) {
                 return p.x > 33.5f ? pal::metal::kPaleCoolGrey : pal::metal::kLightCoolGrey;
             })
        .Add(Poly({{24, 13}, {17, 8}, {16, 14}}, 0.4f), pal::metal::kCoolGreyBattleAxe)
        .Add(Circle({28.5f, 7.0f}, 1.8f), pal::metal::kCoolGrey);
    return Render(L);
}

Pixmap Spear() {
    PartList L;
    L.Begin(1)
        .Add(Capsule({4, 36}, {28, 12}, 1.4f, 1.4f), Wood(pal::wood::kRustSpear))
        .Add(Poly({{26, 9}, {37, 3}, {31, 14}}, 0.6f), SteelAlong({27, 13}, {37, 3}))
        .Add(Capsule({24.5f, 12.5f}, {27.5f, 15.5f}, 1.6f, 1.6f), pal::metal::kDarkBrown);
    return Render(L);
}

Pixmap Mace() {
    PartList L;
    L.Begin(1).Add(Capsule({7, 36}, {24, 16}, 1.7f, 1.7f), Wood(pal::wood::kDarkRustMace));
    L.Begin(2);
    Vec2 h{27, 12};
    for (int k = 0; k < 8; ++k) {
        float a = k * 3.14159f / 4.0f;
        Vec2 d{std::cos(a), std::sin(a)};
        L.Add(Poly({{h.x + d.x * 4.0f - d.y * 2.2f, h.y + d.y * 4.0f + d.x * 2.2f},
                    {h.x + d.x * 10.0f, h.y + d.y * 10.0f},
                    {h.x + d.x * 4.0f + d.y * 2.2f, h.y + d.y * 4.0f - d.x * 2.2f}}),
              pal::metal::kLightCoolGrey);
    }
    L.Add(Circle(h, 6.0f), pal::metal::kLightDullBlueMace)
        .Add(Circle({h.x - 2.0f, h.y - 2.0f}, 1.6f), pal::metal::kPaleCoolGreyMace, false);
    L.Begin(3).Add(Capsule({6, 37}, {8.5f, 34.5f}, 2.3f, 2.3f), pal::metal::kDarkRust);
    return Render(L);
}

Pixmap Dagger() {
    PartList L;
    Vec2 guard{16, 24}, tip{34, 6};
    L.Begin(1)
        .Add(Capsule({8, 32}, {14, 26}, 2.0f, 2.0f), Wood(pal::wood::kDeepRustDagger))
        .Add(Circle({7, 33}, 2.3f), pal::metal::kTan)
        .Add(Poly({{guard.x - 2.6f, guard.y - 2.6f}, tip, {guard.x + 2.6f, guard.y + 2.6f}}),
             SteelAlong(guard, tip))
        .Add(Capsule({11, 19}, {21, 29}, 1.5f, 1.5f), pal::metal::kTan);
    return Render(L);
}

Pixmap HuntingBow() {
    PartList L;
    std::vector<Vec2> limb;
    for (int i = 0; i <= 12; ++i) {
        float t = -1.0f + 2.0f * i / 12.0f;
        // the bow lies diagonally, bent towards the upper left
        Vec2 along{20.0f + t * 15.0f, 20.0f - t * 15.0f};
        float bulge = 8.0f * (1.0f - t * t);
        along.x -= bulge * 0.707f;
        along.y -= bulge * 0.707f;
        limb.push_back(along);
    }
    L.Begin(1, false).Add(Capsule(limb.front(), limb.back(), 0.5f, 0.5f), pal::wood::kPaleSand,
                          false);
    L.Begin(2)
        .Add(Stroke({limb.begin(), limb.begin() + 7}, 1.1f, 2.0f), Wood(pal::wood::kRust))
        .Add(Stroke({limb.begin() + 6, limb.end()}, 2.0f, 1.1f), Wood(pal::wood::kRust))
        .Add(Capsule({limb[5].x, limb[5].y}, {limb[7].x, limb[7].y}, 2.5f, 2.5f),
             pal::wood::kDarkRustHuntingBow);
    return Render(L);
}

// Where an emblem is painted: `scale` picture pixels per icon pixel, the
// icon's top left corner at (ox, oy).
struct Place {
    Canvas& cv;
    int ox, oy;
    float scale;
};

void FieldEmblem(const Place& at, const std::function<float(float, float)>& field, const Ramp& ramp,
                 Color rim) {
    // painted alone first, so that the rim rings the emblem only
    Canvas own(at.cv.Width(), at.cv.Height());
    const float ox = static_cast<float>(at.ox), oy = static_cast<float>(at.oy), s = at.scale;
    PaintField(
        own, 0, 0, own.Width(), own.Height(),
        [&](float x, float y) { return field((x - ox) / s, (y - oy) / s); }, ramp, 0.06f);
    Rim(own, 0, 0, own.Width(), own.Height(), rim);
    at.cv.Blit(own, 0, 0);
}

void PartsEmblem(const Place& at, PartList& L) {
    int size = static_cast<int>(std::ceil(kSize * at.scale));
    RenderParts(L.Parts(), at.cv, RenderArea{at.ox, at.oy, size, size, at.scale}, kCombatShading);
}

float IconGlow(float x, float y, Vec2 c, float r) {
    float d = std::hypot(x - c.x, y - c.y) / r;
    return d >= 1.0f ? 0.0f : 1.0f - d;
}

void FireballIcon(const Place& at) {
    const Ramp fire{{{0.0f, pal::fx::kDarkRed},
                     {0.3f, pal::fx::kRust},
                     {0.65f, pal::fx::kTanFireballIcon},
                     {1.0f, pal::fx::kPaleGoldFireballIcon}}};
    FieldEmblem(
        at,
        [](float x, float y) {
            // a ball with flames trailing to the upper right
            float ball = IconGlow(x, y, {16, 24}, 12.5f);
            float n = FractalNoise(x, y, 3.0f, 31u);
            const Vec2 tongue[3] = {{25, 15}, {30, 10}, {34, 6}};
            const float size[3] = {8.5f, 6.0f, 3.8f};
            float tail = 0;
            for (int k = 0; k < 3; ++k) tail = std::max(tail, IconGlow(x, y, tongue[k], size[k]));
            return std::max(std::pow(ball, 0.6f), std::pow(tail, 0.8f) * (0.45f + 0.6f * n));
        },
        fire, pal::fx::kDeepRed);
}

void PoisonIcon(const Place& at) {
    const Ramp venom{{{0.0f, pal::fx::kPoisonDeep},
                      {0.35f, pal::fx::kPoisonDark},
                      {0.7f, pal::fx::kPoisonMid},
                      {1.0f, pal::fx::kPoisonPale}}};
    FieldEmblem(
        at,
        [](float x, float y) {
            // a drop of venom flying to the upper right, a trail of droplets
            float drop = IconGlow(x, y, {24, 17}, 10.5f);
            float n = FractalNoise(x, y, 3.0f, 47u);
            const Vec2 trail[3] = {{14, 27}, {9, 32}, {5, 36}};
            const float size[3] = {6.5f, 4.5f, 3.0f};
            float tail = 0;
            for (int k = 0; k < 3; ++k) tail = std::max(tail, IconGlow(x, y, trail[k], size[k]));
            return std::max(std::pow(drop, 0.6f), std::pow(tail, 0.8f) * (0.5f + 0.5f * n));
        },
        venom, pal::fx::kPoisonDeep);
}

void HealingIcon(const Place& at) {
    const Ramp gold{{{0.0f, pal::fx::kDarkOlive},
                     {0.35f, pal::fx::kGreen},
                     {0.7f, pal::fx::kLightGoldHealingIcon},
                     {1.0f, pal::fx::kPaleGoldHealingIcon}}};
    FieldEmblem(
        at,
        [](float x, float y) {
            // a glowing cross with a few sparkles
            float dx = std::fabs(x - 20.0f), dy = std::fabs(y - 21.0f);
            float bar = std::max(1.0f - std::max(dx / 5.0f, dy / 15.0f),
                                 1.0f - std::max(dx / 15.0f, dy / 5.0f));
            float v = std::clamp(bar * 2.5f, 0.0f, 1.0f);
            const Vec2 sp[3] = {{7, 7}, {33, 9}, {32, 33}};
            for (Vec2 s : sp) {
                float sx = std::fabs(x - s.x), sy = std::fabs(y - s.y);
                float star = 1.0f - (std::min(sx, sy) * 1.6f + std::max(sx, sy) * 0.28f);
                v = std::max(v, star);
            }
            return v;
        },
        gold, pal::fx::kDeepOlive);
}

void IceIcon(const Place& at) {
    PartList L;
    L.Begin(1);
    const Color light = pal::fx::kPaleSkyLight, mid = pal::fx::kLightSkyMid, dark = pal::fx::kSky;
    const float angles[5] = {-1.57f, -0.35f, 0.9f, 2.2f, 3.45f};
    const float lens[5] = {17.0f, 14.0f, 12.0f, 12.0f, 14.0f};
    Vec2 c{20, 22};
    for (int k = 0; k < 5; ++k) {
        Vec2 d{std::cos(angles[k]), std::sin(angles[k])}, n{-d.y, d.x};
        Vec2 tip{c.x + d.x * lens[k], c.y + d.y * lens[k]};
        Vec2 mid2{c.x + d.x * lens[k] * 0.4f, c.y + d.y * lens[k] * 0.4f};
        L.Add(Poly({c, {mid2.x + n.x * 3.6f, mid2.y + n.y * 3.6f}, tip}), light);
        L.Add(Poly({c, tip, {mid2.x - n.x * 3.6f, mid2.y - n.y * 3.6f}}), k % 2 ? mid : dark);
    }
    PartsEmblem(at, L);
}

void SpiritWolfIcon(const Place& at) {
    PartList L;
    const Color fur = pal::fx::kLightSkyFur, pale = pal::fx::kPaleSkyPale,
                deep = pal::fx::kBlueDeep;
    L.Begin(1);
    for (int e = -1; e <= 1; e += 2)
        L.Add(
            Poly({{20.0f + e * 13.0f, 16.0f}, {20.0f + e * 12.0f, 2.0f}, {20.0f + e * 4.0f, 9.0f}}),
            deep);
    L.Add(Oval({20, 26}, 15.0f, 9.0f), pale)
        .Add(Oval({20, 19}, 11.5f, 10.5f), fur)
        .Add(Oval({20, 28}, 6.0f, 6.5f), pale);
    L.Begin(2, false);
    for (int e = -1; e <= 1; e += 2) {
        L.Add(
            Poly(
                {{20.0f + e * 10.5f, 13.0f}, {20.0f + e * 10.5f, 5.0f}, {20.0f + e * 5.5f, 10.5f}}),
            pal::fx::kLightBlue, false);
        L.Add(Oval({20.0f + e * 5.0f, 20.0f}, 2.0f, 1.4f), pal::fx::kPaleSkySpiritWolfIcon, false);
        L.Add(Oval({20.0f + e * 5.0f, 20.0f}, 0.8f, 1.2f), pal::fx::kBlue, false);
    }
    L.Add(Oval({20, 32}, 3.0f, 2.1f), pal::fx::kBlueSpiritWolfIcon, false);
    PartsEmblem(at, L);
}

Pixmap SpellIcon(SpellEmblem e) {
    Canvas cv(kSize, kSize);
    PaintSpellEmblem(e, cv, 0, 0, 1.0f);
    return cv.ToPixmap(kMaskWhite);
}

} // namespace

void PaintSpellEmblem(SpellEmblem e, Canvas& cv, int ox, int oy, float scale) {
    const Place at{cv, ox, oy, scale};
    switch (e) {
    case SpellEmblem::Fireball:
        FireballIcon(at);
        break;
    case SpellEmblem::Healing:
        HealingIcon(at);
        break;
    case SpellEmblem::Ice:
        IceIcon(at);
        break;
    case SpellEmblem::SpiritWolf:
        SpiritWolfIcon(at);
        break;
    case SpellEmblem::Poison:
        PoisonIcon(at);
        break;
    }
}

void MakeIconImages(const PictureSink& sink) {
    const std::string dir = "Grafik/Icons/";
    sink(dir + "Langschwert.png", Sword(false));
    sink(dir + "Breitschwert.png", Sword(true));
    sink(dir + "Streitaxt.png", BattleAxe());
    sink(dir + "Speer.png", Spear());
    sink(dir + "Streitkolben.png", Mace());
    sink(dir + "Dolch.png", Dagger());
    sink(dir + "Jagdbogen.png", HuntingBow());
    sink(dir + "Feuerball.png", SpellIcon(SpellEmblem::Fireball));
    sink(dir + "Heilung.png", SpellIcon(SpellEmblem::Healing));
    sink(dir + "Eisstoss.png", SpellIcon(SpellEmblem::Ice));
    sink(dir + "Geisterwolf.png", SpellIcon(SpellEmblem::SpiritWolf));
    sink(dir + "Giftpfeil.png", SpellIcon(SpellEmblem::Poison));
}

} // namespace art::combat
