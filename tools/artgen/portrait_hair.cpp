// Hair, braids, headband, hats and the raised hood of the portraits.
#include "portrait_parts.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::portrait {

// Hair behind the head: a bun.
void PaintBunBehind(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float ry = s.f.ry;
    const Color hair = s.L.hairColor;
    const bool hoodUp = s.hoodUp;
    if (L.hair == HairStyle::Bun && !hoodUp) {
        Vec2 b{c.x + 2.0f, c.y - ry - 2.0f};
        pp.Shape(Circle(b, 8.5f), Strands(hair, {b.x - 3.0f, b.y + 9.0f}, 9.0f), 6.0f);
    }
}

// Long hair falling behind the head to the shoulders.
void PaintLongHairBehind(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const Color hair = s.L.hairColor;
    const bool hoodUp = s.hoodUp;
    if (L.hair == HairStyle::Long && !hoodUp) {
        pp.Shape(
            [c, rx, ry](Vec2 p) {
                float top = SdEllipse(p, {c.x, c.y - 2.5f}, rx + 3.2f, ry + 2.6f);
                // falling to the shoulders and ending in uneven tips
                float fall = SdPolygon(p, {{c.x - rx - 3.0f, c.y - 4.0f},
                                           {c.x + rx + 3.0f, c.y - 4.0f},
                                           {c.x + rx + 6.5f, c.y + 24.0f},
                                           {c.x + rx + 3.0f, c.y + 35.0f},
                                           {c.x + 9.0f, c.y + 37.0f},
                                           {c.x, c.y + 34.0f},
                                           {c.x - 9.0f, c.y + 37.0f},
                                           {c.x - rx - 3.0f, c.y + 35.0f},
                                           {c.x - rx - 6.5f, c.y + 24.0f}}) -
                             2.5f;
                return std::min(top, fall);
            },
            Strands(Darker(hair, 0.12f), {c.x, c.y - 60.0f}, 70.0f), 8.0f);
    }
}

// Two braids hanging over the shoulders.
void PaintBraids(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const Color hair = s.L.hairColor;
    const bool hoodUp = s.hoodUp;
    if (L.hair == HairStyle::Braids && !hoodUp) {
        for (int e = -1; e <= 1; e += 2) {
            Vec2 a{c.x + e * (rx - 2.0f), c.y + 6.0f}, b{c.x + e * (rx + 4.5f), 92.0f};
            Sdf braid = Capsule(a, b, 5.2f, 3.8f);
            Color hc = hair;
            pp.Shape(
                braid,
                [a, b, hc](Vec2 p) {
                    float t = std::clamp((p.y - a.y) / (b.y - a.y), 0.0f, 1.0f);
                    float ax = a.x + (b.x - a.x) * t;
                    float v = std::fmod(p.y + 0.9f * std::fabs(p.x - ax) + 60.0f, 6.0f);
                    return v < 3.0f ? Scale(hc, 1.08f) : Scale(hc, 0.8f);
                },
                5.0f);
            Vec2 tie = Mid(a, b, 0.9f);
            pp.Shape(Capsule({tie.x - 3.5f, tie.y}, {tie.x + 3.5f, tie.y}, 1.4f, 1.4f),
                     Flat(pal::cloth::kDarkDullRust), 1.5f);
        }
    }
}

