// Shields held on the figure's left arm: the round wooden shield and the iron
// kite shield. The game draws a shield strip in front of the figure when it
// faces down or left (the left arm is turned to the viewer) and behind it
// when it faces up or right, so every cell holds the whole shield: facing up
// its back shows beside the figure, in the side views it is seen at a slant.
#include "items.h"
#include "palette.h"
#include "worn.h"

#include <algorithm>
#include <cmath>

namespace art::items {

namespace {

constexpr int kLeft = 0; // the figure's left arm carries the shield

// Where the shield sits and how wide it looks: 1 seen face on, less at a
// slant. `back` when the viewer sees its inner side.
struct ShieldPose {
    Vec2 centre;
    float squeeze = 1.0f;
    bool back = false;
    int toward = 1; // the side of the screen the shield's face turns to
};

ShieldPose PoseOf(const Skeleton& s) {
    Vec2 fore = Mid(s.elbow[kLeft], s.hand[kLeft], 0.6f);
    ShieldPose sp;
    switch (s.facing) {
    case Facing::Down: // the left arm is on the right of the screen
        sp.centre = {fore.x + 1.5f, fore.y - 0.5f};
        break;
    case Facing::Up:
        sp.centre = {fore.x - 1.5f, fore.y - 0.5f};
        sp.back = true;
        break;
    default: {
        // carried in front of the body, swinging a little with the arm
        float x = kCx + s.dir * 3.5f;
        sp.centre = {x + (fore.x - x) * 0.4f, fore.y - 0.5f};
        sp.squeeze = 0.62f;
        sp.toward = s.dir;
    }
    }
    return sp;
}

// Signed distance of a shape given face on, squeezed horizontally about the
// shield's centre.
Sdf Squeezed(const ShieldPose& sp, std::function<float(Vec2)> faceOn) {
    return [sp, faceOn](Vec2 p) {
        Vec2 q{sp.centre.x + (p.x - sp.centre.x) / sp.squeeze, p.y};
        return faceOn(q) * std::min(1.0f, sp.squeeze + 0.2f);
    };
}

Paint Planks(Color c, const ShieldPose& sp) {
    return [c, sp](Vec2 p) {
        float u = (p.x - sp.centre.x) / sp.squeeze + 20.0f;
        float f = std::fmod(u, 4.0f);
        if (f < 0.7f) return Scale(c, 0.7f);
        int plank = static_cast<int>(u / 4.0f);
        return Scale(c, (plank & 1) ? 0.94f : 1.04f);
    };
}

// The strap and grip on the inner side, seen when facing up.
void AddStraps(const ShieldPose& sp, float halfW, Part& g) {
    Vec2 c = sp.centre;
    g.pieces.push_back(Filled(
        Capsule({c.x - halfW * 0.6f, c.y - 2.0f}, {c.x + halfW * 0.6f, c.y - 2.0f}, 0.9f, 0.9f),
        pal::leather::kShieldStrap));
    g.pieces.push_back(Filled(
        Capsule({c.x - halfW * 0.5f, c.y + 2.5f}, {c.x + halfW * 0.5f, c.y + 2.5f}, 0.9f, 0.9f),
        pal::leather::kShieldStrap));
}

void AddRoundShield(const Skeleton& s, std::vector<Part>& out) {
    ShieldPose sp = PoseOf(s);
    const float r = 8.6f;
    const Color wood = pal::wood::kShieldPlank, iron = pal::metal::kIronDark;
    Vec2 c = sp.centre;
    Part g{kLayerWorn, 50, true, 1.0f, {}};
    Sdf disc = Squeezed(sp, [c, r](Vec2 q) { return SdCircle(q, c, r); });
    // the iron rim, then the planks inside it
    g.pieces.push_back({disc, Flat(iron)});
    g.pieces.push_back({Squeezed(sp, [c, r](Vec2 q) { return SdCircle(q, c, r - 1.3f); }),
                        Planks(sp.back ? Scale(wood, 0.8f) : wood, sp)});
    if (sp.back) {
        AddStraps(sp, r, g);
    } else {
        // the boss, turned a little towards the way the shield faces
        Vec2 b{c.x + (1.0f - sp.squeeze) * 2.5f * sp.toward, c.y};
        g.pieces.push_back(
            {Squeezed(sp, [b](Vec2 q) { return SdCircle(q, b, 2.8f); }), Flat(pal::metal::kIron)});
        g.pieces.push_back({Squeezed(sp,
                                     [b](Vec2 q) {
                                         return SdCircle(q, {b.x - 0.8f, b.y - 0.8f}, 0.9f);
                                     }),
                            Flat(pal::metal::kPlateRivet), false});
    }
    out.push_back(g);
}

void AddKiteShield(const Skeleton& s, std::vector<Part>& out) {
    ShieldPose sp = PoseOf(s);
    const Color iron = pal::metal::kIron, dark = pal::metal::kIronDark;
    Vec2 c = sp.centre;
    const float hw = 7.0f, topY = c.y - 9.0f, botY = c.y + 12.0f;
    auto kite = [=](float inset) {
        return Squeezed(sp, [=](Vec2 q) {
            // a rounded top and straight sides running to a point
            std::vector<Vec2> pts = {{c.x - hw + inset, topY + 1.5f},
                                     {c.x + hw - inset, topY + 1.5f},
                                     {c.x + hw - inset, c.y + 1.0f},
                                     {c.x, botY - inset * 1.6f},
                                     {c.x - hw + inset, c.y + 1.0f}};
            float d = SdPolygon(q, pts);
            float cap = std::max(SdEllipse(q, {c.x, topY + 1.5f}, hw - inset, 2.4f - inset * 0.3f),
                                 q.y - (topY + 1.5f));
            return std::min(d, cap);
        });
    };
    Part g{kLayerWorn, 50, true, 1.0f, {}};
    g.pieces.push_back({kite(0.0f), Flat(dark)});
    if (sp.back) {
        g.pieces.push_back({kite(1.2f), Flat(Scale(iron, 0.78f))});
        AddStraps(sp, hw, g);
    } else {
        Paint face = [iron, sp](Vec2 p) {
            float u = (p.x - sp.centre.x) / sp.squeeze;
            return u < -3.0f ? Lighter(iron, 0.22f) : (u > 3.5f ? Scale(iron, 0.86f) : iron);
        };
        g.pieces.push_back({kite(1.2f), face});
        // a blue field with a golden cross on the upper half
        g.pieces.push_back({Squeezed(sp,
                                     [=](Vec2 q) {
                                         return std::max(
                                             SdBox(q, {c.x, c.y - 3.0f}, hw - 2.6f, 4.2f) - 0.5f,
                                             q.y - (c.y + 1.4f));
                                     }),
                            Flat(pal::cloth::kDefaultTabard)});
        g.pieces.push_back({Squeezed(sp,
                                     [=](Vec2 q) {
                                         return std::min(SdBox(q, {c.x, c.y - 3.0f}, 0.8f, 3.8f),
                                                         SdBox(q, {c.x, c.y - 3.6f}, 3.6f, 0.8f));
                                     }),
                            Flat(pal::cloth::kDefaultTabardTrim), false});
        // the ridge down to the point
        g.pieces.push_back(
            {Squeezed(sp,
                      [=](Vec2 q) {
                          return SdCapsule(q, {c.x, c.y + 2.5f}, {c.x, botY - 3.5f}, 0.6f, 0.5f);
                      }),
             Flat(Lighter(iron, 0.3f)), false});
        for (float dx : {-hw + 2.0f, hw - 2.0f})
            g.pieces.push_back({Squeezed(sp,
                                         [=](Vec2 q) {
                                             return SdCircle(q, {c.x + dx, topY + 1.6f}, 0.7f);
                                         }),
                                Flat(pal::metal::kPlateRivet), false});
    }
    out.push_back(g);
}

} // namespace

void MakeShieldImages(const PictureSink& sink) {
    // nothing of the figure hides a shield: the game puts it in front of or
    // behind the whole figure
    WriteWornStrips(sink, "Holzschild", 0u, AddRoundShield);
    WriteWornStrips(sink, "Eisenschild", 0u, AddKiteShield);
}

} // namespace art::items
