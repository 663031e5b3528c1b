// Inventory pictures of the goods: a heap of gold coins, the two potions,
// the copper and the silver ring, a bundle of arrows, a folded wolf pelt and
// lumps of iron ore.
#include "items.h"
#include "palette.h"
#include "noise.h"
#include "parts.h"

#include <cmath>

namespace art::items {

namespace {

Pixmap Render(PartList& L) {
    Canvas cv(kSize, kSize);
    RenderParts(L.Parts(), cv, 0, 0, kSize, kSize);
    return cv.ToPixmap(kMaskWhite);
}

// A coin lying flat (ry < rx) or standing (ry == rx), with a raised rim.
void Coin(PartList& L, float depth, Vec2 c, float rx, float ry) {
    const Color gold = pal::metal::kCoinGold, dark = pal::metal::kCoinGoldDark;
    L.Begin(depth)
        .Add(Oval({c.x, c.y + ry * 0.25f}, rx, ry), dark)
        .Add(Oval(c, rx, ry), gold)
        .Add(Oval({c.x + 0.3f, c.y + 0.2f}, rx * 0.62f, ry * 0.62f), dark, false)
        .Add(Oval(c, rx * 0.55f, ry * 0.55f), gold, false);
}

Pixmap GoldHeap() {
    PartList L;
    // a heap lying on the ground, from the back row to the front
    const Vec2 flat[] = {{24, 22}, {18, 25}, {30, 25}, {24, 28}, {13, 31}, {35, 31},
                         {20, 33}, {29, 34}, {24, 38}, {13, 38}, {36, 38}};
    float depth = 1;
    for (Vec2 c : flat) Coin(L, depth++, c, 6.0f, 3.0f);
    // two coins leaning on the heap
    Coin(L, depth++, {34, 24}, 5.0f, 5.0f);
    Coin(L, depth++, {15, 27}, 4.6f, 4.6f);
    return Render(L);
}

// A round-bellied flask with a cork, filled to below the neck with `liquid`.
Pixmap Potion(Color liquid) {
    PartList L;
    Vec2 belly{24, 31};
    const float r = 12.0f, level = 24.0f;
    Sdf flask = Union(Circle(belly, r), Capsule({24, 12}, {24, 21}, 4.0f, 4.0f));
    L.Begin(1)
        .Add(flask, pal::glass::kFlask)
        .Add(Clip(Circle(belly, r - 1.4f), [level](Vec2 p) { return level - p.y; }), liquid)
        // the liquid's surface seen through the glass
        .Add(Clip(Circle(belly, r - 1.4f),
                  [level](Vec2 p) { return std::fabs(p.y - level) - 0.8f; }),
             Lighter(liquid, 0.3f), false)
        // the lip of the neck and the cork in it
        .Add(Capsule({20.5f, 11.5f}, {27.5f, 11.5f}, 1.5f, 1.5f), Scale(pal::glass::kFlask, 0.86f))
        .Add(Poly({{21, 4}, {27, 4}, {26.5f, 9.5f}, {21.5f, 9.5f}}, 0.8f), pal::wood::kCork);
    L.Begin(2, false)
        .Add(Oval({18.5f, 27.0f}, 2.0f, 3.6f), pal::glass::kGlint, false)
        .Add(Circle({20.5f, 34.0f}, 1.0f), Lighter(liquid, 0.5f), false)
        .Add(Circle({27.0f, 38.0f}, 0.8f), Lighter(liquid, 0.4f), false);
    return Render(L);
}

// A ring seen from above at a slant, with a stone in a setting.
Pixmap Ring(Color metal, Color stone) {
    PartList L;
    Vec2 c{24, 29};
    Sdf band = Cut(Oval(c, 14.0f, 10.0f), Oval({c.x, c.y - 1.0f}, 9.5f, 5.6f));
    L.Begin(1).Add(band, [metal, c](Vec2 p) {
        // light on the upper left of the band, shadow on the lower right
        float t = (p.x - c.x) * 0.5f + (p.y - c.y);
        return t < -5.0f ? Lighter(metal, 0.3f) : (t > 6.0f ? Scale(metal, 0.72f) : metal);
    });
    L.Begin(2)
        .Add(Poly({{18, 16}, {30, 16}, {28, 23}, {20, 23}}, 1.0f), Scale(metal, 0.85f))
        .Add(Oval({24, 15}, 5.2f, 4.4f), stone)
        .Add(Oval({22.6f, 13.6f}, 1.6f, 1.2f), Lighter(stone, 0.55f), false);
    return Render(L);
}

// Four arrows tied into a bundle, points to the upper right.
Pixmap Arrows() {
    PartList L;
    const Vec2 offs[] = {{-3.5f, -3.5f}, {3.5f, 3.5f}, {-1.0f, 2.0f}, {1.5f, -1.5f}};
    float depth = 1;
    for (Vec2 o : offs) {
        Vec2 nock{8 + o.x, 40 + o.y}, head{36 + o.x, 12 + o.y};
        L.Begin(depth++)
            .Add(Capsule(nock, head, 0.9f, 0.9f), pal::wood::kArrowShaft)
            .Add(Poly({{head.x - 2.5f, head.y - 0.5f},
                       {head.x + 5.0f, head.y - 5.0f},
                       {head.x + 0.5f, head.y + 2.5f}}),
                 pal::metal::kArrowHead)
            // the fletching: two vanes along the shaft near the nock
            .Add(Poly({{nock.x + 1.0f, nock.y - 1.0f},
                       {nock.x + 8.0f, nock.y - 8.0f},
                       {nock.x + 4.0f, nock.y - 8.5f},
                       {nock.x - 1.5f, nock.y - 4.0f}}),
                 pal::glass::kFeather)
            .Add(Poly({{nock.x + 1.0f, nock.y - 1.0f},
                       {nock.x + 8.0f, nock.y - 8.0f},
                       {nock.x + 8.5f, nock.y - 4.0f},
                       {nock.x + 4.0f, nock.y + 1.5f}}),
                 pal::glass::kFeatherRed);
    }
    // the cord round the middle
    L.Begin(depth).Add(Capsule({18.5f, 24.5f}, {26.5f, 32.5f}, 1.3f, 1.3f), pal::straw::kCord);
    return Render(L);
}

// Fur in short strands running down the pelt.
Paint Fur(Color c) {
    return [c](Vec2 p) {
        uint32_t h =
            Hash2(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y * 0.5f)), 41u);
        float v =
            std::sin(p.x * 1.9f + 1.1f * std::sin(p.y * 0.7f)) + ((h & 3u) == 0 ? 0.8f : 0.0f);
        return v > 1.2f ? Lighter(c, 0.22f) : (v < -0.9f ? Scale(c, 0.84f) : c);
    };
}

