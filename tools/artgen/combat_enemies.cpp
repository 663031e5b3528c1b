// The enemies' walking strips: 12 cells of 72 x 96 (rows face up, right,
// down, left; columns left foot, standing, right foot), feet near y = 89
// (the wolves' paws higher, see kWolfLift).
// The wolves and the skeleton are built here from pieces; the goblin, the
// robber and the stranger are townsfolk figures with weapons, ears and a
// mask painted over them.
#include "combat.h"
#include "palette.h"
#include "glow.h"
#include "parts.h"
#include "npcs.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art::combat {

namespace {

constexpr int kCellW = 72, kCellH = 96;
constexpr float kCx = 36.0f;

enum Row { kUp = 0, kRight = 1, kDown = 2, kLeft = 3 };

// Mirrors a right-facing piece list into a left-facing one.
void MirrorParts(std::vector<Part>& parts) {
    for (Part& part : parts)
        for (Piece& pc : part.pieces) {
            Sdf s = pc.sdf;
            Paint p = pc.paint;
            pc.sdf = [s](Vec2 q) { return s({kCellW - q.x, q.y}); };
            pc.paint = [p](Vec2 q) { return p({kCellW - q.x, q.y}); };
        }
}

// ------------------------------------------------------------------ wolves

// The wolves are drawn this many pixels higher in their cells than the
// pieces below place them (paws near y = 79 instead of 89): a wolf is low,
// and the health bar the game draws at a fixed height over every enemy's
// cell should sit just over its ears, as it does over the upright enemies.
constexpr float kWolfLift = 10.0f;

void LiftParts(std::vector<Part>& parts, float dy) {
    for (Part& part : parts)
        for (Piece& pc : part.pieces) {
            Sdf s = pc.sdf;
            Paint p = pc.paint;
            pc.sdf = [s, dy](Vec2 q) { return s({q.x, q.y + dy}); };
            pc.paint = [p, dy](Vec2 q) { return p({q.x, q.y + dy}); };
        }
}

struct WolfColors {
    Color back, flank, belly, muzzle, nose, eye, innerEar;
};

// Fur: dark along the back, light towards the belly, with fine streaks.
Paint Fur(const WolfColors& c, float top, float bottom) {
    return [=](Vec2 p) {
        float t = std::clamp((p.y - top) / (bottom - top), 0.0f, 1.0f);
        Color base = t < 0.5f ? Mix(c.back, c.flank, t * 2.0f) : Mix(c.flank, c.belly, t * 2 - 1);
        float v = std::sin(p.x * 1.9f + 1.3f * std::sin(p.y * 0.8f));
        return Scale(base, 1.0f + 0.07f * v);
    };
}

// Leg swing of the walk: -1 back, 0 under the body, +1 forward.
float Swing(int frame, bool pairA) {
    if (frame == 1) return 0.0f;
    float s = frame == 0 ? 1.0f : -1.0f;
    return pairA ? s : -s;
}

void WolfSide(PartList& L, const WolfColors& c, int frame) {
    float b = frame == 1 ? 0.0f : 1.0f;
    Paint fur = Fur(c, 57.0f + b, 77.0f + b);
    Paint legFur = Fur(c, 66.0f, 90.0f);
    // legs: the near front and the far hind leg move together
    auto frontLeg = [&](float s, float depth, float light, float dx) {
        float px = 45.5f + dx + 6.0f * s, py = s < 0 ? 87.5f : 89.0f;
        Vec2 top{44.0f + dx, 69.0f + b}, elbow{45.0f + dx + 2.0f * s, 79.5f + b};
        L.Begin(depth, true, light)
            .Add(Capsule(top, elbow, 4.0f, 2.9f), legFur)
            .Add(Capsule(elbow, {px, py - 1.0f}, 2.5f, 2.0f), legFur)
            .Add(Oval({px + 1.3f, py}, 3.0f, 1.9f), c.flank);
    };
    auto hindLeg = [&](float s, float depth, float light, float dx) {
        float px = 26.0f + dx + 6.0f * s, py = s > 0 ? 89.0f : 87.8f;
        Vec2 hip{27.0f + dx, 68.0f + b}, stifle{30.0f + dx + 2.0f * s, 78.5f + b};
        Vec2 hock{24.8f + dx + 4.0f * s, 84.0f};
        L.Begin(depth, true, light)
            .Add(Capsule(hip, stifle, 6.0f, 3.6f), legFur)
            .Add(Capsule(stifle, hock, 3.0f, 2.1f), legFur)
            .Add(Capsule(hock, {px, py - 1.0f}, 2.1f, 1.9f), legFur)
            .Add(Oval({px + 1.2f, py}, 2.9f, 1.8f), c.flank);
    };
    float sa = Swing(frame, true), sb = Swing(frame, false);
    float farDx = frame == 1 ? 2.5f : 0.0f;
    frontLeg(sb, 5, 0.78f, farDx);
    hindLeg(sa, 5, 0.78f, farDx);
    // tail, swaying with the step
    float sway = frame == 0 ? -1.0f : (frame == 2 ? 1.0f : 0.0f);
    L.Begin(8)
        .Add(Stroke({{19.0f, 63.0f + b}, {12.5f, 67.5f + b}, {9.0f + sway, 76.0f + b}}, 3.4f, 3.2f),
             Fur(c, 60.0f, 84.0f))
        .Add(Oval({9.0f + sway, 78.5f + b}, 2.6f, 3.0f), Mix(c.flank, c.belly, 0.5f));
    // body with the neck and the ruff
    L.Begin(20)
        .Add(Capsule({25.0f, 68.0f + b}, {45.0f, 67.0f + b}, 8.0f, 9.6f), fur)
        .Add(Capsule({44.0f, 65.0f + b}, {51.5f, 57.5f + b}, 7.2f, 5.8f), fur)
        .Add(Oval({49.0f, 66.0f + b}, 5.0f, 7.0f), Mix(c.flank, c.belly, 0.6f));
    frontLeg(sa, 30, 1.0f, 0.0f);
    hindLeg(sb, 30, 1.0f, 0.0f);
    // head
    Vec2 h{54.0f, 55.0f + b};
    L.Begin(39).Add(
        Poly({{h.x + 0.5f, h.y - 3.0f}, {h.x + 3.5f, h.y - 12.0f}, {h.x + 5.5f, h.y - 2.0f}}),
        c.back);
    L.Begin(40)
        .Add(Oval(h, 6.8f, 6.2f), Fur(c, h.y - 6.0f, h.y + 6.0f))
        .Add(Capsule({h.x + 3.0f, h.y + 2.0f}, {h.x + 11.5f, h.y + 4.2f}, 3.9f, 2.3f),
             Fur(c, h.y - 2.0f, h.y + 7.0f))
        .Add(Capsule({h.x + 2.5f, h.y + 5.2f}, {h.x + 9.5f, h.y + 6.4f}, 2.2f, 1.5f), c.muzzle)
        .Add(Oval({h.x + 1.5f, h.y + 4.0f}, 3.6f, 2.6f), c.muzzle)
        .Add(Poly({{h.x - 4.5f, h.y - 3.0f}, {h.x - 2.0f, h.y - 12.5f}, {h.x + 1.5f, h.y - 4.0f}}),
             c.back)
        .Add(Poly({{h.x - 3.0f, h.y - 4.0f}, {h.x - 2.0f, h.y - 10.0f}, {h.x - 0.2f, h.y - 4.5f}}),
             c.innerEar, false);
    L.Begin(41, false)
        .Add(Oval({h.x + 11.8f, h.y + 3.3f}, 1.8f, 1.5f), c.nose, false)
        .Add(Oval({h.x + 3.6f, h.y - 0.6f}, 1.4f, 1.0f), c.eye, false)
        .Add(Oval({h.x + 4.0f, h.y - 0.6f}, 0.6f, 0.8f), c.nose, false)
        .Add(Capsule({h.x + 5.5f, h.y + 5.6f}, {h.x + 9.5f, h.y + 5.2f}, 0.45f, 0.45f),
             Darker(c.muzzle, 0.6f), false);
}

void WolfFront(PartList& L, const WolfColors& c, int frame) {
    float b = frame == 1 ? 0.0f : 1.0f;
    Paint legFur = Fur(c, 66.0f, 92.0f);
    float sa = Swing(frame, true), sb = Swing(frame, false);
    // hind legs, far behind the chest
    for (int e = -1; e <= 1; e += 2) {
        float s = e < 0 ? sa : sb;
        float py = 83.0f + (s > 0 ? 0.8f : (s < 0 ? -1.2f : 0.0f));
        L.Begin(5, true, 0.78f)
            .Add(Capsule({kCx + e * 8.5f, 70.0f + b}, {kCx + e * 9.0f, py - 1.0f}, 3.2f, 2.3f),
                 legFur)
            .Add(Oval({kCx + e * 9.0f, py}, 2.7f, 1.7f), c.flank);
    }
    // the tip of the tail over the back
    float sway = frame == 0 ? -1.0f : (frame == 2 ? 1.0f : 0.0f);
    L.Begin(8).Add(
        Stroke({{kCx + 7.0f, 57.0f + b}, {kCx + 12.0f, 52.5f + b}, {kCx + 13.0f + sway, 47.0f}},
               3.0f, 2.6f),
        Fur(c, 46.0f, 60.0f));
    L.Begin(10).Add(Oval({kCx, 63.0f + b}, 12.5f, 11.5f), Fur(c, 52.0f + b, 76.0f + b));
    L.Begin(20).Add(Oval({kCx, 70.5f + b}, 8.6f, 8.0f), Fur(c, 58.0f, 76.0f));
    for (int e = -1; e <= 1; e += 2) {
        // the figure's left (e = +1) is on the screen's right
        float s = e > 0 ? sa : sb;
        float py = 89.0f + (s > 0 ? 1.0f : (s < 0 ? -2.5f : 0.0f));
        L.Begin(25)
            .Add(Capsule({kCx + e * 5.6f, 71.0f + b}, {kCx + e * 5.8f, py - 1.2f}, 3.4f, 2.5f),
                 legFur)
            .Add(Oval({kCx + e * 5.9f, py}, 3.2f, 2.0f), c.flank);
    }
    Vec2 h{kCx, 52.0f + b};
    L.Begin(40);
    for (int e = -1; e <= 1; e += 2)
        L.Add(Poly({{h.x + e * 9.5f, h.y - 1.0f},
                    {h.x + e * 9.0f, h.y - 13.0f},
                    {h.x + e * 2.5f, h.y - 6.0f}}),
              c.back);
    L.Add(Oval({h.x, h.y + 4.5f}, 10.5f, 6.2f), Mix(c.flank, c.belly, 0.4f))
        .Add(Oval(h, 8.6f, 7.8f), Fur(c, h.y - 8.0f, h.y + 10.0f))
        .Add(Oval({h.x, h.y + 7.5f}, 4.8f, 5.0f), c.muzzle);
    L.Begin(41, false);
    for (int e = -1; e <= 1; e += 2) {
        L.Add(Poly({{h.x + e * 7.6f, h.y - 3.5f},
                    {h.x + e * 8.0f, h.y - 10.5f},
                    {h.x + e * 4.2f, h.y - 5.5f}}),
              c.innerEar, false);
        L.Add(Oval({h.x + e * 3.8f, h.y + 0.8f}, 1.5f, 1.1f), c.eye, false);
        L.Add(Oval({h.x + e * 3.6f, h.y + 0.9f}, 0.6f, 0.8f), c.nose, false);
        L.Add(Capsule({h.x + e * 1.0f, h.y + 11.4f}, {h.x + e * 3.0f, h.y + 10.6f}, 0.45f, 0.45f),
              Darker(c.muzzle, 0.6f), false);
    }
    L.Add(Capsule({h.x, h.y - 6.0f}, {h.x, h.y - 1.0f}, 1.6f, 0.8f), Darker(c.back, 0.15f), false)
        .Add(Oval({h.x, h.y + 9.5f}, 2.4f, 1.7f), c.nose, false);
}

void WolfBack(PartList& L, const WolfColors& c, int frame) {
    float b = frame == 1 ? 0.0f : 1.0f;
    Paint legFur = Fur(c, 66.0f, 92.0f);
    float sa = Swing(frame, true), sb = Swing(frame, false);
    // front legs, far away
    for (int e = -1; e <= 1; e += 2) {
        float s = e < 0 ? sa : sb;
        float py = 82.5f + (s > 0 ? -1.2f : (s < 0 ? 0.8f : 0.0f));
        L.Begin(4, true, 0.78f)
            .Add(Capsule({kCx + e * 7.0f, 68.0f + b}, {kCx + e * 7.8f, py - 1.0f}, 3.0f, 2.3f),
                 legFur)
            .Add(Oval({kCx + e * 7.8f, py}, 2.6f, 1.7f), c.flank);
    }
    Vec2 h{kCx, 50.5f + b};
    L.Begin(6);
    for (int e = -1; e <= 1; e += 2)
        L.Add(Poly({{h.x + e * 8.8f, h.y + 1.0f},
                    {h.x + e * 8.5f, h.y - 12.0f},
                    {h.x + e * 2.0f, h.y - 5.0f}}),
              c.back);
    L.Add(Oval(h, 8.4f, 7.6f), Fur(c, h.y - 8.0f, h.y + 14.0f));
    L.Begin(10)
        .Add(Oval({kCx, 63.0f + b}, 12.0f, 11.5f), Fur(c, 52.0f + b, 80.0f + b))
        .Add(Oval({kCx, 61.0f + b}, 3.6f, 10.0f), Darker(c.back, 0.12f));
    for (int e = -1; e <= 1; e += 2) {
        float s = e < 0 ? sb : sa;
        float py = 89.0f + (s > 0 ? -2.5f : (s < 0 ? 1.0f : 0.0f));
        L.Begin(18)
            .Add(Oval({kCx + e * 7.2f, 74.0f + b}, 5.4f, 6.2f), Fur(c, 66.0f, 84.0f))
            .Add(Capsule({kCx + e * 7.4f, 78.0f + b}, {kCx + e * 7.8f, py - 1.2f}, 3.0f, 2.3f),
                 legFur)
            .Add(Oval({kCx + e * 7.8f, py}, 3.0f, 1.9f), c.flank);
    }
    L.Begin(16).Add(Oval({kCx, 72.0f + b}, 10.5f, 7.5f), Fur(c, 60.0f, 84.0f));
    float sway = frame == 0 ? -2.0f : (frame == 2 ? 2.0f : 0.0f);
    L.Begin(30)
        .Add(Stroke({{kCx, 69.0f + b}, {kCx + sway * 0.5f, 77.0f + b}, {kCx + sway, 84.0f + b}},
                    2.8f, 3.6f),
             Fur(c, 64.0f, 90.0f))
        .Add(Oval({kCx + sway, 86.0f + b}, 2.8f, 2.6f), Mix(c.flank, c.belly, 0.5f));
}

Canvas WolfStrip(const WolfColors& c) {
    Canvas strip(kCellW * 3, kCellH * 4);
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            PartList L;
            if (row == kUp)
                WolfBack(L, c, frame);
            else if (row == kDown)
                WolfFront(L, c, frame);
            else
                WolfSide(L, c, frame);
            if (row == kLeft) MirrorParts(L.Parts());
            LiftParts(L.Parts(), kWolfLift);
            RenderParts(L.Parts(), strip, frame * kCellW, row * kCellH, kCellW, kCellH);
        }
    return strip;
}

