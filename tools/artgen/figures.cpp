#include "figures.h"
#include "palette.h"

#include "parts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art {

namespace {

Skeleton MakeFullSizeSkeleton(Facing facing, int frame, float build, float pixel) {
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
    s.bob = bob;

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

// Shrinks a figure towards its feet; the dip of the stepping frames stays one
// whole pixel.
Skeleton MakeSkeleton(Facing facing, int frame, const FigureLook& look, float pixel) {
    Skeleton s = MakeFullSizeSkeleton(facing, frame, look.build, pixel);
    if (look.height == 1.0f) return s;
    float h = look.height, lift = s.bob * (1.0f - h);
    auto fix = [&](Vec2& p) { p.y = kFeet - (kFeet - p.y) * h + lift; };
    fix(s.head);
    fix(s.neckTop);
    fix(s.neckBottom);
    for (Vec2& p : s.torso) fix(p);
    for (int k = 0; k < 2; ++k)
        for (Vec2* p : {&s.shoulder[k], &s.elbow[k], &s.hand[k], &s.hip[k], &s.knee[k], &s.ankle[k],
                        &s.foot[k]})
            fix(*p);
    s.height = h;
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

// The skin of the head, darker when it lies in the shadow of a hood.
Color HeadSkin(const FigureLook& L) {
    return L.faceShadow > 0 ? Mix(L.skin, pal::light::kDeepGreyHeadSkin, L.faceShadow) : L.skin;
}

void AddBody(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    // neck
    Part neck{kLayerBody, 15, true, 1.0f, {}};
    neck.pieces.push_back(Filled(Capsule(s.neckTop, s.neckBottom, 3.0f, 3.3f), L.skin));
    out.push_back(neck);

    // torso in underclothes
    Part torso{kLayerBody, 20, true, 1.0f, {}};
    torso.pieces.push_back(Filled(Poly(s.torso, 1.5f), L.under));
    out.push_back(torso);

    for (int k = 0; k < 2; ++k) {
        Part leg{kLayerBody, LimbDepth(s, k, 10, 8), true, LimbLight(s, k), {}};
        if (s.side && k == s.nearSide) leg.depth = 22;
        leg.pieces.push_back(Filled(Capsule(s.hip[k], s.knee[k], 3.9f, 3.4f), L.skin));
        leg.pieces.push_back(Filled(Capsule(s.knee[k], s.ankle[k], 3.4f, 2.7f), L.skin));
        leg.pieces.push_back(Filled(Oval(s.foot[k], s.footRx[k], s.footRy[k]), L.skin));
        // the shorts of the underclothes
        Vec2 shortsEnd = Mid(s.hip[k], s.knee[k], 0.45f);
        leg.pieces.push_back(Filled(Capsule(s.hip[k], shortsEnd, 4.3f, 4.1f), L.under));
        out.push_back(leg);

        Part arm{kLayerBody, LimbDepth(s, k, 30, 5), true, LimbLight(s, k), {}};
        float aw = L.armWidth;
        arm.pieces.push_back(
            Filled(Capsule(s.shoulder[k], s.elbow[k], 3.1f * aw, 2.8f * aw), L.skin));
        arm.pieces.push_back(Filled(Capsule(s.elbow[k], s.hand[k], 2.8f * aw, 2.4f * aw), L.skin));
        Vec2 h = s.hand[k];
        h.y += 1.2f;
        arm.pieces.push_back(Filled(Oval(h, 2.7f, 2.9f), L.skin));
        out.push_back(arm);
    }

    // head and ears
    Color face = HeadSkin(L);
    Part head{kLayerBody, 40, true, 1.0f, {}};
    head.pieces.push_back(Filled(Oval(s.head, s.headRx, s.headRy), face));
    out.push_back(head);
    if (!s.side) {
        Part ears{kLayerBody, 39, true, 1.0f, {}};
        for (int e = -1; e <= 1; e += 2)
            ears.pieces.push_back(Filled(
                Oval({s.head.x + e * (s.headRx - 0.3f), s.head.y + 2.0f}, 1.9f, 2.7f), face));
        out.push_back(ears);
    } else {
        Part ear{kLayerBody, 40.5f, true, 1.0f, {}};
        ear.pieces.push_back(
            Filled(Oval({s.head.x - s.dir * 2.2f, s.head.y + 2.2f}, 1.9f, 2.6f), face));
        out.push_back(ear);
    }
}

// Full beard round the jaw (under the mouth, which is painted over it) and a
// moustache above the mouth.
void AddBeard(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    if (!L.beard || s.facing == Facing::Up) return;
    Vec2 c = s.head;
    float rx = s.headRx, ry = s.headRy;
    Color hc = L.hairColor, dark = Darker(L.hairColor, 0.3f);
    Paint strands = [hc](Vec2 p) {
        float v = std::sin(p.x * 2.1f + 0.8f * std::sin(p.y * 1.7f));
        return v > 0.75f ? Scale(hc, 1.12f) : (v < -0.85f ? Scale(hc, 0.86f) : hc);
    };
    Part beard{kLayerHair, 40.8f, true, 1.0f, {}};
    Part tache{kLayerHair, 41.3f, false, 1.0f, {}};
    if (!s.side) {
        beard.pieces.push_back(
            {[=](Vec2 p) {
                 float dx = p.x - c.x;
                 float shape = SdEllipse(p, {c.x, c.y + 0.8f}, rx + 0.8f, ry + 1.8f);
                 return std::max(shape, c.y + 5.6f - 0.085f * dx * dx - p.y);
             },
             strands});
        for (int e = -1; e <= 1; e += 2)
            tache.pieces.push_back(Filled(
                Capsule({c.x + e * 0.6f, c.y + 6.4f}, {c.x + e * 3.4f, c.y + 7.9f}, 1.15f, 0.7f),
                dark));
    } else {
        int d = s.dir;
        beard.pieces.push_back(
            {[=](Vec2 p) {
                 float shape = SdEllipse(p, {c.x + d * 1.2f, c.y + 1.0f}, rx + 1.0f, ry + 1.6f);
                 // from the sideburn by the ear down to the mouth
                 float along = std::clamp(d * (p.x - c.x) + 1.0f, 0.0f, 7.5f);
                 float region = std::max(c.y - 0.5f + 0.8f * along - p.y, -d * (p.x - c.x) - 1.5f);
                 return std::max(shape, region);
             },
             strands});
        tache.pieces.push_back(Filled(
            Capsule({c.x + d * 6.0f, c.y + 6.3f}, {c.x + d * 8.6f, c.y + 6.9f}, 1.1f, 0.8f), dark));
    }
    out.push_back(beard);
    out.push_back(tache);
}

void AddFace(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    AddBeard(L, s, out);
    if (s.facing == Facing::Up) return;
    Color brow = Darker(L.hairColor, 0.35f);
    // in the shadow of a hood only a glint of the eyes shows
    bool hidden = L.faceShadow > 0.5f;
    Color eyes = hidden ? pal::cloth::kLightSandFace : L.eyes;
    Color mouth = L.faceShadow > 0 ? Mix(L.mouth, pal::light::kDeepGrey, L.faceShadow) : L.mouth;
    Color skin = HeadSkin(L);
    Vec2 c = s.head;
    if (!s.side) {
        Part d{kLayerFace, 41, false, 1.0f, {}};
        for (int e = -1; e <= 1; e += 2) {
            Vec2 eye{c.x + e * 3.8f, c.y + 2.2f};
            float eh = hidden ? 0.6f : 1.45f;
            d.pieces.push_back(
                {[eye, eh](Vec2 p) { return SdBox(p, eye, 0.95f, eh); }, Flat(eyes), false});
            if (hidden) continue;
            d.pieces.push_back(Filled(
                Capsule({c.x + e * 2.3f, c.y - 1.3f}, {c.x + e * 5.3f, c.y - 1.7f}, 0.65f, 0.65f),
                brow));
            d.pieces.back().shaded = false;
        }
        d.pieces.push_back({[c](Vec2 p) {
                                return SdBox(p, {c.x, c.y + 5.0f}, 0.7f, 0.7f);
                            },
                            Flat(Scale(skin, 0.8f)), false});
        Vec2 m{c.x, c.y + 7.6f};
        float half = 0.5f * s.pixel + 0.02f;
        d.pieces.push_back(
            {[m, half](Vec2 p) { return SdBox(p, m, 1.7f, half); }, Flat(mouth), false});
        out.push_back(d);
        return;
    }
    // profile: nose sticking out of the head outline, one eye, mouth
    auto X = [&](float o) { return c.x + s.dir * o; };
    Part nose{kLayerFace, 41, true, 1.0f, {}};
    nose.pieces.push_back(Filled(Oval({X(s.headRx - 0.2f), c.y + 3.6f}, 1.7f, 1.9f), skin));
    out.push_back(nose);
    Part d{kLayerFace, 41.5f, false, 1.0f, {}};
    Vec2 eye{X(5.2f), c.y + 2.0f};
    float eh = hidden ? 0.6f : 1.45f;
    d.pieces.push_back({[eye, eh](Vec2 p) { return SdBox(p, eye, 0.9f, eh); }, Flat(eyes), false});
    if (!hidden) {
        d.pieces.push_back(
            Filled(Capsule({X(3.8f), c.y - 1.6f}, {X(6.8f), c.y - 1.4f}, 0.65f, 0.65f), brow));
        d.pieces.back().shaded = false;
    }
    Vec2 m{X(7.6f), c.y + 7.4f};
    float half = 0.5f * s.pixel + 0.02f;
    d.pieces.push_back({[m, half](Vec2 p) { return SdBox(p, m, 1.0f, half); }, Flat(mouth), false});
    out.push_back(d);
}

// The hair on the head for the short and long styles (and the cap of the
// braided style).
Sdf ClassicHairSdf(const Skeleton& s, bool longHair) {
    Vec2 c = s.head;
    float rx = s.headRx + 1.3f, ry = s.headRy + 1.1f;
    Facing f = s.facing;
    int dir = s.dir;
    return [=](Vec2 p) {
        float base = SdEllipse(p, {c.x, c.y - 0.6f}, rx, ry);
        float region;
        if (f == Facing::Up) {
            region = p.y - (c.y + (longHair ? 13.0f : 7.5f));
            if (longHair)
                base = std::min(base, SdBox(p, {c.x, c.y + 6.0f}, rx - 2.3f, 5.2f) - 1.8f);
        } else if (f == Facing::Down) {
            float fringe = p.y - (c.y - 3.2f + 1.1f * std::sin(p.x * 1.3f));
            float sides = std::max(8.0f - std::fabs(p.x - c.x), p.y - (c.y + (longHair ? 11 : 2)));
            region = std::min(fringe, sides);
            if (longHair)
                base = std::min(base, std::max(SdBox(p, {c.x, c.y + 5.0f}, rx - 1.4f, 5.6f) - 1.4f,
                                               8.0f - std::fabs(p.x - c.x)));
        } else {
            float top = p.y - (c.y - 3.4f + 0.9f * std::sin(p.x * 1.3f));
            float back = std::max(dir * (p.x - c.x) + 3.4f, p.y - (c.y + (longHair ? 11 : 5.5f)));
            region = std::min(top, back);
            if (longHair)
                base = std::min(base, SdBox(p, {c.x - dir * 5.5f, c.y + 5.0f}, 3.6f, 5.6f) - 1.4f);
        }
        return std::max(base, region);
    };
}

// Hair combed back into a bun, or the ring of hair of a bald head.
Sdf Swept(const Skeleton& s, bool bald) {
    Vec2 c = s.head;
    float rx = s.headRx + 1.3f, ry = s.headRy + 1.1f;
    Facing f = s.facing;
    int dir = s.dir;
    return [=](Vec2 p) {
        float base = SdEllipse(p, {c.x, c.y - 0.6f}, rx, ry);
        float dx = p.x - c.x;
        float region;
        if (bald) {
            if (f == Facing::Up)
                region = std::max(p.y - (c.y + 7.0f), (c.y + 1.0f) - p.y);
            else if (f == Facing::Down)
                region = std::max(9.4f - std::fabs(dx), std::fabs(p.y - (c.y + 0.5f)) - 2.5f);
            else
                region = std::max(dir * dx + 5.0f, std::fabs(p.y - (c.y + 2.6f)) - 2.6f);
        } else if (f == Facing::Up) {
            region = p.y - (c.y + 6.5f);
        } else if (f == Facing::Down) {
            float line = p.y - (c.y - 4.6f + 0.035f * dx * dx);
            float sides = std::max(8.6f - std::fabs(dx), p.y - (c.y + 1.5f));
            region = std::min(line, sides);
        } else {
            float top = p.y - (c.y - 4.2f + 0.02f * dx * dx);
            float back = std::max(dir * dx + 3.4f, p.y - (c.y + 5.5f));
            region = std::min(top, back);
        }
        return std::max(base, region);
    };
}

// A braid from a to b: crossing strands and a tie near the end.
void AddBraid(Part& g, Vec2 a, Vec2 b, float ra, float rb, Color hc) {
    g.pieces.push_back({[=](Vec2 p) { return SdCapsule(p, a, b, ra, rb); },
                        [=](Vec2 p) {
                            float t = std::clamp((p.y - a.y) / (b.y - a.y), 0.0f, 1.0f);
                            float ax = a.x + (b.x - a.x) * t;
                            float v = std::fmod(p.y + 0.8f * std::fabs(p.x - ax) + 40.0f, 2.6f);
                            return v < 1.3f ? hc : Scale(hc, 0.8f);
                        }});
    Vec2 tie = Mid(a, b, 0.86f);
    g.pieces.push_back(Filled(Capsule({tie.x - 1.0f, tie.y}, {tie.x + 1.0f, tie.y}, 0.8f, 0.8f),
                              Darker(hc, 0.5f)));
    Vec2 end = Mid(a, b, 1.02f);
    g.pieces.push_back(Filled(Oval({end.x, end.y + 0.8f}, rb + 0.4f, 1.6f), hc));
}

void AddHair(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    if (L.hair == HairStyle::None || (L.hood && L.hoodUp)) return;
    Vec2 c = s.head;
    Sdf sdf;
    switch (L.hair) {
    case HairStyle::Bun:
        sdf = Swept(s, false);
        break;
    case HairStyle::Bald:
        sdf = Swept(s, true);
        break;
    default:
        sdf = ClassicHairSdf(s, L.hair == HairStyle::Long);
        break;
    }
    Color hc = L.hairColor;
    Paint paint = [c, hc](Vec2 p) {
        // strands: gentle stripes following the head's curve
        float a = std::atan2(p.y - (c.y + 6.0f), p.x - c.x);
        float v = std::sin(a * 15.0f + 0.7f * std::sin(p.y * 0.9f));
        return v > 0.82f ? Scale(hc, 1.1f) : (v < -0.9f ? Scale(hc, 0.88f) : hc);
    };
    Part g{kLayerHair, 42, true, 1.0f, {}};
    g.pieces.push_back({sdf, paint, true});
    out.push_back(g);

    if (L.hair == HairStyle::Bun) {
        Vec2 b;
        float r = 4.2f, depth = 42.5f;
        if (s.facing == Facing::Down) {
            b = {c.x, c.y - s.headRy - 0.6f};
            depth = 39.5f;
        } else if (s.facing == Facing::Up) {
            b = {c.x, c.y - 2.6f};
            r = 4.6f;
        } else {
            b = {c.x - s.dir * 8.8f, c.y - 4.4f};
        }
        Part bun{kLayerHair, depth, true, 1.0f, {}};
        bun.pieces.push_back({[b, r](Vec2 p) { return SdCircle(p, b, r); },
                              [b, hc](Vec2 p) {
                                  float a = std::atan2(p.y - b.y, p.x - b.x);
                                  float rr = std::hypot(p.x - b.x, p.y - b.y);
                                  float v = std::sin(a * 3.0f + rr * 1.6f);
                                  return v > 0.6f ? Scale(hc, 1.1f) : hc;
                              }});
        out.push_back(bun);
    }
    if (L.hair == HairStyle::Braids) {
        Color bc = hc;
        if (s.facing == Facing::Down) {
            Part braids{kLayerHair, 33, true, 1.0f, {}};
            for (int e = -1; e <= 1; e += 2)
                AddBraid(braids, {c.x + e * 8.4f, c.y + 3.5f}, {c.x + e * 9.2f, c.y + 15.0f}, 2.4f,
                         1.6f, bc);
            out.push_back(braids);
        } else if (s.facing == Facing::Up) {
            Part braids{kLayerHair, 42.2f, true, 1.0f, {}};
            for (int e = -1; e <= 1; e += 2)
                AddBraid(braids, {c.x + e * 7.4f, c.y + 4.0f}, {c.x + e * 8.4f, c.y + 12.5f}, 2.4f,
                         1.8f, bc);
            out.push_back(braids);
        } else {
            Part braid{kLayerHair, 33, true, 1.0f, {}};
            AddBraid(braid, {c.x - s.dir * 2.6f, c.y + 4.0f}, {c.x + s.dir * 0.2f, c.y + 15.0f},
                     2.3f, 1.6f, bc);
            out.push_back(braid);
        }
    }
    if (L.headband) {
        // a band over the top of the head, from ear to ear
        Facing f = s.facing;
        int dir = s.dir;
        Part band{kLayerHair, 42.4f, false, 1.0f, {}};
        band.pieces.push_back({[=](Vec2 p) {
                                   float dx = p.x - c.x, along;
                                   if (f == Facing::Down)
                                       along = std::fabs(p.y - (c.y - 6.4f + 0.052f * dx * dx));
                                   else if (f == Facing::Up)
                                       along = std::fabs(p.y - (c.y - 5.0f + 0.05f * dx * dx));
                                   else
                                       along = std::fabs((p.y - (c.y - 9.0f)) * 0.55f -
                                                         dir * dx * 0.83f - 1.2f);
                                   return std::max(sdf(p) + 0.3f, along - 0.95f);
                               },
                               Flat(L.headbandColor)});
        out.push_back(band);
    }
}

// Straw hat, helmet or hood over the hair.
void AddHeadgear(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    Vec2 c = s.head;
    float rx = s.headRx, ry = s.headRy;
    bool side = s.side;
    int dir = s.dir;
    Facing f = s.facing;
    if (L.hat == HatStyle::Straw) {
        Color straw = L.hatColor;
        Paint weave = [straw](Vec2 p) {
            int band = static_cast<int>(std::floor(p.y * 0.75f + 0.5f * std::sin(p.x * 0.9f)));
            return (band & 1) ? Scale(straw, 0.9f) : straw;
        };
        float brimY = c.y - 4.6f;
        float brimRx = side ? 14.0f : 15.0f, brimRy = side ? 2.6f : 4.2f;
        Vec2 bc{c.x + (side ? dir * 0.6f : 0.0f), brimY};
        Vec2 cc{c.x - (side ? dir * 0.4f : 0.0f), c.y - 8.8f};
        Part hat{kLayerHair, 44, true, 1.0f, {}};
        hat.pieces.push_back({[=](Vec2 p) { return SdEllipse(p, bc, brimRx, brimRy); }, weave});
        hat.pieces.push_back(
            {[=](Vec2 p) { return std::max(SdEllipse(p, cc, 8.2f, 5.6f), p.y - brimY); }, weave});
        hat.pieces.push_back({[=](Vec2 p) {
                                  return std::max(SdEllipse(p, cc, 8.4f, 5.8f),
                                                  std::fabs(p.y - (brimY - 1.2f)) - 1.2f);
                              },
                              Flat(L.hatBandColor)});
        if (!side)
            hat.pieces.push_back({[=](Vec2 p) {
                                      return std::max(SdEllipse(p, bc, brimRx, brimRy),
                                                      brimY + 0.4f - p.y);
                                  },
                                  weave});
        out.push_back(hat);
    } else if (L.hat == HatStyle::Helmet) {
        Color steel = L.hatColor;
        Paint metal = [steel, c](Vec2 p) {
            // a bright streak on the upper left of the dome
            float d = std::hypot(p.x - (c.x - 4.0f), p.y - (c.y - 7.5f));
            return d < 2.6f ? Lighter(steel, 0.35f) : steel;
        };
        Part helm{kLayerHair, 44, true, 1.0f, {}};
        Vec2 hc{c.x, c.y - 1.2f};
        float lower = f == Facing::Up ? 3.0f : -1.0f;
        helm.pieces.push_back({[=](Vec2 p) {
                                   float cut = p.y - (c.y + lower);
                                   if (side && -dir * (p.x - c.x) > 2.0f)
                                       cut = p.y - (c.y + 4.5f); // the neck guard
                                   return std::max(SdEllipse(p, hc, rx + 1.6f, ry + 1.4f), cut);
                               },
                               metal});
        // the rim
        helm.pieces.push_back({[=](Vec2 p) {
                                   float cut = c.y + lower;
                                   if (side && -dir * (p.x - c.x) > 2.0f) cut = c.y + 4.5f;
                                   return std::max(SdEllipse(p, hc, rx + 1.8f, ry + 1.6f),
                                                   std::fabs(p.y - (cut - 1.1f)) - 1.1f);
                               },
                               Flat(Scale(steel, 0.78f))});
        if (f == Facing::Down)
            helm.pieces.push_back(Filled(Capsule({c.x, c.y - 1.5f}, {c.x, c.y + 4.6f}, 0.9f, 0.8f),
                                         Scale(steel, 0.85f)));
        else if (side)
            helm.pieces.push_back(Filled(Capsule({c.x + dir * (rx + 0.6f), c.y - 1.5f},
                                                 {c.x + dir * (rx + 0.9f), c.y + 3.6f}, 0.9f, 0.8f),
                                         Scale(steel, 0.85f)));
        out.push_back(helm);
    }
    if (!L.hood) return;
    Color cloth = L.cloakColor;
    if (!L.hoodUp) {
        // the hood lies in folds round the neck and shoulders
        Part roll{kLayerClothes, 38, true, 1.0f, {}};
        Vec2 nb = s.neckBottom;
        if (f == Facing::Down)
            roll.pieces.push_back(Filled(Oval({nb.x, nb.y - 0.6f}, 9.0f * L.build, 3.4f), cloth));
        else if (f == Facing::Up) {
            roll.depth = 39;
            roll.pieces.push_back(Filled(Oval({nb.x, nb.y + 2.6f}, 8.2f * L.build, 5.4f), cloth));
        } else {
            roll.depth = 39;
            roll.pieces.push_back(
                Filled(Oval({nb.x - dir * 4.4f, nb.y + 0.6f}, 4.8f, 4.6f), cloth));
        }
        out.push_back(roll);
        return;
    }
    Paint folds = [cloth](Vec2 p) {
        float v = std::sin(p.x * 0.9f + p.y * 0.25f);
        return v > 0.8f ? Scale(cloth, 1.12f) : cloth;
    };
    Vec2 hoodC{c.x - (side ? dir * 0.8f : 0.0f), c.y - 0.4f};
    float hx = rx + 2.6f, hy = ry + 2.4f;
    Vec2 open{side ? c.x + dir * 6.6f : c.x, c.y + 2.6f};
    float ox = side ? 5.4f : 7.0f, oy = 8.4f;
    Part hood{kLayerHair, 44, true, 1.0f, {}};
    Vec2 tipA{c.x - (side ? dir * 3.5f : 0.0f), c.y + 4.0f};
    Vec2 tipB{c.x - (side ? dir * 6.5f : 0.0f), c.y + 14.0f};
    hood.pieces.push_back({[=](Vec2 p) {
                               float outer = SdEllipse(p, hoodC, hx, hy);
                               // the cloth falls to the shoulders round the neck
                               outer = std::min(outer, SdBox(p, {hoodC.x, c.y + 8.5f},
                                                             side ? hx - 2.5f : hx - 1.0f, 5.0f));
                               if (f == Facing::Up || side)
                                   outer = std::min(outer, SdCapsule(p, tipA, tipB, 5.0f, 1.4f));
                               if (f == Facing::Up) return outer;
                               return std::max(outer, -SdEllipse(p, open, ox, oy));
                           },
                           folds});
    out.push_back(hood);
    if (f == Facing::Up) return;
    // deep shadow under the brim of the hood
    Part shade{kLayerHair, 44.1f, false, 1.0f, {}};
    shade.pieces.push_back({[=](Vec2 p) {
                                return std::max(
                                    SdEllipse(p, open, ox, oy),
                                    p.y - (c.y + 2.8f + 0.04f * (p.x - open.x) * (p.x - open.x)));
                            },
                            Flat(Darker(cloth, 0.75f)), false});
    if (L.faceShadow > 0.5f) {
        for (int e = side ? 1 : -1; e <= 1; e += 2) {
            Vec2 eye{side ? c.x + dir * 5.2f : c.x + e * 3.8f, c.y + 2.0f};
            shade.pieces.push_back({[eye](Vec2 p) { return SdBox(p, eye, 0.9f, 0.45f); },
                                    Flat(pal::cloth::kLightSand), false});
        }
    }
    out.push_back(shade);
}

// Chain mail: a small ring pattern, one pixel per design unit.
Paint ClothPaint(Color c, ClothPattern pattern) {
    if (pattern == ClothPattern::Plain) return Flat(c);
    return [c](Vec2 p) {
        int row = static_cast<int>(std::floor(p.y / 1.5f));
        float x = p.x + (row & 1) * 1.0f;
        float lx = x - 2.0f * std::floor(x / 2.0f), ly = p.y - 1.5f * row;
        if (ly >= 0.75f && lx >= 1.0f) return Scale(c, 0.72f);
        if (ly < 0.75f && lx < 1.0f) return Scale(c, 1.14f);
        return c;
    };
}

Paint Folds(Color c) {
    return [c](Vec2 p) {
        float v = std::sin(p.x * 1.15f + 0.35f * std::sin(p.y * 0.45f));
        return v > 0.86f ? Scale(c, 1.12f) : (v < -0.9f ? Scale(c, 0.84f) : c);
    };
}

// The tunic's outline: its polygon, widened by a belly.
struct TunicShape {
    std::vector<Vec2> body;
    bool hasBelly = false;
    Vec2 bellyC;
    float bellyRx = 0, bellyRy = 0;
    float Sd(Vec2 p, float round) const {
        float d = SdPolygon(p, body) - round;
        if (hasBelly) d = std::min(d, SdEllipse(p, bellyC, bellyRx, bellyRy) - (round - 1.2f));
        return d;
    }
};

TunicShape MakeTunicShape(const FigureLook& L, const Skeleton& s) {
    TunicShape ts;
    float hem = L.tunicHem;
    const std::vector<Vec2>& t = s.torso;
    float top = t[0].y, waist = t[2].y;
    float cx = kCx;
    float hemY = s.Y(hem);
    float flare = L.skirtFlare;
    if (!s.side) {
        float hw = std::fabs(t[0].x - cx) + 0.9f, ww = std::fabs(t[2].x - cx) + 0.8f;
        ts.body = {
            {cx - hw, top - 0.4f},          {cx + hw, top - 0.4f},          {cx + ww, waist},
            {cx + ww + 2.0f + flare, hemY}, {cx - ww - 2.0f - flare, hemY}, {cx - ww, waist}};
        if (L.belly > 0) {
            ts.hasBelly = true;
            ts.bellyC = {cx, waist + 1.5f};
            ts.bellyRx = ww + 1.0f + 2.2f * L.belly;
            ts.bellyRy = 6.5f + 1.5f * L.belly;
        }
    } else {
        int d = s.dir;
        auto X = [&](float o) { return cx + d * o; };
        ts.body = {{X(-5.8f), top - 0.4f},  {X(5.3f), top - 0.4f},    {X(6.0f), waist},
                   {X(6.8f + flare), hemY}, {X(-6.6f - flare), hemY}, {X(-6.0f), waist}};
        if (L.belly > 0) {
            ts.hasBelly = true;
            ts.bellyC = {X(3.2f + 1.6f * L.belly), waist + 1.5f};
            ts.bellyRx = 4.4f + 1.6f * L.belly;
            ts.bellyRy = 6.0f + 1.2f * L.belly;
        }
    }
    return ts;
}

void AddClothes(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    Color sleeveColor = L.sleeveColor.value_or(L.tunicColor);
    Paint sleevePaint = ClothPaint(sleeveColor, L.tunicPattern);
    float aw = L.armWidth;
    for (int k = 0; k < 2; ++k) {
        if (L.trousers || L.boots) {
            Part legs{kLayerClothes, LimbDepth(s, k, 11, 9), true, LimbLight(s, k), {}};
            if (s.side && k == s.nearSide) legs.depth = 23;
            if (L.trousers) {
                legs.pieces.push_back(
                    Filled(Capsule(s.hip[k], s.knee[k], 4.6f, 4.0f), L.trouserColor));
                legs.pieces.push_back(
                    Filled(Capsule(s.knee[k], s.ankle[k], 4.0f, 3.4f), L.trouserColor));
            }
            if (L.boots) {
                Vec2 top = Mid(s.knee[k], s.ankle[k], L.bootTop);
                legs.pieces.push_back(Filled(Capsule(top, s.ankle[k], 3.9f, 3.4f), L.bootColor));
                legs.pieces.push_back(
                    Filled(Oval(s.foot[k], s.footRx[k] + 0.7f, s.footRy[k] + 0.6f), L.bootColor));
                // a lighter cuff at the top of the boot
                Vec2 cuff = Mid(s.knee[k], s.ankle[k], L.bootTop + 0.07f);
                legs.pieces.push_back(
                    Filled(Capsule(top, cuff, 4.2f, 4.1f), Lighter(L.bootColor, 0.18f)));
            }
            out.push_back(legs);
        }
        if (L.tunic && L.sleeves > 0) {
            Part sleeve{kLayerClothes, LimbDepth(s, k, 31, 6), true, LimbLight(s, k), {}};
            Vec2 end = L.sleeves == 1 ? Mid(s.shoulder[k], s.elbow[k], 0.85f)
                                      : Mid(s.elbow[k], s.hand[k], 0.72f);
            if (L.sleeves == 1) {
                Piece arm = Filled(Capsule(s.shoulder[k], end, 4.2f * aw, 3.7f * aw), sleeveColor);
                arm.paint = sleevePaint;
                sleeve.pieces.push_back(arm);
                Vec2 hem = Mid(s.shoulder[k], s.elbow[k], 0.72f);
                sleeve.pieces.push_back(
                    Filled(Capsule(hem, end, 3.8f * aw, 3.7f * aw), L.trimColor));
            } else {
                Piece upper =
                    Filled(Capsule(s.shoulder[k], s.elbow[k], 4.2f * aw, 3.7f * aw), sleeveColor);
                Piece lower = Filled(Capsule(s.elbow[k], end, 3.7f * aw, 3.4f * aw), sleeveColor);
                upper.paint = lower.paint = sleevePaint;
                sleeve.pieces.push_back(upper);
                sleeve.pieces.push_back(lower);
                // a cuff at the wrist
                Vec2 cuff = Mid(s.elbow[k], end, 0.8f);
                sleeve.pieces.push_back(
                    Filled(Capsule(cuff, end, 3.6f * aw, 3.5f * aw), Scale(sleeveColor, 0.86f)));
            }
            out.push_back(sleeve);
        }
    }
    if (!L.tunic) return;

    // tunic body: the torso widened, flaring into a short skirt
    TunicShape ts = MakeTunicShape(L, s);
    std::vector<Vec2>& body = ts.body;
    float top = s.torso[0].y, waist = s.torso[2].y;
    float cx = kCx;
    Part tunic{kLayerClothes, 24.5f, true, 1.0f, {}};
    if (!s.side) tunic.depth = 21;
    if (ts.hasBelly)
        tunic.pieces.push_back(
            {[ts](Vec2 p) { return ts.Sd(p, 1.2f); }, ClothPaint(L.tunicColor, L.tunicPattern)});
    else
        tunic.pieces.push_back(Filled(Poly(body, 1.2f), L.tunicColor));
    tunic.pieces.back().paint = ClothPaint(L.tunicColor, L.tunicPattern);
    // hem band and neckline
    Color trim = L.trimColor;
    float hemY = s.Y(L.tunicHem);
    tunic.pieces.push_back(
        {[ts, hemY](Vec2 p) { return std::max(ts.Sd(p, 1.2f), (hemY - 1.2f) - p.y); }, Flat(trim)});
    if (s.facing == Facing::Down) {
        Vec2 nc{cx, top - 0.2f};
        Color skin = L.skin;
        tunic.pieces.push_back({[nc](Vec2 p) { return SdEllipse(p, nc, 3.6f, 2.6f); }, Flat(trim)});
        tunic.pieces.push_back({[nc](Vec2 p) { return SdEllipse(p, nc, 2.6f, 1.7f); }, Flat(skin)});
        // lacing
        tunic.pieces.push_back(
            Filled(Capsule({cx, top + 1.6f}, {cx, top + 5.0f}, 0.45f, 0.45f), trim));
    }
    if (L.belt) {
        float by = waist + 2.2f;
        tunic.pieces.push_back(
            {[ts, by](Vec2 p) { return std::max(ts.Sd(p, 1.3f), std::fabs(p.y - by) - 1.5f); },
             Flat(L.beltColor)});
        if (s.facing == Facing::Down) {
            Vec2 b{cx, by};
            tunic.pieces.push_back(
                {[b](Vec2 p) { return SdBox(p, b, 1.8f, 1.6f); }, Flat(L.buckleColor)});
        } else if (s.side) {
            Vec2 pouch{cx - s.dir * 3.8f, by + 2.6f};
            tunic.pieces.push_back({[pouch](Vec2 p) { return SdBox(p, pouch, 1.6f, 2.0f) - 0.4f; },
                                    Flat(Scale(L.beltColor, 1.25f))});
        }
    }
    out.push_back(tunic);
}

// Apron, pouch, chain of office, tabard, scarf, cloak and basket: worn or
// carried over the tunic.
void AddOuterwear(const FigureLook& L, const Skeleton& s, std::vector<Part>& out) {
    const float cx = kCx, w = L.build;
    const float top = s.torso[0].y, waist = s.torso[2].y, by = waist + 2.2f;
    const bool down = s.facing == Facing::Down, up = s.facing == Facing::Up, side = s.side;
    const int dir = s.dir;
    // by value: the scarf's shapes call X long after this function has returned
    auto X = [cx, dir](float o) { return cx + dir * o; };
    const float bulge = 2.2f * L.belly;

    if (L.apron) {
        float hem = s.Y(L.apronHem);
        Color a = L.apronColor;
        Part g{kLayerClothes, side ? 25.0f : 22.0f, true, 1.0f, {}};
        if (down) {
            g.pieces.push_back(Filled(Poly({{cx - 4.2f * w, top + 2.6f},
                                            {cx + 4.2f * w, top + 2.6f},
                                            {cx + 5.6f * w + bulge * 0.5f, waist + 0.5f},
                                            {cx + 6.6f * w + bulge, hem},
                                            {cx - 6.6f * w - bulge, hem},
                                            {cx - 5.6f * w - bulge * 0.5f, waist + 0.5f}},
                                           0.6f),
                                      a));
            for (int e = -1; e <= 1; e += 2)
                g.pieces.push_back(Filled(Capsule({cx + e * 3.6f * w, top + 3.2f},
                                                  {cx + e * 3.0f, top - 0.6f}, 0.75f, 0.7f),
                                          a));
            // a stitched pocket
            g.pieces.push_back(
                {[=](Vec2 p) {
                     return std::fabs(SdBox(p, {cx, waist + 6.5f}, 3.2f * w, 2.2f)) - 0.35f;
                 },
                 Flat(Scale(a, 0.78f)), false});
        } else if (up) {
            g.pieces.push_back(Filled(
                Capsule({cx - 7.4f * w - bulge, by}, {cx + 7.4f * w + bulge, by}, 0.6f, 0.6f), a));
            for (int e = -1; e <= 1; e += 2) {
                g.pieces.push_back(Filled(Oval({cx + e * 1.5f, by}, 1.6f, 1.1f), a));
                g.pieces.push_back(
                    Filled(Capsule({cx, by}, {cx - e * 1.2f, by + 3.6f}, 0.55f, 0.5f), a));
            }
        } else {
            g.pieces.push_back(Filled(Poly({{X(3.2f), top + 2.6f},
                                            {X(5.6f), top + 2.6f},
                                            {X(6.3f + bulge), waist + 1.0f},
                                            {X(7.6f + bulge * 0.6f), hem},
                                            {X(4.6f), hem},
                                            {X(4.0f), waist}},
                                           0.5f),
                                      a));
            g.pieces.push_back(
                Filled(Capsule({X(3.6f), top + 2.8f}, {X(-1.0f), top - 0.6f}, 0.6f, 0.6f), a));
            g.pieces.push_back(
                Filled(Capsule({X(4.6f + bulge * 0.5f), by}, {X(-5.6f), by}, 0.55f, 0.55f), a));
        }
        out.push_back(g);
    }

    if (L.pouch) {
        Color pc = L.pouchColor;
        Vec2 at;
        if (side)
            at = {X(-3.9f), by + 2.8f};
        else {
            float off = std::fabs(s.torso[2].x - cx) + 2.4f + bulge;
            at = {cx + (down ? -off : off), by + 2.8f};
        }
        Part g{kLayerClothes, side ? 25.5f : 22.5f, true, 1.0f, {}};
        g.pieces.push_back({[at](Vec2 p) { return SdBox(p, at, 1.6f, 2.0f) - 0.5f; }, Flat(pc)});
        g.pieces.push_back(
            {[at](Vec2 p) { return std::max(SdBox(p, at, 1.6f, 2.0f) - 0.6f, p.y - at.y + 0.4f); },
             Flat(Scale(pc, 0.78f))});
        g.pieces.push_back(Filled(Oval({at.x, at.y - 0.2f}, 0.6f, 0.6f), L.buckleColor));
        out.push_back(g);
    }

    if (L.tabard) {
        float hem = s.Y(L.apronHem);
        Color tc = L.tabardColor, trim = L.tabardTrim;
        std::vector<std::vector<Vec2>> panels;
        if (!side) {
            panels.push_back({{cx - 6.0f * w, top - 0.2f},
                              {cx + 6.0f * w, top - 0.2f},
                              {cx + 6.3f * w, hem},
                              {cx - 6.3f * w, hem}});
        } else {
            panels.push_back({{X(3.2f), top - 0.2f},
                              {X(5.8f), top - 0.2f},
                              {X(6.6f), waist},
                              {X(7.2f), hem},
                              {X(3.2f), hem}});
            panels.push_back({{X(-3.0f), top - 0.2f},
                              {X(-5.9f), top - 0.2f},
                              {X(-6.6f), waist},
                              {X(-7.2f), hem},
                              {X(-3.0f), hem}});
        }
        Part g{kLayerClothes, side ? 25.0f : 22.0f, true, 1.0f, {}};
        Vec2 neck{cx, top - 0.6f};
        for (const auto& panel : panels) {
            auto sd = [panel, neck, down](Vec2 p) {
                float d = SdPolygon(p, panel) - 0.6f;
                if (down) d = std::max(d, -SdEllipse(p, neck, 3.4f, 2.4f));
                return d;
            };
            g.pieces.push_back({sd, Flat(trim)});
            g.pieces.push_back({[sd](Vec2 p) { return sd(p) + 1.1f; }, Flat(tc)});
        }
        if (down) {
            // the town's sign: a golden lozenge
            Vec2 e{cx, top + 7.4f};
            g.pieces.push_back({[e](Vec2 p) {
                                    return (std::fabs(p.x - e.x) / 2.4f +
                                            std::fabs(p.y - e.y) / 3.1f - 1.0f) *
                                           2.0f;
                                },
                                Flat(trim)});
        }
        if (L.belt) {
            float half = side ? 7.3f : 6.9f * w;
            g.pieces.push_back({[=](Vec2 p) {
                                    return SdBox(p, {cx, by}, half, 1.3f);
                                },
                                Flat(L.beltColor)});
            if (down)
                g.pieces.push_back({[=](Vec2 p) {
                                        return SdBox(p, {cx, by}, 1.7f, 1.5f);
                                    },
                                    Flat(L.buckleColor)});
        }
        out.push_back(g);
    }

    if (L.chain) {
        Color gold = L.chainColor;
        Paint links = [gold](Vec2 p) {
            int n = static_cast<int>(std::floor((p.x + p.y) * 0.7f));
            return (n & 1) ? Scale(gold, 0.72f) : gold;
        };
        std::vector<Vec2> path;
        Vec2 medal;
        float mrx = 2.3f, mry = 2.3f;
        if (down) {
            path = {{cx - 6.4f * w, top + 0.2f}, {cx - 4.6f * w, top + 3.8f},
                    {cx - 2.2f, top + 6.0f},     {cx, top + 6.6f},
                    {cx + 2.2f, top + 6.0f},     {cx + 4.6f * w, top + 3.8f},
                    {cx + 6.4f * w, top + 0.2f}};
            medal = {cx, top + 8.6f};
        } else if (up) {
            path = {{cx - 6.6f * w, top + 0.2f}, {cx, top + 1.8f}, {cx + 6.6f * w, top + 0.2f}};
        } else {
            path = {{X(-0.5f), top - 0.5f}, {X(3.5f), top + 3.5f}, {X(5.9f), top + 6.4f}};
            medal = {X(6.4f), top + 8.2f};
            mrx = 1.3f;
        }
        Part g{kLayerClothes, side ? 25.2f : 22.8f, false, 1.0f, {}};
        for (size_t i = 0; i + 1 < path.size(); ++i) {
            Piece link = Filled(Capsule(path[i], path[i + 1], 0.8f, 0.8f), gold);
            link.paint = links;
            link.shaded = false;
            g.pieces.push_back(link);
        }
        out.push_back(g);
        if (!up) {
            Part m{kLayerClothes, side ? 25.3f : 22.9f, true, 1.0f, {}};
            m.pieces.push_back(Filled(Oval(medal, mrx, mry), gold));
            if (down) m.pieces.push_back(Filled(Oval(medal, 0.9f, 0.9f), pal::cloth::kRed));
            out.push_back(m);
        }
    }

    if (L.cloak) {
        float hem = s.Y(L.cloakHem);
        Color cc = L.cloakColor;
        if (down) {
            Part back{kLayerClothes, 3, true, 0.88f, {}};
            back.pieces.push_back(Filled(Poly({{cx - 10.5f * w, top + 0.5f},
                                               {cx + 10.5f * w, top + 0.5f},
                                               {cx + 13.5f * w, hem},
                                               {cx - 13.5f * w, hem}},
                                              1.0f),
                                         cc));
            back.pieces.back().paint = Folds(cc);
            out.push_back(back);
            // the short cape over the shoulders
            Part cape{kLayerClothes, 32, true, 1.0f, {}};
            cape.pieces.push_back({[=](Vec2 p) {
                                       return std::max(
                                           SdEllipse(p, {cx, top + 1.4f}, 12.2f * w, 7.4f),
                                           top - 3.0f - p.y);
                                   },
                                   Flat(cc)});
            // clasp
            cape.pieces.push_back(
                Filled(Oval({cx, top + 1.0f}, 1.4f, 1.3f), pal::cloth::kTanOuterwear));
            out.push_back(cape);
        } else if (up) {
            Part back{kLayerClothes, 35, true, 1.0f, {}};
            back.pieces.push_back(Filled(Poly({{cx - 9.8f * w, top - 0.8f},
                                               {cx + 9.8f * w, top - 0.8f},
                                               {cx + 13.0f * w, hem},
                                               {cx - 13.0f * w, hem}},
                                              1.2f),
                                         cc));
            back.pieces.back().paint = Folds(cc);
            out.push_back(back);
        } else {
            Part g{kLayerClothes, 26, true, 1.0f, {}};
            g.pieces.push_back(Filled(Poly({{X(3.6f), top - 1.0f},
                                            {X(-5.2f), top - 1.0f},
                                            {X(-7.6f), top + 8.0f},
                                            {X(-11.5f), hem},
                                            {X(4.8f), hem},
                                            {X(5.0f), top + 8.0f}},
                                           1.0f),
                                      cc));
            g.pieces.back().paint = Folds(cc);
            out.push_back(g);
        }
    }

    if (L.scarf) {
        Color sc = L.scarfColor;
        Paint wool = [sc](Vec2 p) {
            return (static_cast<int>(std::floor(p.x * 0.8f - p.y * 0.5f)) & 1) ? Scale(sc, 0.88f)
                                                                               : sc;
        };
        Vec2 nb = s.neckBottom;
        Part g{kLayerClothes, up ? 43.0f : 44.5f, true, 1.0f, {}};
        if (!side) {
            g.pieces.push_back({[=](Vec2 p) {
                                    return SdEllipse(p, {cx, nb.y - 2.0f}, 5.6f, 2.7f);
                                },
                                wool});
            if (down)
                g.pieces.push_back({[=](Vec2 p) {
                                        return SdCapsule(p, {cx + 2.2f, nb.y - 1.0f},
                                                         {cx + 3.2f, nb.y + 7.5f}, 1.8f, 1.5f);
                                    },
                                    wool});
        } else {
            g.pieces.push_back({[=](Vec2 p) {
                                    return SdEllipse(p, {X(0.8f), nb.y - 2.0f}, 4.8f, 2.5f);
                                },
                                wool});
            g.pieces.push_back({[=](Vec2 p) {
                                    return SdCapsule(p, {X(-3.0f), nb.y - 1.6f},
                                                     {X(-6.4f), nb.y + 5.0f}, 1.7f, 1.3f);
                                },
                                wool});
        }
        out.push_back(g);
    }

    if (L.basket) {
        // carried in the figure's right hand (index 1)
        Vec2 h = s.hand[1];
        float depth = down ? 34.0f : (up ? 36.0f : 31.5f);
        float light = 1.0f;
        if (side && s.nearSide != 1) {
            depth = 4.0f;
            light = 0.82f;
        }
        Color wicker = pal::straw::kBrownWicker;
        Paint weave = [wicker](Vec2 p) {
            int n = static_cast<int>(std::floor(p.x * 0.9f)) + static_cast<int>(std::floor(p.y));
            return (n & 1) ? Scale(wicker, 0.82f) : wicker;
        };
        Vec2 b{h.x, h.y + 5.4f};
        Part g{kLayerClothes, depth, true, light, {}};
        g.pieces.push_back({[=](Vec2 p) {
                                return std::max(std::fabs(SdCircle(p, {h.x, b.y - 2.2f}, 3.4f)) -
                                                    0.5f,
                                                p.y - (b.y - 2.2f));
                            },
                            Flat(Scale(wicker, 0.8f))});
        g.pieces.push_back(Filled(Oval({h.x - 1.6f, b.y - 2.6f}, 1.5f, 1.4f), pal::cloth::kGreen));
        g.pieces.push_back(
            Filled(Oval({h.x + 1.4f, b.y - 2.9f}, 1.4f, 1.5f), pal::cloth::kGreenOuterwear));
        g.pieces.push_back(Filled(Oval({h.x + 0.1f, b.y - 3.4f}, 0.9f, 0.9f), pal::cloth::kPurple));
        g.pieces.push_back({[b](Vec2 p) { return SdBox(p, b, 3.2f, 2.2f) - 0.6f; }, weave});
        g.pieces.push_back({[b](Vec2 p) {
                                return SdBox(p, {b.x, b.y - 2.2f}, 3.8f, 0.5f) - 0.3f;
                            },
                            Flat(Scale(wicker, 0.9f))});
        out.push_back(g);
    }
}

std::vector<Part> BuildFigure(const FigureLook& look, Facing facing, int frame, float pixel) {
    Skeleton s = MakeSkeleton(facing, frame, look, pixel);
    std::vector<Part> groups;
    AddBody(look, s, groups);
    AddFace(look, s, groups);
    AddHair(look, s, groups);
    AddHeadgear(look, s, groups);
    AddClothes(look, s, groups);
    AddOuterwear(look, s, groups);
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Part& a, const Part& b) { return a.depth < b.depth; });
    return groups;
}

} // namespace

Pixmap MakeFigureStrip(const FigureLook& look, unsigned include, unsigned keep, int cellW,
                       int cellH, Color mask, const WornParts& worn) {
    Canvas strip(cellW * 3, cellH * 4);
    float scale = cellW / kDesignW;
    const Facing rows[4] = {Facing::Up, Facing::Right, Facing::Down, Facing::Left};
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 3; ++frame) {
            std::vector<Part> groups = BuildFigure(look, rows[row], frame, 1.0f / scale);
            if (worn) worn(MakeSkeleton(rows[row], frame, look, 1.0f / scale), groups);
            RenderArea area{frame * cellW, row * cellH, cellW, cellH, scale, include, keep};
            RenderParts(std::move(groups), strip, area, kFigureShading);
        }
    return strip.ToPixmap(mask);
}

FigureLook PlayerLook() {
    return FigureLook{};
}

} // namespace art
