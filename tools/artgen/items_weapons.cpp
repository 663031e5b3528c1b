// The six weapons as 48 x 48 inventory pictures: drawn like their 40 x 40
// icons, lying diagonally with the point to the upper right, with a little
// more detail (wrapped grips, a fuller, rivets).
#include "items.h"
#include "palette.h"
#include "parts.h"

#include <cmath>

namespace art::items {

namespace {

// A bright edge along the side of the blade that faces the light.
Paint SteelAlong(Vec2 a, Vec2 b) {
    return [=](Vec2 p) {
        float dx = b.x - a.x, dy = b.y - a.y;
        float side = ((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
        return side < 0 ? pal::metal::kPaleBlue : pal::metal::kLightDullBlue;
    };
}

Paint Wood(Color c) {
    return [c](Vec2 p) { return Scale(c, 1.0f + 0.08f * std::sin((p.x + p.y) * 1.6f)); };
}

// Leather wound round a grip: stripes across the line from a to b.
Paint Wrapped(Color c, Vec2 a, Vec2 b) {
    return [=](Vec2 p) {
        float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
        float along = ((p.x - a.x) * dx + (p.y - a.y) * dy) / len;
        return std::fmod(along + 40.0f, 2.0f) < 0.9f ? Scale(c, 0.72f) : c;
    };
}

Pixmap Render(PartList& L) {
    Canvas cv(kSize, kSize);
    RenderParts(L.Parts(), cv, 0, 0, kSize, kSize);
    return cv.ToPixmap(kMaskWhite);
}

// A long blade; the broadsword Runa forges has a wider blade, an iron guard
// and a blue stone instead of the ruby.
Pixmap Sword(bool broad) {
    PartList L;
    Vec2 tip{44, 4}, guard{16, 32}, g0{7, 41};
    const float half = broad ? 3.3f : 2.2f;
    const Color fitting = broad ? pal::metal::kIron : pal::metal::kTanLongsword;
    L.Begin(1)
        .Add(Capsule(g0, {14, 34}, 2.1f, 2.1f), Wrapped(pal::leather::kGrip, g0, guard))
        .Add(Circle({5.5f, 42.5f}, 2.9f), fitting)
        .Add(Poly({{guard.x - half, guard.y - half},
                   {tip.x - 1.2f, tip.y + 3.6f},
                   tip,
                   {tip.x - 3.6f, tip.y + 1.2f},
                   {guard.x + half, guard.y + half}}),
             SteelAlong(guard, tip))
        // the fuller down the middle of the blade
        .Add(Capsule({guard.x + 2.5f, guard.y - 2.5f}, {tip.x - 9.0f, tip.y + 9.0f}, 0.5f, 0.5f),
             pal::metal::kCoolGrey, false)
        .Add(Capsule({9.5f, 26.5f}, {21.5f, 38.5f}, broad ? 2.3f : 1.9f, broad ? 2.3f : 1.9f),
             fitting)
        .Add(Circle(guard, 1.5f), broad ? pal::glass::kSapphire : pal::glass::kRuby);
    return Render(L);
}

Pixmap BattleAxe() {
    PartList L;
    Vec2 butt{9, 43}, top{35, 8};
    L.Begin(1)
        .Add(Capsule(butt, top, 2.0f, 2.0f), Wood(pal::wood::kDarkRustBattleAxe))
        .Add(Capsule(butt, {14, 36}, 2.3f, 2.3f), Wrapped(pal::leather::kGrip, butt, top))
        .Add(Poly({{27, 11}, {41, 5}, {44.5f, 18}, {41, 31}, {31, 23}}, 0.6f),
             [](Vec2 p) {
                 return p.x > 40.0f ? pal::metal::kPaleCoolGrey : pal::metal::kLightCoolGrey;
             })
        .Add(Poly({{29, 16}, {20, 10}, {19, 17}}, 0.5f), pal::metal::kCoolGreyBattleAxe)
        .Add(Circle({34, 9}, 2.2f), pal::metal::kCoolGrey)
        .Add(Circle({34.5f, 17.5f}, 1.0f), pal::metal::kCoolGrey, false);
    return Render(L);
}

Pixmap Spear() {
    PartList L;
    L.Begin(1)
        .Add(Capsule({6, 43}, {33, 16}, 1.6f, 1.6f), Wood(pal::wood::kRustSpear))
        .Add(Poly({{31, 11}, {45, 3}, {37, 17}}, 0.7f), SteelAlong({32, 16}, {45, 3}))
        .Add(Capsule({29.5f, 15.5f}, {33.0f, 19.0f}, 1.9f, 1.9f), pal::metal::kDarkBrown)
        // a red binding below the head
        .Add(Capsule({27.0f, 21.0f}, {28.5f, 22.5f}, 2.0f, 2.0f), pal::glass::kFeatherRed)
        .Add(Capsule({6, 43}, {8.0f, 41.0f}, 1.9f, 1.9f), pal::metal::kDarkBrown);
    return Render(L);
}

Pixmap Mace() {
    PartList L;
    Vec2 butt{8, 44};
    L.Begin(1)
        .Add(Capsule(butt, {28, 20}, 2.0f, 2.0f), Wood(pal::wood::kDarkRustMace))
        .Add(Capsule(butt, {14, 37}, 2.3f, 2.3f), Wrapped(pal::leather::kGrip, butt, {28, 20}));
    L.Begin(2);
    Vec2 h{32, 15};
    for (int k = 0; k < 8; ++k) {
        float a = k * 3.14159f / 4.0f + 0.2f;
        Vec2 d{std::cos(a), std::sin(a)};
        L.Add(Poly({{h.x + d.x * 5.0f - d.y * 2.6f, h.y + d.y * 5.0f + d.x * 2.6f},
                    {h.x + d.x * 12.0f, h.y + d.y * 12.0f},
                    {h.x + d.x * 5.0f + d.y * 2.6f, h.y + d.y * 5.0f - d.x * 2.6f}}),
              pal::metal::kLightCoolGrey);
    }
    L.Add(Circle(h, 7.2f), pal::metal::kLightDullBlueMace)
        .Add(Circle({h.x - 2.4f, h.y - 2.4f}, 1.9f), pal::metal::kPaleCoolGreyMace, false);
    L.Begin(3).Add(Capsule({8.5f, 42.5f}, {10.5f, 40.5f}, 2.6f, 2.6f), pal::metal::kDarkRust);
    return Render(L);
}

Pixmap Dagger() {
    PartList L;
    Vec2 guard{20, 28}, tip{40, 8};
    L.Begin(1)
        .Add(Capsule({11, 37}, {17, 31}, 2.2f, 2.2f), Wrapped(pal::leather::kGrip, {11, 37}, guard))
        .Add(Circle({9.5f, 38.5f}, 2.6f), pal::metal::kTan)
        .Add(Poly({{guard.x - 3.0f, guard.y - 3.0f}, tip, {guard.x + 3.0f, guard.y + 3.0f}}),
             SteelAlong(guard, tip))
        .Add(Capsule({14.5f, 22.5f}, {25.5f, 33.5f}, 1.7f, 1.7f), pal::metal::kTan)
        .Add(Circle(guard, 1.2f), pal::glass::kEmerald);
    return Render(L);
}

Pixmap HuntingBow() {
    PartList L;
    std::vector<Vec2> limb;
    for (int i = 0; i <= 12; ++i) {
        float t = -1.0f + 2.0f * i / 12.0f;
        // the bow lies diagonally, bent towards the upper left
        Vec2 along{24.0f + t * 18.0f, 24.0f - t * 18.0f};
        float bulge = 9.5f * (1.0f - t * t);
        along.x -= bulge * 0.707f;
        along.y -= bulge * 0.707f;
        limb.push_back(along);
    }
    L.Begin(1, false).Add(Capsule(limb.front(), limb.back(), 0.5f, 0.5f), pal::wood::kPaleSand,
                          false);
    L.Begin(2)
        .Add(Stroke({limb.begin(), limb.begin() + 7}, 1.2f, 2.3f), Wood(pal::wood::kRust))
        .Add(Stroke({limb.begin() + 6, limb.end()}, 2.3f, 1.2f), Wood(pal::wood::kRust))
        .Add(Capsule(limb[5], limb[7], 2.9f, 2.9f),
             Wrapped(pal::wood::kDarkRustHuntingBow, limb[5], limb[7]))
        .Add(Circle(limb.front(), 1.6f), pal::bone::kPaleTan)
        .Add(Circle(limb.back(), 1.6f), pal::bone::kPaleTan);
    return Render(L);
}

} // namespace

void MakeWeaponImages(const PictureSink& sink) {
    const std::string dir = "Grafik/Items/";
    sink(dir + "Langschwert.png", Sword(false));
    sink(dir + "Breitschwert.png", Sword(true));
    sink(dir + "Streitaxt.png", BattleAxe());
    sink(dir + "Speer.png", Spear());
    sink(dir + "Streitkolben.png", Mace());
    sink(dir + "Dolch.png", Dagger());
    sink(dir + "Jagdbogen.png", HuntingBow());
}

} // namespace art::items