Pixmap MakeWolf() {
    WolfColors c{pal::fur::kDarkCoolGrey, pal::fur::kGrey,     pal::fur::kLightDullTanWolf,
                 pal::fur::kLightDullTan, pal::fur::kDeepGrey, pal::fur::kTan,
                 pal::fur::kDullRed};
    return WolfStrip(c).ToPixmap(kMaskWhite);
}

Pixmap MakeSpiritWolf() {
    WolfColors c{pal::fur::kBlueSpiritWolf,
                 pal::fur::kLightSkySpiritWolf,
                 pal::fur::kPaleSkySpiritWolf2,
                 pal::fur::kPaleSky,
                 pal::fur::kBlue,
                 pal::fur::kPaleSkySpiritWolf3,
                 pal::fur::kLightBlue};
    Canvas strip = WolfStrip(c);
    // a see-through body: a sparse regular pattern of holes, and paws and
    // tail that dissolve into the air
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            int ox = frame * kCellW, oy = row * kCellH;
            DitherAway(strip, ox, oy, kCellW, kCellH, 0.13f);
            DitherAway(strip, ox, oy, kCellW, kCellH, 1.0f, [](float, float y) {
                return std::clamp((y + kWolfLift - 84.0f) / 9.0f, 0.0f, 1.0f) * 0.75f;
            });
            // small wisps trailing below and behind
            Rng rng(4100u + static_cast<uint64_t>(row * 3 + frame));
            for (int k = 0; k < 7; ++k) {
                float x = rng.Range(16.0f, 56.0f), y = rng.Range(80.0f, 93.0f) - kWolfLift;
                Color w = k % 2 ? pal::fur::kPaleSkySpiritWolf : pal::fur::kLightSky;
                strip.Set(ox + static_cast<int>(x), oy + static_cast<int>(y), w);
                if (k % 3 == 0)
                    strip.Set(ox + static_cast<int>(x) + 1, oy + static_cast<int>(y), w);
            }
        }
    return strip.ToPixmap(kMaskWhite);
}