// The hair on the head, in its style.
void PaintHair(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const Color skin = s.L.skin;
    const Color hair = s.L.hairColor;
    const bool hoodUp = s.hoodUp;
    if (!hoodUp && L.hair != HairStyle::None) {
        Sdf cap = Oval({c.x, c.y - 2.5f}, rx + 3.0f, ry + 2.4f);
        // a parting: a darker streak along the middle of the crown
        auto parted = [c](Paint strands) -> Paint {
            return [c, strands](Vec2 p) {
                Color col = strands(p);
                float d = std::fabs(p.x - c.x - 1.0f);
                if (p.y < c.y - 11.0f && d < 1.2f) return Scale(col, 0.72f + 0.2f * d);
                return col;
            };
        };
        switch (L.hair) {
        case HairStyle::Short:
            pp.Shape(
                [=](Vec2 p) {
                    float dx = p.x - c.x;
                    float fringe = p.y - (c.y - 9.0f + 2.6f * std::fabs(std::sin(dx * 0.42f)) +
                                          0.012f * dx * dx);
                    float temples = std::max(rx - 3.4f - std::fabs(dx), p.y - (c.y + 2.0f));
                    return std::max(cap(p), std::min(fringe, temples));
                },
                Strands(hair, {c.x, c.y + 28.0f}, 26.0f), 9.0f);
            break;
        case HairStyle::Bun:
        case HairStyle::Braids:
            pp.Shape(
                [=](Vec2 p) {
                    float dx = p.x - c.x;
                    float line = p.y - (c.y - 10.5f + 0.024f * dx * dx);
                    float temples = std::max(rx - 2.8f - std::fabs(dx), p.y - (c.y + 1.0f));
                    return std::max(cap(p), std::min(line, temples));
                },
                parted(Strands(hair, {c.x + 1.0f, c.y + 30.0f}, 30.0f)), 9.0f);
            break;
        case HairStyle::Long:
            pp.Shape(
                [=](Vec2 p) {
                    float dx = p.x - c.x;
                    float line = p.y - (c.y - 10.0f + 0.024f * dx * dx);
                    float d = std::max(cap(p), line);
                    // locks falling beside the cheeks
                    for (int e = -1; e <= 1; e += 2)
                        d = std::min(d, SdPolygon(p, {{c.x + e * (rx - 4.5f), c.y - 8.0f},
                                                      {c.x + e * (rx + 3.2f), c.y - 6.0f},
                                                      {c.x + e * (rx + 5.0f), c.y + 20.0f},
                                                      {c.x + e * (rx + 2.0f), c.y + 31.0f},
                                                      {c.x + e * (rx - 0.6f), c.y + 21.0f},
                                                      {c.x + e * (rx - 1.8f), c.y + 8.0f}}) -
                                            1.5f);
                    return d;
                },
                parted(Strands(hair, {c.x + 1.0f, c.y - 50.0f}, 60.0f)), 9.0f);
            break;
        case HairStyle::Bald:
            for (int e = -1; e <= 1; e += 2)
                pp.Shape(
                    [=](Vec2 p) {
                        return std::max(
                            SdEllipse(p, {c.x + e * (rx - 1.0f), c.y + 1.0f}, 4.0f, 8.0f), cap(p));
                    },
                    Strands(hair, {c.x, c.y + 20.0f}, 40.0f), 3.0f);
            // the shine of the crown
            pp.Glaze(Oval({c.x - 5.0f, c.y - 13.0f}, 6.5f, 3.8f), Lighter(skin, 0.7f), 0.45f, 4.0f);
            break;
        default:
            break;
        }
    }
}

// A band round the head.
void PaintHeadband(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const bool hoodUp = s.hoodUp;
    if (L.headband && !hoodUp) {
        pp.Shape(
            [=](Vec2 p) {
                float dx = p.x - c.x;
                float band = std::fabs(p.y - (c.y - 12.5f + 0.045f * dx * dx)) - 1.7f;
                return std::max(band, SdEllipse(p, {c.x, c.y - 2.0f}, rx + 2.6f, ry + 2.0f));
            },
            Flat(L.headbandColor), 2.0f);
    }
}