// A ragged edge of fur: a rounded shape whose outline is nibbled by tufts.
Sdf Ragged(Sdf base, float depth, float period) {
    return [=](Vec2 p) {
        float t = std::sin(p.x * 6.2832f / period) * std::sin(p.y * 6.2832f / period + 1.0f);
        return base(p) + depth * t;
    };
}

// A wolf pelt folded into a soft stack, the bushy tail hanging out at the
// right with its pale tip, an ear of the head skin showing at the left.
Pixmap WolfPelt() {
    PartList L;
    const Color grey = pal::fur::kPelt, pale = pal::fur::kPeltBelly, dark = pal::fur::kPeltDark;
    L.Begin(1)
        .Add(Stroke({{33, 34}, {40, 37}, {42, 42}}, 3.4f, 2.4f), Fur(grey))
        .Add(Capsule({41.5f, 41.5f}, {42.0f, 44.0f}, 2.2f, 1.4f), pale);
    L.Begin(2).Add(Poly({{9, 13}, {13, 7}, {15, 14}}, 0.6f), dark);
    // the lower fold and the upper one over it
    L.Begin(3).Add(Ragged(Poly({{7, 30}, {38, 29}, {39, 38}, {8, 39}}, 3.5f), 0.6f, 3.0f),
                   Fur(dark));
    L.Begin(4)
        .Add(Ragged(Poly({{7, 15}, {36, 14}, {38, 28}, {9, 31}}, 4.0f), 0.6f, 3.0f), Fur(grey))
        // the pale belly fur along the fold and the crease under it
        .Add(Clip(Poly({{7, 15}, {36, 14}, {38, 28}, {9, 31}}, 4.0f),
                  [](Vec2 p) { return 25.5f + (p.x - 8.0f) * -0.08f - p.y; }),
             Fur(pale))
        .Add(Clip(Poly({{7, 15}, {36, 14}, {38, 28}, {9, 31}}, 4.0f),
                  [](Vec2 p) { return std::fabs(p.y - (24.5f - (p.x - 8.0f) * 0.08f)) - 0.6f; }),
             Scale(grey, 0.74f), false);
    return Render(L);
}

// Three lumps of iron ore: rough grey stone with rusty red-brown patches and
// a few glints of metal, lit from the top left.
Pixmap IronOre() {
    PartList L;
    struct Lump {
        Vec2 c;
        float r;
        uint32_t seed;
    };
    const Lump lumps[] = {{{17, 27}, 10.5f, 61}, {{31, 23}, 9.0f, 62}, {{25, 36}, 8.5f, 63}};
    float depth = 1;
    for (const Lump& k : lumps) {
        Vec2 c = k.c;
        float r = k.r;
        uint32_t seed = k.seed;
        Sdf lump = [c, r, seed](Vec2 p) {
            // a lumpy outline: the radius wanders with the angle
            float a = std::atan2(p.y - c.y, p.x - c.x);
            float wobble = 1.0f + 0.12f * std::sin(a * 3.0f + seed) + 0.07f * std::sin(a * 7.0f);
            return std::hypot(p.x - c.x, (p.y - c.y) * 1.2f) - r * wobble;
        };
        L.Begin(depth++)
            .Add(lump,
                 [c, r, seed](Vec2 p) {
                     float t = ((p.x - c.x) * 0.6f + (p.y - c.y)) / r;
                     Color stone = Scale(pal::stone::kWarmGrey, 1.1f - 0.35f * t);
                     float n = FractalNoise(p.x, p.y, 3.5f, seed);
                     if (n > 0.62f) return Scale(pal::metal::kRust, 1.05f - 0.25f * t);
                     if (n < 0.25f) return Scale(stone, 0.82f);
                     return stone;
                 })
            .Add(Circle({c.x - r * 0.35f, c.y - r * 0.35f}, 1.0f), pal::metal::kIron, false);
    }
    return Render(L);
}

} // namespace

void MakeGoodsImages(const PictureSink& sink) {
    const std::string dir = "Grafik/Items/";
    sink(dir + "Gold.png", GoldHeap());
    sink(dir + "Heiltrank.png", Potion(pal::glass::kHealing));
    sink(dir + "Manatrank.png", Potion(pal::glass::kMana));
    sink(dir + "Kupferring.png", Ring(pal::metal::kCopper, pal::glass::kEmerald));
    sink(dir + "Silberring.png", Ring(pal::metal::kSilver, pal::glass::kSapphire));
    sink(dir + "Pfeile.png", Arrows());
    sink(dir + "Wolfsfell.png", WolfPelt());
    sink(dir + "Eisenerz.png", IronOre());
}

} // namespace art::items