// ------------------------------------------------------------------ humanoid joints

// Joint positions of a walking human in the townsfolk's proportions.
struct Joints {
    bool side = false;
    int dir = 1;  // side views: +1 faces right
    int near = 1; // side views: the side turned to the viewer
    float bob = 0;
    Vec2 head, neckTop, neckBottom;
    Vec2 shoulder[2], elbow[2], hand[2], hip[2], knee[2], ankle[2], foot[2];
};

Joints MakeJoints(int row, int frame, float build, float height) {
    Joints s;
    s.side = row == kRight || row == kLeft;
    s.dir = row == kLeft ? -1 : 1;
    float left = frame == 0 ? 1.0f : (frame == 2 ? -1.0f : 0.0f);
    float legFwd[2] = {left, -left}, armFwd[2] = {-left, left};
    float bob = frame == 1 ? 0.0f : 1.0f;
    s.bob = bob;
    if (!s.side) {
        float sx[2];
        sx[0] = row == kDown ? 1.0f : -1.0f;
        sx[1] = -sx[0];
        float toward = row == kDown ? 1.0f : -1.0f;
        s.head = {kCx, 40.5f + bob};
        s.neckTop = {kCx, 48.0f + bob};
        s.neckBottom = {kCx, 55.0f + bob};
        for (int k = 0; k < 2; ++k) {
            s.shoulder[k] = {kCx + sx[k] * 9.3f * build, 57.5f + bob};
            Vec2 hand{kCx + sx[k] * 11.6f * build, 71.5f + bob};
            float a = armFwd[k] * toward;
            if (a > 0) {
                hand.y += 1.6f;
                hand.x -= sx[k];
            } else if (a < 0) {
                hand.y -= 2.4f;
                hand.x += sx[k] * 0.6f;
            }
            s.hand[k] = hand;
            s.elbow[k] = Mid(s.shoulder[k], hand, 0.5f);
            s.elbow[k].x += sx[k] * 0.8f;
            s.hip[k] = {kCx + sx[k] * 4.2f * build, 71.0f + bob};
            Vec2 ankle{kCx + sx[k] * 4.4f * build, 86.3f};
            float l = legFwd[k] * toward;
            if (l > 0) ankle.y += 1.4f;
            if (l < 0) ankle.y -= 2.6f;
            s.ankle[k] = ankle;
            s.knee[k] = Mid(s.hip[k], ankle, 0.5f);
            s.foot[k] = {ankle.x + sx[k] * 0.3f, ankle.y + 2.6f};
        }
    } else {
        s.near = s.dir > 0 ? 1 : 0;
        auto X = [&](float o) { return kCx + s.dir * o; };
        s.head = {X(1.0f), 40.5f + bob};
        s.neckTop = {X(0.5f), 48.0f + bob};
        s.neckBottom = {X(0.0f), 55.0f + bob};
        for (int k = 0; k < 2; ++k) {
            float a = armFwd[k];
            s.shoulder[k] = {X(-0.5f), 57.5f + bob};
            s.hand[k] = {X(1.0f + 6.5f * a), 71.5f + bob - std::fabs(a) * 1.2f};
            s.elbow[k] = Mid(s.shoulder[k], s.hand[k], 0.5f);
            s.elbow[k].x += s.dir * (a > 0 ? -0.6f : -1.0f);
            s.hip[k] = {X(0.0f), 71.0f + bob};
            float l = legFwd[k];
            if (l > 0) {
                s.ankle[k] = {X(7.0f), 86.2f};
                s.knee[k] = {X(4.8f), 79.0f + bob * 0.5f};
            } else if (l < 0) {
                s.ankle[k] = {X(-6.6f), 84.4f};
                s.knee[k] = {X(-1.2f), 79.4f + bob * 0.5f};
            } else {
                s.ankle[k] = {X(k == s.near ? 0.8f : -0.4f), 86.3f};
                s.knee[k] = {X(k == s.near ? 1.2f : 0.2f), 79.0f};
            }
            s.foot[k] = {s.ankle[k].x + s.dir * 2.2f, s.ankle[k].y + 2.5f};
        }
    }
    if (height != 1.0f) {
        float lift = bob * (1.0f - height);
        auto fix = [&](Vec2& p) { p.y = 89.0f - (89.0f - p.y) * height + lift; };
        fix(s.head);
        fix(s.neckTop);
        fix(s.neckBottom);
        for (int k = 0; k < 2; ++k)
            for (Vec2* p : {&s.shoulder[k], &s.elbow[k], &s.hand[k], &s.hip[k], &s.knee[k],
                            &s.ankle[k], &s.foot[k]})
                fix(*p);
    }
    return s;
}