// Straw hat or helmet.
void PaintHat(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const Sdf head = HeadShape(s);
    if (L.hat == HatStyle::Straw) {
        Color straw = L.hatColor;
        float brimY = c.y - 11.0f;
        // shade on the forehead
        pp.GlazeWith(
            head,
            [=](Vec2 p) { return 0.5f * std::clamp(1.0f - (p.y - brimY - 5.0f) / 8.0f, 0.f, 1.f); },
            pal::cloth::kDeepRust);
        Sdf brim = Oval({c.x, brimY}, 33.0f, 7.6f);
        Sdf crown = [=](Vec2 p) {
            return std::max(SdEllipse(p, {c.x, brimY - 7.0f}, 16.5f, 12.0f), p.y - brimY);
        };
        pp.Shape(brim, Weave(straw), 6.0f);
        pp.Shape(crown, Weave(straw), 10.0f);
        pp.Shape(
            [=](Vec2 p) {
                return std::max(crown(p) - 0.3f, std::fabs(p.y - (brimY - 2.6f)) - 2.4f);
            },
            Cloth(L.hatBandColor), 4.0f, false);
        pp.Shape([=](Vec2 p) { return std::max(brim(p), brimY + 0.5f - p.y); }, Weave(straw), 6.0f);
    } else if (L.hat == HatStyle::Helmet) {
        Color steel = L.hatColor;
        float rimY = c.y - 5.5f;
        Sdf dome = [=](Vec2 p) {
            return std::max(SdEllipse(p, {c.x, rimY + 1.0f}, rx + 3.2f, ry + 0.5f), p.y - rimY);
        };
        pp.Shape(dome, Flat(steel), 10.0f);
        // a bright reflection and the ridge
        pp.Glaze(Oval({c.x - 7.0f, rimY - 12.0f}, 4.0f, 2.6f), pal::cloth::kWhite, 0.7f, 3.0f);
        pp.Glaze(Capsule({c.x, rimY - 19.0f}, {c.x, rimY - 1.0f}, 0.9f, 0.9f), Lighter(steel, 0.5f),
                 0.6f, 1.0f);
        Sdf rim = [=](Vec2 p) {
            return std::max(SdEllipse(p, {c.x, rimY + 1.0f}, rx + 3.8f, ry + 1.0f),
                            std::fabs(p.y - (rimY - 1.4f)) - 2.2f);
        };
        pp.Shape(rim, Flat(Scale(steel, 0.82f)), 3.0f);
        for (int k = -3; k <= 3; ++k)
            pp.Shape(Circle({c.x + k * 5.6f, rimY - 1.3f + 0.03f * k * k * 5.6f}, 0.8f),
                     Flat(Lighter(steel, 0.3f)), 1.0f, false);
        // the nose guard
        pp.Shape(Capsule({c.x, rimY}, {c.x, f.noseY - 2.0f}, 1.6f, 1.3f), Flat(steel), 2.0f);
    }
}

// The hood pulled up, the face in its shadow.
void PaintHoodUp(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const bool hoodUp = s.hoodUp;
    const Sdf head = HeadShape(s);
    if (hoodUp) {
        Color cc = L.cloakColor;
        Sdf opening = Oval({c.x, c.y + 5.0f}, rx - 1.0f, ry + 1.0f);
        // the face lies in shadow, only the eyes catch a little light
        pp.GlazeWith(
            head,
            [=](Vec2 p) {
                float edge = f.eyeY + 4.0f + 1.5f * std::sin(p.x * 0.3f);
                return 0.93f - 0.4f * std::clamp((p.y - edge) / 4.0f, 0.f, 1.f);
            },
            pal::cloth::kBlackHoodUp);
        for (int e = -1; e <= 1; e += 2)
            pp.Glaze(Oval({c.x + e * f.eyeDx, f.eyeY + 0.3f}, 1.6f, 0.9f), pal::cloth::kLightSand,
                     0.75f, 1.0f);
        pp.Shape(
            [=](Vec2 p) {
                float outer = SdEllipse(p, {c.x, c.y - 1.0f}, rx + 9.0f, ry + 8.5f);
                outer = std::min(outer, SdPolygon(p, {{c.x - rx - 8.0f, c.y + 4.0f},
                                                      {c.x + rx + 8.0f, c.y + 4.0f},
                                                      {c.x + rx + 14.0f, 84.0f},
                                                      {c.x - rx - 14.0f, 84.0f}}) -
                                            3.0f);
                return std::max(outer, -opening(p));
            },
            Cloth(cc), 12.0f);
        // the inner rim of the hood
        pp.GlazeWith(
            opening, [=](Vec2 p) { return 0.6f * std::clamp(1.0f + opening(p) / 3.0f, 0.f, 1.f); },
            pal::cloth::kBlack);
    }
}

} // namespace art::portrait
