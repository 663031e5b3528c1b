#include "figures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {

namespace {

constexpr float kDesignW = 72.0f;
constexpr float kCx = 36.0f; // horizontal centre of the figure

enum class Facing { Up, Right, Down, Left };

using Sdf = std::function<float(Vec2)>;
using Paint = std::function<Color(Vec2)>;

struct Shape {
    Sdf sdf;
    Paint paint;
    bool shaded = true;
};

struct Group {
    unsigned layer = kLayerBody;
    float depth = 0;
    bool outline = true;
    float light = 1.0f; // far limbs are drawn a little darker
    std::vector<Shape> shapes;
};

Paint Flat(Color c) {
    return [c](Vec2) { return c; };
}

Shape Ellipse(Vec2 c, float rx, float ry, Color col) {
    return {[=](Vec2 p) { return SdEllipse(p, c, rx, ry); }, Flat(col)};
}

Shape Capsule(Vec2 a, Vec2 b, float ra, float rb, Color col) {
    return {[=](Vec2 p) { return SdCapsule(p, a, b, ra, rb); }, Flat(col)};
}

Shape Poly(std::vector<Vec2> pts, float round, Color col) {
    return {[pts, round](Vec2 p) { return SdPolygon(p, pts) - round; }, Flat(col)};
}

Vec2 Mid(Vec2 a, Vec2 b, float t = 0.5f) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Joint positions of one pose. Index 0 is the figure's left side, 1 its right.
struct Skeleton {
    Facing facing = Facing::Down;
    int dir = 1;       // side views: +1 faces right, -1 faces left
    bool side = false; // a side view
    int nearSide = 1;  // side views: the side turned towards the viewer
    Vec2 head;
    float headRx = 10, headRy = 10.5f;
    Vec2 neckTop, neckBottom;
    std::vector<Vec2> torso; // polygon, rounded by 1.5 when drawn
    Vec2 shoulder[2], elbow[2], hand[2];
    Vec2 hip[2], knee[2], ankle[2];
    Vec2 foot[2];
    float footRx[2] = {3.6f, 3.6f}, footRy[2] = {2.6f, 2.6f};
    float legFwd[2] = {0, 0};
    float pixel = 1.0f; // design units per picture pixel
};

Skeleton MakeSkeleton(Facing facing, int frame, float build, float pixel) {
    Skeleton s;
    s.pixel = pixel;
    s.facing = facing;
    s.side = facing == Facing::Right || facing == Facing::Left;
    s.dir = facing == Facing::Left ? -1 : 1;
    // frame 0: left leg forward, 1: standing, 2: right leg forward; arms swing
    // against the leg of their own side
    float left = frame == 0 ? 1.0f : (frame == 2 ? -1.0f : 0.0f);
    s.legFwd[0] = left;
    s.legFwd[1] = -left;
    float armFwd[2] = {-left, left};
    // the body dips by one whole pixel in the stepping frames
    float bob = frame == 1 ? 0.0f : pixel;

    if (!s.side) {
        // front view (down) shows the figure's left on the right of the screen
        float sx[2];
        sx[0] = facing == Facing::Down ? 1.0f : -1.0f;
        sx[1] = -sx[0];
        s.head = {kCx, 40.5f + bob};
        s.neckTop = {kCx, 48.0f + bob};
        s.neckBottom = {kCx, 55.0f + bob};
        float w = build;
        s.torso = {{kCx - 8.5f * w, 55.5f + bob}, {kCx + 8.5f * w, 55.5f + bob},
                   {kCx + 7.0f * w, 66.0f + bob}, {kCx + 7.0f * w, 71.5f + bob},
                   {kCx - 7.0f * w, 71.5f + bob}, {kCx - 7.0f * w, 66.0f + bob}};
        float toward = facing == Facing::Down ? 1.0f : -1.0f; // forward = towards the viewer
        for (int k = 0; k < 2; ++k) {
            s.shoulder[k] = {kCx + sx[k] * 9.3f * w, 57.5f + bob};
            Vec2 hand{kCx + sx[k] * 11.6f * w, 71.5f + bob};
            float a = armFwd[k] * toward;
            if (a > 0) {
                hand.y += 1.6f;
                hand.x -= sx[k] * 1.0f;
            } else if (a < 0) {
                hand.y -= 2.4f;
                hand.x += sx[k] * 0.6f;
            }
            s.hand[k] = hand;
            s.elbow[k] = Mid(s.shoulder[k], hand);
            s.elbow[k].x += sx[k] * 0.8f;
            s.hip[k] = {kCx + sx[k] * 4.2f * w, 71.0f + bob};
            Vec2 ankle{kCx + sx[k] * 4.4f * w, 86.3f};
            float l = s.legFwd[k] * toward;
            if (l > 0) ankle.y += 1.4f;
            if (l < 0) ankle.y -= 2.6f;
            s.ankle[k] = ankle;
            s.knee[k] = Mid(s.hip[k], ankle);
            s.foot[k] = {ankle.x + sx[k] * 0.3f, ankle.y + 2.6f};
            s.footRx[k] = 3.6f;
            s.footRy[k] = facing == Facing::Down ? 2.8f : 2.3f;
        }
        return s;
    }

    // side views: the figure's right side is turned to the viewer when it
    // faces right, its left side when it faces left
    s.nearSide = s.dir > 0 ? 1 : 0;
    auto X = [&](float o) { return kCx + s.dir * o; };
    s.head = {X(1.0f), 40.5f + bob};
    s.headRx = 9.6f;
    s.neckTop = {X(0.5f), 48.0f + bob};
    s.neckBottom = {X(0.0f), 55.0f + bob};
    s.torso = {{X(-5.0f), 55.5f + bob}, {X(4.5f), 55.5f + bob},  {X(5.2f), 63.5f + bob},
               {X(4.2f), 71.5f + bob},  {X(-4.6f), 71.5f + bob}, {X(-5.2f), 63.0f + bob}};
    for (int k = 0; k < 2; ++k) {
        float a = armFwd[k];
        s.shoulder[k] = {X(-0.5f), 57.5f + bob};
        s.hand[k] = {X(1.0f + 6.5f * a), 71.5f + bob - std::fabs(a) * 1.2f};
        s.elbow[k] = Mid(s.shoulder[k], s.hand[k]);
        s.elbow[k].x += s.dir * (a > 0 ? -0.6f : -1.0f);
        s.hip[k] = {X(0.0f), 71.0f + bob};
        float l = s.legFwd[k];
        if (l > 0) {
            s.ankle[k] = {X(7.0f), 86.2f};
            s.knee[k] = {X(4.8f), 79.0f + bob * 0.5f};
        } else if (l < 0) {
            s.ankle[k] = {X(-6.6f), 84.4f};
            s.knee[k] = {X(-1.2f), 79.4f + bob * 0.5f};
        } else {
            s.ankle[k] = {X(k == s.nearSide ? 0.8f : -0.4f), 86.3f};
            s.knee[k] = {X(k == s.nearSide ? 1.2f : 0.2f), 79.0f};
        }
        s.foot[k] = {s.ankle[k].x + s.dir * 2.2f, s.ankle[k].y + 2.5f};
        s.footRx[k] = l < 0 ? 4.0f : 4.6f;
        s.footRy[k] = 2.4f;
    }
    return s;
}

// Depth of a limb: behind the torso for the far side of a side view.
float LimbDepth(const Skeleton& s, int k, float front, float farBehind) {
    if (!s.side) return front;
    return k == s.nearSide ? front : farBehind;
}

float LimbLight(const Skeleton& s, int k) {
    return (!s.side || k == s.nearSide) ? 1.0f : 0.82f;
}

void AddBody(const FigureLook& L, const Skeleton& s, std::vector<Group>& out) {
    // neck
    Group neck{kLayerBody, 15, true, 1.0f, {}};
    neck.shapes.push_back(Capsule(s.neckTop, s.neckBottom, 3.0f, 3.3f, L.skin));
    out.push_back(neck);

    // torso in underclothes
    Group torso{kLayerBody, 20, true, 1.0f, {}};
    torso.shapes.push_back(Poly(s.torso, 1.5f, L.under));
    out.push_back(torso);

    for (int k = 0; k < 2; ++k) {
        Group leg{kLayerBody, LimbDepth(s, k, 10, 8), true, LimbLight(s, k), {}};
        if (s.side && k == s.nearSide) leg.depth = 22;
        leg.shapes.push_back(Capsule(s.hip[k], s.knee[k], 3.9f, 3.4f, L.skin));
        leg.shapes.push_back(Capsule(s.knee[k], s.ankle[k], 3.4f, 2.7f, L.skin));
        leg.shapes.push_back(Ellipse(s.foot[k], s.footRx[k], s.footRy[k], L.skin));
        // the shorts of the underclothes
        Vec2 shortsEnd = Mid(s.hip[k], s.knee[k], 0.45f);
        leg.shapes.push_back(Capsule(s.hip[k], shortsEnd, 4.3f, 4.1f, L.under));
        out.push_back(leg);

        Group arm{kLayerBody, LimbDepth(s, k, 30, 5), true, LimbLight(s, k), {}};
        arm.shapes.push_back(Capsule(s.shoulder[k], s.elbow[k], 3.1f, 2.8f, L.skin));
        arm.shapes.push_back(Capsule(s.elbow[k], s.hand[k], 2.8f, 2.4f, L.skin));
        Vec2 h = s.hand[k];
        h.y += 1.2f;
        arm.shapes.push_back(Ellipse(h, 2.7f, 2.9f, L.skin));
        out.push_back(arm);
    }

    // head and ears
    Group head{kLayerBody, 40, true, 1.0f, {}};
    head.shapes.push_back(Ellipse(s.head, s.headRx, s.headRy, L.skin));
    out.push_back(head);
    if (!s.side) {
        Group ears{kLayerBody, 39, true, 1.0f, {}};
        for (int e = -1; e <= 1; e += 2)
            ears.shapes.push_back(
                Ellipse({s.head.x + e * (s.headRx - 0.3f), s.head.y + 2.0f}, 1.9f, 2.7f, L.skin));
        out.push_back(ears);
    } else {
        Group ear{kLayerBody, 40.5f, true, 1.0f, {}};
        ear.shapes.push_back(
            Ellipse({s.head.x - s.dir * 2.2f, s.head.y + 2.2f}, 1.9f, 2.6f, L.skin));
        out.push_back(ear);
    }
}

void AddFace(const FigureLook& L, const Skeleton& s, std::vector<Group>& out) {
    if (s.facing == Facing::Up) return;
    Color brow = Darker(L.hairColor, 0.35f);
    Vec2 c = s.head;
    if (!s.side) {
        Group d{kLayerFace, 41, false, 1.0f, {}};
        for (int e = -1; e <= 1; e += 2) {
            Vec2 eye{c.x + e * 3.8f, c.y + 2.2f};
            d.shapes.push_back(
                {[eye](Vec2 p) { return SdBox(p, eye, 0.95f, 1.45f); }, Flat(L.eyes), false});
            d.shapes.push_back(Capsule({c.x + e * 2.3f, c.y - 1.3f}, {c.x + e * 5.3f, c.y - 1.7f},
                                       0.65f, 0.65f, brow));
            d.shapes.back().shaded = false;
        }
        d.shapes.push_back({[c](Vec2 p) {
                                return SdBox(p, {c.x, c.y + 5.0f}, 0.7f, 0.7f);
                            },
                            Flat(Scale(L.skin, 0.8f)), false});
        Vec2 m{c.x, c.y + 7.6f};
        float half = 0.5f * s.pixel + 0.02f;
        d.shapes.push_back(
            {[m, half](Vec2 p) { return SdBox(p, m, 1.7f, half); }, Flat(L.mouth), false});
        out.push_back(d);
        return;
    }
    // profile: nose sticking out of the head outline, one eye, mouth
    auto X = [&](float o) { return c.x + s.dir * o; };
    Group nose{kLayerFace, 41, true, 1.0f, {}};
    nose.shapes.push_back(Ellipse({X(s.headRx - 0.2f), c.y + 3.6f}, 1.7f, 1.9f, L.skin));
    out.push_back(nose);
    Group d{kLayerFace, 41.5f, false, 1.0f, {}};
    Vec2 eye{X(5.2f), c.y + 2.0f};
    d.shapes.push_back({[eye](Vec2 p) { return SdBox(p, eye, 0.9f, 1.45f); }, Flat(L.eyes), false});
    d.shapes.push_back(Capsule({X(3.8f), c.y - 1.6f}, {X(6.8f), c.y - 1.4f}, 0.65f, 0.65f, brow));
    d.shapes.back().shaded = false;
    Vec2 m{X(7.6f), c.y + 7.4f};
    float half = 0.5f * s.pixel + 0.02f;
    d.shapes.push_back(
        {[m, half](Vec2 p) { return SdBox(p, m, 1.0f, half); }, Flat(L.mouth), false});
    out.push_back(d);
}

void AddHair(const FigureLook& L, const Skeleton& s, std::vector<Group>& out) {
    if (L.hair == HairStyle::None) return;
    Vec2 c = s.head;
    float rx = s.headRx + 1.3f, ry = s.headRy + 1.1f;
    bool longHair = L.hair == HairStyle::Long;
    Facing f = s.facing;
    int dir = s.dir;
    Sdf sdf = [=](Vec2 p) {
        float base = SdEllipse(p, {c.x, c.y - 0.6f}, rx, ry);
        float region;
        if (f == Facing::Up) {
            region = p.y - (c.y + (longHair ? 13.0f : 7.5f));
            if (longHair) base = std::min(base, SdBox(p, {c.x, c.y + 6.0f}, rx - 0.5f, 7.0f));
        } else if (f == Facing::Down) {
            float fringe = p.y - (c.y - 3.2f + 1.1f * std::sin(p.x * 1.3f));
            float sides = std::max(8.0f - std::fabs(p.x - c.x), p.y - (c.y + (longHair ? 11 : 2)));
            region = std::min(fringe, sides);
            if (longHair)
                base = std::min(base, std::max(SdBox(p, {c.x, c.y + 5.0f}, rx, 7.0f),
                                               8.0f - std::fabs(p.x - c.x)));
        } else {
            float top = p.y - (c.y - 3.4f + 0.9f * std::sin(p.x * 1.3f));
            float back = std::max(dir * (p.x - c.x) + 3.4f, p.y - (c.y + (longHair ? 11 : 5.5f)));
            region = std::min(top, back);
            if (longHair)
                base = std::min(base, SdBox(p, {c.x - dir * 5.5f, c.y + 5.0f}, 5.0f, 7.0f));
        }
        return std::max(base, region);
    };
    Color hc = L.hairColor;
    Paint paint = [c, hc](Vec2 p) {
        // strands: gentle stripes following the head's curve
        float a = std::atan2(p.y - (c.y + 6.0f), p.x - c.x);
        float v = std::sin(a * 15.0f + 0.7f * std::sin(p.y * 0.9f));
        return v > 0.82f ? Scale(hc, 1.1f) : (v < -0.9f ? Scale(hc, 0.88f) : hc);
    };
    Group g{kLayerHair, 42, true, 1.0f, {}};
    g.shapes.push_back({sdf, paint, true});
    out.push_back(g);
}

void AddClothes(const FigureLook& L, const Skeleton& s, std::vector<Group>& out) {
    for (int k = 0; k < 2; ++k) {
        if (L.trousers || L.boots) {
            Group legs{kLayerClothes, LimbDepth(s, k, 11, 9), true, LimbLight(s, k), {}};
            if (s.side && k == s.nearSide) legs.depth = 23;
            if (L.trousers) {
                legs.shapes.push_back(Capsule(s.hip[k], s.knee[k], 4.6f, 4.0f, L.trouserColor));
                legs.shapes.push_back(Capsule(s.knee[k], s.ankle[k], 4.0f, 3.4f, L.trouserColor));
            }
            if (L.boots) {
                Vec2 top = Mid(s.knee[k], s.ankle[k], 0.35f);
                legs.shapes.push_back(Capsule(top, s.ankle[k], 3.9f, 3.4f, L.bootColor));
                legs.shapes.push_back(
                    Ellipse(s.foot[k], s.footRx[k] + 0.7f, s.footRy[k] + 0.6f, L.bootColor));
                // a lighter cuff at the top of the boot
                Vec2 cuff = Mid(s.knee[k], s.ankle[k], 0.42f);
                legs.shapes.push_back(Capsule(top, cuff, 4.2f, 4.1f, Lighter(L.bootColor, 0.18f)));
            }
            out.push_back(legs);
        }
        if (L.tunic && L.sleeves > 0) {
            Group sleeve{kLayerClothes, LimbDepth(s, k, 31, 6), true, LimbLight(s, k), {}};
            Vec2 end = L.sleeves == 1 ? Mid(s.shoulder[k], s.elbow[k], 0.85f) : s.hand[k];
            if (L.sleeves == 1) {
                sleeve.shapes.push_back(Capsule(s.shoulder[k], end, 4.2f, 3.7f, L.tunicColor));
                Vec2 hem = Mid(s.shoulder[k], s.elbow[k], 0.72f);
                sleeve.shapes.push_back(Capsule(hem, end, 3.8f, 3.7f, L.trimColor));
            } else {
                sleeve.shapes.push_back(
                    Capsule(s.shoulder[k], s.elbow[k], 4.2f, 3.7f, L.tunicColor));
                sleeve.shapes.push_back(Capsule(s.elbow[k], end, 3.7f, 3.3f, L.tunicColor));
            }
            out.push_back(sleeve);
        }
    }
    if (!L.tunic) return;

    // tunic body: the torso widened, flaring into a short skirt
    float hem = L.tunicHem;
    std::vector<Vec2> t = s.torso;
    float top = t[0].y, waist = t[2].y;
    float bob = top - 55.5f;
    float cx = kCx;
    std::vector<Vec2> body;
    if (!s.side) {
        float hw = std::fabs(t[0].x - cx) + 0.9f, ww = std::fabs(t[2].x - cx) + 0.8f;
        body = {{cx - hw, top - 0.4f},       {cx + hw, top - 0.4f},       {cx + ww, waist},
                {cx + ww + 2.0f, hem + bob}, {cx - ww - 2.0f, hem + bob}, {cx - ww, waist}};
    } else {
        int d = s.dir;
        auto X = [&](float o) { return cx + d * o; };
        body = {{X(-5.8f), top - 0.4f}, {X(5.3f), top - 0.4f}, {X(6.0f), waist},
                {X(6.8f), hem + bob},   {X(-6.6f), hem + bob}, {X(-6.0f), waist}};
    }
    Group tunic{kLayerClothes, 24.5f, true, 1.0f, {}};
    if (!s.side) tunic.depth = 21;
    tunic.shapes.push_back(Poly(body, 1.2f, L.tunicColor));
    // hem band and neckline
    Color trim = L.trimColor;
    float hemY = hem + bob;
    auto bodyCopy = body;
    tunic.shapes.push_back({[bodyCopy, hemY](Vec2 p) {
                                return std::max(SdPolygon(p, bodyCopy) - 1.2f, (hemY - 1.2f) - p.y);
                            },
                            Flat(trim)});
    if (s.facing == Facing::Down) {
        Vec2 nc{cx, top - 0.2f};
        Color skin = L.skin;
        tunic.shapes.push_back({[nc](Vec2 p) { return SdEllipse(p, nc, 3.6f, 2.6f); }, Flat(trim)});
        tunic.shapes.push_back({[nc](Vec2 p) { return SdEllipse(p, nc, 2.6f, 1.7f); }, Flat(skin)});
        // lacing
        tunic.shapes.push_back(Capsule({cx, top + 1.6f}, {cx, top + 5.0f}, 0.45f, 0.45f, trim));
    }
    if (L.belt) {
        float by = waist + 2.2f;
        auto bodyB = body;
        tunic.shapes.push_back({[bodyB, by](Vec2 p) {
                                    return std::max(SdPolygon(p, bodyB) - 1.3f,
                                                    std::fabs(p.y - by) - 1.5f);
                                },
                                Flat(L.beltColor)});
        if (s.facing == Facing::Down) {
            Vec2 b{cx, by};
            tunic.shapes.push_back(
                {[b](Vec2 p) { return SdBox(p, b, 1.8f, 1.6f); }, Flat(L.buckleColor)});
        } else if (s.side) {
            Vec2 pouch{cx - s.dir * 3.8f, by + 2.6f};
            tunic.shapes.push_back({[pouch](Vec2 p) { return SdBox(p, pouch, 1.6f, 2.0f) - 0.4f; },
                                    Flat(Scale(L.beltColor, 1.25f))});
        }
    }
    out.push_back(tunic);
}

std::vector<Group> BuildFigure(const FigureLook& look, Facing facing, int frame, float pixel) {
    Skeleton s = MakeSkeleton(facing, frame, look.build, pixel);
    std::vector<Group> groups;
    AddBody(look, s, groups);
    AddFace(look, s, groups);
    AddHair(look, s, groups);
    AddClothes(look, s, groups);
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group& a, const Group& b) { return a.depth < b.depth; });
    return groups;
}