// The hand that holds the weapon: the right one, or in side views the one
// turned to the viewer. Returns the centre of the fist.
Vec2 WeaponHand(const Joints& s, int& index) {
    index = s.side ? s.near : 1;
    return {s.hand[index].x, s.hand[index].y + 1.2f};
}

// The direction a raised weapon points: up and away from the body.
Vec2 RaisedDirection(const Joints& s, int row, float lean) {
    float dx;
    if (s.side)
        dx = s.dir * lean;
    else
        dx = row == kDown ? -lean : lean;
    float len = std::hypot(dx, 1.0f);
    return {dx / len, -1.0f / len};
}

Paint Rusty(Color steel, uint32_t seed) {
    return [=](Vec2 p) {
        float n = FractalNoise(p.x, p.y, 3.0f, seed);
        Color c = Mix(steel, pal::metal::kRust, std::clamp((n - 0.45f) * 3.0f, 0.0f, 0.85f));
        return c;
    };
}

// A sword or dagger held at `hand` pointing along `d`.
void AddBlade(PartList& L, Vec2 hand, Vec2 d, float blade, float width, Paint steel, Color hilt,
              float depth) {
    Vec2 n{-d.y, d.x};
    Vec2 g{hand.x + d.x * 2.6f, hand.y + d.y * 2.6f};
    Vec2 tip{g.x + d.x * blade, g.y + d.y * blade};
    Vec2 base1{g.x + n.x * width, g.y + n.y * width}, base2{g.x - n.x * width, g.y - n.y * width};
    Vec2 shoulder1{base1.x + d.x * blade * 0.8f, base1.y + d.y * blade * 0.8f};
    Vec2 shoulder2{base2.x + d.x * blade * 0.8f, base2.y + d.y * blade * 0.8f};
    L.Begin(depth)
        .Add(Capsule({hand.x - d.x * 3.4f, hand.y - d.y * 3.4f}, g, 1.0f, 1.0f), hilt)
        .Add(Circle({hand.x - d.x * 3.8f, hand.y - d.y * 3.8f}, 1.4f), pal::cloth::kBrown)
        .Add(Poly({base1, shoulder1, tip, shoulder2, base2}), steel)
        .Add(Capsule({g.x + n.x * 3.6f, g.y + n.y * 3.6f}, {g.x - n.x * 3.6f, g.y - n.y * 3.6f},
                     1.0f, 1.0f),
             pal::cloth::kDarkBrownBlade);
}

void AddFist(PartList& L, Vec2 hand, Color skin, float depth) {
    L.Begin(depth).Add(Oval(hand, 2.5f, 2.6f), skin);
}

// ------------------------------------------------------------------ skeleton

void SkeletonParts(PartList& L, int row, int frame) {
    const Color bone = pal::bone::kPaleTan, joint = pal::bone::kLightTan;
    const Color hollow = pal::bone::kDeepWarmGrey;
    Joints s = MakeJoints(row, frame, 0.9f, 1.0f);
    float b = s.bob;
    bool down = row == kDown, up = row == kUp;
    Paint segments = [bone](Vec2 p) {
        return std::fmod(p.y + 100.0f, 2.6f) < 0.9f ? Scale(bone, 0.72f) : bone;
    };
    auto limbDepth = [&](int k, float front) {
        if (!s.side) return front;
        return k == s.near ? front : 5.0f;
    };
    auto limbLight = [&](int k) { return (!s.side || k == s.near) ? 1.0f : 0.8f; };
    for (int k = 0; k < 2; ++k) {
        L.Begin(s.side ? limbDepth(k, 24) : 10, true, limbLight(k))
            .Add(Capsule(s.hip[k], s.knee[k], 1.9f, 1.6f), bone)
            .Add(Capsule(s.knee[k], s.ankle[k], 1.7f, 1.4f), bone)
            .Add(Circle(s.knee[k], 2.3f), joint)
            .Add(Oval(s.foot[k], s.side ? 3.6f : 2.8f, 1.8f), bone);
        L.Begin(limbDepth(k, 30), true, limbLight(k))
            .Add(Capsule(s.shoulder[k], s.elbow[k], 1.8f, 1.5f), bone)
            .Add(Capsule(s.elbow[k], s.hand[k], 1.5f, 1.3f), bone)
            .Add(Circle(s.elbow[k], 2.1f), joint)
            .Add(Circle(s.shoulder[k], 2.6f), joint)
            .Add(Oval({s.hand[k].x, s.hand[k].y + 1.2f}, 2.2f, 2.5f), bone);
    }
    // spine, pelvis and a tattered loincloth
    float spineX = s.side ? kCx - s.dir * 1.5f : kCx;
    L.Begin(15)
        .Add(Capsule(s.neckTop, {spineX, 70.0f + b}, 1.7f, 1.7f), segments)
        .Add(Oval({kCx, 71.0f + b}, s.side ? 4.2f : 6.4f, 3.4f), bone)
        .Add(Oval({kCx, 71.5f + b}, s.side ? 1.6f : 2.6f, 1.3f), hollow, false);
    Paint rag = [](Vec2 p) {
        float v = std::sin(p.x * 1.4f);
        return Scale(pal::bone::kDarkDullRust, 1.0f + 0.1f * v);
    };
    {
        float w = s.side ? 5.0f : 6.0f;
        float cx = s.side ? kCx + s.dir * 0.5f : kCx;
        std::vector<Vec2> cloth = {{cx - w, 71.0f + b}, {cx + w, 71.0f + b}};
        for (int i = 0; i <= 6; ++i) {
            float x = cx + w - 2.0f * w * i / 6.0f;
            cloth.push_back({x, 77.0f + b + ((i % 2) ? 2.5f : 0.0f)});
        }
        L.Begin(s.side ? 26 : 16).Add(Poly(cloth), rag);
    }
    // rib cage
    Vec2 rc{s.side ? kCx + s.dir * 0.8f : kCx, 61.0f + b};
    float rrx = s.side ? 5.4f : 7.6f, rry = 6.6f;
    Sdf ribs = [rc, rrx, rry](Vec2 p) {
        float band = std::fabs(std::fmod(p.y - rc.y + 30.0f, 3.0f) - 1.5f) - 0.75f;
        return std::max(SdEllipse(p, rc, rrx, rry), -band);
    };
    L.Begin(20, false).Add(Oval(rc, rrx - 0.8f, rry - 0.6f), hollow, false);
    L.Begin(21).Add(ribs, bone).Add(Capsule(s.shoulder[0], s.shoulder[1], 1.5f, 1.5f), bone);
    if (down) L.Add(Capsule({kCx, 56.0f + b}, {kCx, 64.0f + b}, 1.1f, 0.9f), bone);
    if (up || s.side)
        L.Add(Capsule({spineX, 55.0f + b}, {spineX, 68.0f + b}, 1.5f, 1.5f), segments);
    // skull
    Vec2 h = s.head;
    L.Begin(40);
    if (!s.side) {
        L.Add(Oval(h, 8.6f, 8.8f), bone);
        if (down)
            L.Add(Poly({{h.x - 5.0f, h.y + 4.0f},
                        {h.x + 5.0f, h.y + 4.0f},
                        {h.x + 4.0f, h.y + 10.0f},
                        {h.x - 4.0f, h.y + 10.0f}},
                       1.0f),
                  bone);
        else
            L.Add(Capsule({h.x - 1.5f, h.y - 7.0f}, {h.x + 1.0f, h.y - 2.0f}, 0.4f, 0.4f),
                  Scale(bone, 0.7f), false);
    } else {
        L.Add(Oval(h, 8.2f, 8.8f), bone)
            .Add(Poly({{h.x + s.dir * 1.0f, h.y + 3.0f},
                       {h.x + s.dir * 8.5f, h.y + 3.5f},
                       {h.x + s.dir * 7.5f, h.y + 9.5f},
                       {h.x + s.dir * 1.0f, h.y + 9.0f}},
                      0.8f),
                 bone);
    }
    if (!up) {
        L.Begin(41, false);
        const Color glow = pal::bone::kRed;
        if (!s.side) {
            for (int e = -1; e <= 1; e += 2) {
                L.Add(Oval({h.x + e * 3.6f, h.y + 1.6f}, 2.5f, 2.4f), hollow, false);
                L.Add(Oval({h.x + e * 3.4f, h.y + 1.8f}, 0.8f, 0.8f), glow, false);
            }
            L.Add(Poly({{h.x, h.y + 4.0f}, {h.x - 1.3f, h.y + 6.4f}, {h.x + 1.3f, h.y + 6.4f}}),
                  hollow, false);
            L.Add(
                [h](Vec2 p) {
                    float teeth = std::fabs(std::fmod(p.x - h.x + 40.25f, 1.5f) - 0.75f) - 0.3f;
                    return std::max(SdBox(p, {h.x, h.y + 8.0f}, 3.6f, 0.55f),
                                    std::min(teeth, std::fabs(p.y - h.y - 8.0f) - 0.25f));
                },
                hollow, false);
        } else {
            L.Add(Oval({h.x + s.dir * 4.6f, h.y + 1.4f}, 2.2f, 2.3f), hollow, false)
                .Add(Oval({h.x + s.dir * 5.0f, h.y + 1.6f}, 0.8f, 0.8f), glow, false)
                .Add(Oval({h.x + s.dir * 8.0f, h.y + 4.5f}, 0.9f, 1.2f), hollow, false)
                .Add(Capsule({h.x + s.dir * 3.5f, h.y + 7.6f}, {h.x + s.dir * 8.0f, h.y + 7.6f},
                             0.4f, 0.4f),
                     hollow, false);
        }
    }
    // the rusty sword, raised
    int hi = 1;
    Vec2 fist = WeaponHand(s, hi);
    Vec2 d = RaisedDirection(s, row, 0.55f);
    AddBlade(L, fist, d, 21.0f, 1.9f, Rusty(pal::bone::kWarmGrey, 77u), pal::bone::kDarkRust, 34);
    AddFist(L, fist, bone, 35);
}