// Light from the upper left: the rim of a shape facing the light is lit, the
// rim facing away is shaded; three steps keep the pixels crisp.
Color ShadeAt(const Shape& sh, Vec2 p, float d, float light) {
    Color base = sh.paint(p);
    if (!sh.shaded) return Scale(base, light);
    const float e = 0.35f;
    float gx = sh.sdf({p.x + e, p.y}) - sh.sdf({p.x - e, p.y});
    float gy = sh.sdf({p.x, p.y + e}) - sh.sdf({p.x, p.y - e});
    float len = std::hypot(gx, gy);
    float f = 1.0f;
    if (len > 1e-4f) {
        float lit = -(gx * -0.55f + gy * -0.83f) / len; // > 0: the rim faces away from the light
        float rim = std::clamp(1.0f + d / 2.2f, 0.0f, 1.0f);
        float v = -lit * rim;
        if (v > 0.3f)
            f = 1.13f;
        else if (v < -0.3f)
            f = 0.8f;
    }
    return Scale(base, f * light);
}

void RenderCell(const std::vector<Group>& groups, unsigned include, unsigned keep, float scale,
                Canvas& out, int ox, int oy, int cw, int ch) {
    std::vector<int> owner(static_cast<size_t>(cw) * ch, 0);
    std::vector<Color> col(static_cast<size_t>(cw) * ch);
    float onePixel = 1.0f / scale;
    for (const Group& g : groups) {
        if (!(g.layer & include)) continue;
        Color outlineColor = Darker(g.shapes.front().paint({0, 0}), 0.78f);
        for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i) {
                Vec2 p{(i + 0.5f) / scale, (j + 0.5f) / scale};
                float dmin = 1e9f;
                int last = -1;
                float dlast = 0;
                for (size_t k = 0; k < g.shapes.size(); ++k) {
                    float d = g.shapes[k].sdf(p);
                    dmin = std::min(dmin, d);
                    if (d <= 0) {
                        last = static_cast<int>(k);
                        dlast = d;
                    }
                }
                size_t idx = static_cast<size_t>(j) * cw + i;
                if (last >= 0) {
                    col[idx] = ShadeAt(g.shapes[last], p, dlast, g.light);
                    owner[idx] = static_cast<int>(g.layer);
                } else if (g.outline && dmin <= onePixel) {
                    col[idx] = outlineColor;
                    owner[idx] = static_cast<int>(g.layer);
                }
            }
    }
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i) {
            size_t idx = static_cast<size_t>(j) * cw + i;
            if (owner[idx] != 0 && (static_cast<unsigned>(owner[idx]) & keep))
                out.Set(ox + i, oy + j, col[idx]);
        }
}

} // namespace

Pixmap MakeFigureStrip(const FigureLook& look, unsigned include, unsigned keep, int cellW,
                       int cellH) {
    Canvas strip(cellW * 3, cellH * 4);
    float scale = cellW / kDesignW;
    const Facing rows[4] = {Facing::Up, Facing::Right, Facing::Down, Facing::Left};
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            std::vector<Group> groups = BuildFigure(look, rows[row], frame, 1.0f / scale);
            RenderCell(groups, include, keep, scale, strip, frame * cellW, row * cellH, cellW,
                       cellH);
        }
    return strip.ToPixmap(kMaskGreen);
}

FigureLook PlayerLook() {
    return FigureLook{};
}

} // namespace art