Pixmap MakeSkeletonStrip() {
    Canvas strip(kCellW * 3, kCellH * 4);
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            PartList L;
            SkeletonParts(L, row, frame);
            RenderParts(L.Parts(), strip, frame * kCellW, row * kCellH, kCellW, kCellH);
        }
    return strip.ToPixmap(kMaskWhite);
}

// ------------------------------------------------------------------ dressed figures

// Paints `extra` over every cell of a townsfolk strip. Parts with a depth
// below 10 lie behind the figure: they only fill pixels it leaves empty.
Pixmap Overlay(const FigureLook& look,
               const std::function<void(PartList&, const Joints&, int row)>& extra) {
    Canvas strip = FromPixmap(MakeCharacterStrip(look));
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            PartList L;
            extra(L, MakeJoints(row, frame, look.build, look.height), row);
            std::vector<Part> behind, front;
            for (Part& part : L.Parts()) (part.depth < 10 ? behind : front).push_back(part);
            int ox = frame * kCellW, oy = row * kCellH;
            Canvas back(kCellW, kCellH);
            RenderParts(behind, back, 0, 0, kCellW, kCellH);
            for (int y = 0; y < kCellH; ++y)
                for (int x = 0; x < kCellW; ++x)
                    if (back.Painted(x, y) && !strip.Painted(ox + x, oy + y))
                        strip.Set(ox + x, oy + y, back.Get(x, y));
            RenderParts(front, strip, ox, oy, kCellW, kCellH);
        }
    return strip.ToPixmap(kMaskWhite);
}

Pixmap MakeGoblin() {
    FigureLook l;
    l.skin = pal::skin::kOlive;
    l.under = pal::cloth::kDarkDullBrownUnder;
    l.build = 0.86f;
    l.height = 0.8f;
    l.armWidth = 0.85f;
    l.eyes = pal::eyes::kGold;
    l.mouth = pal::skin::kDeepRed;
    l.hair = HairStyle::None;
    l.hat = HatStyle::Helmet;
    l.hatColor = pal::cloth::kDarkRustHat;
    l.tunicColor = pal::cloth::kDarkBrownTunic;
    l.trimColor = pal::cloth::kDarkBrown;
    l.tunicHem = 76.0f;
    l.sleeves = 0;
    l.beltColor = pal::leather::kDeepRustBelt;
    l.trouserColor = pal::cloth::kDarkDullBrown;
    l.boots = false;
    const Color skin = l.skin;
    return Overlay(l, [skin](PartList& L, const Joints& s, int row) {
        Vec2 h = s.head;
        // long pointed ears
        L.Begin(s.side ? 45.0f : 46.0f);
        if (!s.side) {
            for (int e = -1; e <= 1; e += 2)
                L.Add(Poly({{h.x + e * 8.0f, h.y - 1.0f},
                            {h.x + e * 18.0f, h.y - 5.5f},
                            {h.x + e * 8.5f, h.y + 4.5f}},
                           0.6f),
                      skin);
        } else {
            L.Add(Poly({{h.x - s.dir * 1.0f, h.y - 0.5f},
                        {h.x - s.dir * 11.0f, h.y - 6.0f},
                        {h.x - s.dir * 2.5f, h.y + 5.0f}},
                       0.6f),
                  skin);
        }
        // the cap has no nose guard; a big nose instead
        if (row == kDown) {
            L.Begin(44, false).Add(Capsule({h.x, h.y - 0.3f}, {h.x, h.y + 5.6f}, 1.1f, 1.1f), skin,
                                   false);
            L.Begin(45).Add(Oval({h.x, h.y + 4.6f}, 1.7f, 2.0f), skin);
        } else if (s.side) {
            L.Begin(45).Add(Oval({h.x + s.dir * 9.6f, h.y + 3.8f}, 2.4f, 1.8f), skin);
        }
        // a quiver on the back
        if (row != kDown) {
            Vec2 q =
                s.side ? Vec2{kCx - s.dir * 6.5f, 66.0f + s.bob} : Vec2{kCx + 2.0f, 67.0f + s.bob};
            Vec2 q2 =
                s.side ? Vec2{q.x - s.dir * 3.0f, q.y - 10.0f} : Vec2{q.x + 4.0f, q.y - 11.0f};
            L.Begin(row == kUp ? 47.0f : 3.0f)
                .Add(Capsule(Mid(q2, q, -0.15f), Mid(q2, q, -0.35f), 0.9f, 0.9f),
                     pal::cloth::kRedGoblin)
                .Add(Capsule({Mid(q2, q, -0.15f).x + 2.0f, Mid(q2, q, -0.15f).y},
                             {Mid(q2, q, -0.35f).x + 2.0f, Mid(q2, q, -0.35f).y}, 0.9f, 0.9f),
                     pal::cloth::kLightTan)
                .Add(Capsule(q, q2, 1.9f, 2.2f), pal::cloth::kDarkRustGoblin2)
                .Add(Capsule(Mid(q, q2, 0.3f), Mid(q, q2, 0.4f), 2.0f, 2.3f),
                     pal::cloth::kDarkRustGoblin);
        }
        // the bow in the left hand (in side views the near hand)
        int k = s.side ? s.near : 0;
        Vec2 hand{s.hand[k].x, s.hand[k].y + 1.2f};
        float out = s.side ? static_cast<float>(s.dir) : (row == kDown ? 1.0f : -1.0f);
        float half = 13.0f;
        std::vector<Vec2> top, bottom;
        for (int i = 0; i <= 4; ++i) {
            float t = i / 4.0f;
            float bulge = 3.2f * (1.0f - t * t);
            top.push_back({hand.x + out * (bulge - 1.0f), hand.y - half * t});
            bottom.push_back({hand.x + out * (bulge - 1.0f), hand.y + half * t});
        }
        Vec2 tipA = top.back(), tipB = bottom.back();
        L.Begin(48, false).Add(Capsule(tipA, tipB, 0.45f, 0.45f), pal::cloth::kPaleSand, false);
        L.Begin(49)
            .Add(Stroke(top, 1.6f, 0.8f), pal::cloth::kRust)
            .Add(Stroke(bottom, 1.6f, 0.8f), pal::cloth::kRust)
            .Add(Oval(hand, 2.3f, 2.4f), skin);
    });
}

Pixmap MakeStranger() {
    FigureLook l = StrangerLook();
    const Color skin = l.skin;
    return Overlay(l, [skin](PartList& L, const Joints& s, int row) {
        int hi = 1;
        Vec2 fist = WeaponHand(s, hi);
        // the dagger points forward and down, ready to stab
        Vec2 d;
        if (s.side)
            d = {s.dir * 0.8f, 0.6f};
        else
            d = {row == kDown ? -0.55f : 0.55f, row == kDown ? 0.83f : -0.83f};
        Paint steel = [](Vec2 p) {
            return Scale(pal::cloth::kPaleDullBlue, 1.0f + 0.08f * std::sin(p.x * 2.0f + p.y));
        };
        AddBlade(L, fist, d, 10.0f, 1.6f, steel, pal::metal::kDeepRust, 50);
        AddFist(L, fist, skin, 51);
    });
}

FigureLook RobberLook() {
    FigureLook l;
    l.skin = pal::skin::kLightSalmon;
    l.build = 1.08f;
    l.armWidth = 1.12f;
    l.hairColor = pal::hair::kDeepRust;
    l.faceShadow = 0.6f;
    l.tunicColor = pal::cloth::kDarkRustTunic; // the leather vest
    l.trimColor = pal::cloth::kDarkRust;
    l.tunicHem = 77.0f;
    l.sleeves = 2;
    l.sleeveColor = pal::cloth::kDullTan; // a coarse linen shirt
    l.beltColor = pal::leather::kDeepRust;
    l.buckleColor = pal::metal::kWarmGrey;
    l.trouserColor = pal::cloth::kDarkWarmGrey;
    l.bootColor = pal::leather::kDeepRustBoot;
    l.bootTop = 0.2f;
    l.hood = true;
    l.hoodUp = true;
    l.cloakColor = pal::cloth::kDarkRustCloak; // the hood
    l.pouch = true;
    return l;
}

// The robbers' captain: broader, bare-headed, in a darker vest and cloak,
// with the same masked face and club as his men.
FigureLook RobberChiefLook() {
    FigureLook l = RobberLook();
    l.build = 1.16f;
    l.armWidth = 1.2f;
    l.hairColor = pal::hair::kDeepRust;
    l.hoodUp = false;
    l.tunicColor = pal::cloth::kDarkWarmGrey;
    l.trimColor = pal::cloth::kDeepRed;
    l.cloakColor = pal::cloth::kDeepRed;
    l.trouserColor = pal::cloth::kDarkDullRust;
    return l;
}

Pixmap MakeRobber(const FigureLook& l) {
    const Color skin = l.skin;
    return Overlay(l, [skin](PartList& L, const Joints& s, int row) {
        Vec2 h = s.head;
        Color cloth = pal::cloth::kDarkDullRustCloth;
        Paint folds = [cloth](Vec2 p) {
            return Scale(cloth, 1.0f + 0.1f * std::sin(p.x * 1.1f + p.y * 0.4f));
        };
        // the cloth over mouth and nose
        if (row == kDown) {
            Vec2 open{h.x, h.y + 2.6f};
            L.Begin(50).Add(Clip(Poly({{h.x - 8.0f, h.y + 4.4f},
                                       {h.x + 8.0f, h.y + 4.4f},
                                       {h.x + 6.0f, h.y + 12.5f},
                                       {h.x, h.y + 14.5f},
                                       {h.x - 6.0f, h.y + 12.5f}}),
                                 Oval(open, 8.0f, 10.0f)),
                            folds);
        } else if (s.side) {
            L.Begin(50).Add(Poly({{h.x + s.dir * 2.5f, h.y + 3.6f},
                                  {h.x + s.dir * 11.0f, h.y + 2.6f},
                                  {h.x + s.dir * 9.0f, h.y + 11.0f},
                                  {h.x + s.dir * 3.5f, h.y + 13.0f}},
                                 0.5f),
                            folds);
        }
        // a heavy wooden club
        int hi = 1;
        Vec2 fist = WeaponHand(s, hi);
        Vec2 d = RaisedDirection(s, row, 0.7f);
        Vec2 end{fist.x + d.x * 17.0f, fist.y + d.y * 17.0f};
        Paint wood = [](Vec2 p) {
            return Scale(pal::cloth::kDarkRustRobber,
                         1.0f + 0.1f * std::sin(p.y * 2.2f + p.x * 0.7f));
        };
        L.Begin(52)
            .Add(Capsule({fist.x - d.x * 3.0f, fist.y - d.y * 3.0f}, end, 1.5f, 3.6f), wood)
            .Add(Circle(Mid(fist, end, 0.82f), 0.8f), pal::cloth::kGrey)
            .Add(Circle({Mid(fist, end, 0.66f).x + 1.5f, Mid(fist, end, 0.66f).y}, 0.7f),
                 pal::cloth::kGrey);
        AddFist(L, fist, skin, 53);
    });
}

} // namespace

void MakeEnemyImages(const PictureSink& sink) {
    sink("Grafik/Gegner/Gegner1.png", MakeWolf());
    sink("Grafik/Gegner/Gegner2.png", MakeGoblin());
    sink("Grafik/Gegner/Gegner3.png", MakeSkeletonStrip());
    sink("Grafik/Gegner/Gegner4.png", MakeRobber(RobberLook()));
    sink("Grafik/Gegner/Gegner5.png", MakeStranger());
    sink("Grafik/Gegner/Gegner6.png", MakeSpiritWolf());
    sink("Grafik/Gegner/Gegner7.png", MakeRobber(RobberChiefLook()));
}

} // namespace art::combat
