// Clothes, cloak and scarf of the portraits.
#include "portrait_parts.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::portrait {

// The torso in the tunic, or bare shoulders and a sleeveless shirt.
void PaintTorso(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float w = s.w;
    const Color skin = s.L.skin;
    const Sdf torso = TorsoShape(s);
    Color garment = L.tunicColor;
    Paint garmentPaint = L.tunicPattern == ClothPattern::Mail ? MailRings(garment) : Cloth(garment);
    if (L.sleeves == 0) {
        // bare, strong shoulders and arms, a sleeveless shirt
        pp.Shape(torso, Flat(skin), 10.0f);
        for (int e = -1; e <= 1; e += 2)
            pp.Shape(Oval({c.x + e * 31.0f * w, 93.0f}, 10.0f * w, 18.0f), Flat(skin), 9.0f);
        Sdf shirt = Poly({{c.x - 12.0f, 71.5f},
                          {c.x + 12.0f, 71.5f},
                          {c.x + 19.0f * w, 76.0f},
                          {c.x + 22.0f * w, 100.0f},
                          {c.x - 22.0f * w, 100.0f},
                          {c.x - 19.0f * w, 76.0f}},
                         2.0f);
        pp.Shape(shirt, garmentPaint, 8.0f);
    } else {
        pp.Shape(torso, garmentPaint, 12.0f);
    }
}

// A round or laced opening showing the skin, a trim around it.
void PaintNeckline(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const Color skin = s.L.skin;
    const bool hoodUp = s.hoodUp;
    if (!L.cloak || !hoodUp) {
        bool laced = !L.apron && !L.chain && !L.tabard && L.tunicHem < 80.0f && L.sleeves != 0;
        if (laced) {
            Sdf vee = Poly({{c.x - 7.0f, 70.0f}, {c.x + 7.0f, 70.0f}, {c.x, 86.0f}}, 1.0f);
            pp.Shape(vee, Flat(L.trimColor), 3.0f);
            Sdf inner = Poly({{c.x - 5.0f, 70.0f}, {c.x + 5.0f, 70.0f}, {c.x, 83.0f}}, 0.5f);
            pp.Shape(inner, Flat(skin), 4.0f, false);
            for (int k = 0; k < 3; ++k) {
                float y = 74.0f + k * 3.2f, hw = 4.2f - k * 1.1f;
                pp.Shape(Capsule({c.x - hw, y}, {c.x + hw, y + 1.6f}, 0.5f, 0.5f),
                         Flat(Darker(L.trimColor, 0.3f)), 1.0f, false);
            }
        } else {
            pp.Shape(Oval({c.x, 71.0f}, 12.5f, 6.5f), Flat(L.trimColor), 3.0f);
            pp.Shape(Oval({c.x, 70.0f}, 10.0f, 4.8f), Flat(skin), 4.0f, false);
        }
    }
}

// A bib apron with straps and stitching.
void PaintApron(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float w = s.w;
    if (L.apron) {
        Color a = L.apronColor;
        float half = 11.0f * w;
        pp.Shape(Poly({{c.x - half, 79.0f},
                       {c.x + half, 79.0f},
                       {c.x + half + 2.0f, 100.0f},
                       {c.x - half - 2.0f, 100.0f}},
                      1.2f),
                 Cloth(a), 6.0f);
        for (int e = -1; e <= 1; e += 2)
            pp.Shape(
                Capsule({c.x + e * (half - 1.5f), 80.0f}, {c.x + e * 10.5f * w, 70.5f}, 1.6f, 1.6f),
                Flat(a), 2.0f);
        // stitching along the top of the bib
        pp.Shape(Capsule({c.x - half + 1.5f, 81.6f}, {c.x + half - 1.5f, 81.6f}, 0.35f, 0.35f),
                 Flat(Lighter(a, 0.35f)), 1.0f, false, 0.8f);
    }
}

// The tabard with the town's sign.
void PaintTabard(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float w = s.w;
    if (L.tabard) {
        Sdf panel = Poly({{c.x - 14.0f * w, 73.0f},
                          {c.x + 14.0f * w, 73.0f},
                          {c.x + 15.0f * w, 100.0f},
                          {c.x - 15.0f * w, 100.0f}},
                         1.0f);
        Sdf cut = Oval({c.x, 71.0f}, 10.5f, 6.0f);
        auto withNeck = [panel, cut](Vec2 p) { return std::max(panel(p), -cut(p)); };
        pp.Shape(withNeck, Flat(L.tabardTrim), 6.0f);
        pp.Shape([withNeck](Vec2 p) { return withNeck(p) + 2.2f; }, Cloth(L.tabardColor), 6.0f,
                 false);
        Vec2 e{c.x, 90.0f};
        pp.Shape(
            [e](Vec2 p) {
                return (std::fabs(p.x - e.x) / 6.0f + std::fabs(p.y - e.y) / 8.0f - 1.0f) * 5.0f;
            },
            Flat(L.tabardTrim), 3.0f);
        pp.Shape(Circle(e, 1.8f), Flat(L.tabardColor), 1.5f, false);
    }
}

// The chain of office with its medallion.
void PaintChain(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const float w = s.w;
    if (L.chain) {
        Color gold = L.chainColor;
        // links along an arc from shoulder to shoulder
        for (int k = 0; k <= 16; ++k) {
            float t = k / 16.0f * 2.0f - 1.0f; // -1 .. 1
            float x = c.x + t * 15.5f * w;
            float y = 71.0f + 13.0f * (1.0f - t * t);
            bool flat = (k & 1) != 0;
            pp.Shape(Oval({x, y}, flat ? 1.9f : 1.3f, flat ? 1.2f : 1.8f), Flat(gold), 1.5f, true);
        }
        Vec2 m{c.x, 89.0f};
        pp.Shape(Circle(m, 5.6f), Flat(gold), 4.0f);
        pp.Shape([m](Vec2 p) { return std::fabs(SdCircle(p, m, 3.6f)) - 0.45f; },
                 Flat(Darker(gold, 0.25f)), 1.0f, false);
        pp.Shape(Circle(m, 1.9f), Flat(pal::cloth::kRedChain), 2.0f);
    }
}

// The cloak over the shoulders, open at the front.
void PaintCloak(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    const bool hoodUp = s.hoodUp;
    const Sdf torso = TorsoShape(s);
    if (L.cloak) {
        Color cc = L.cloakColor;
        Sdf open = Poly({{c.x - 5.0f, 68.0f},
                         {c.x + 5.0f, 68.0f},
                         {c.x + 13.0f, 101.0f},
                         {c.x - 13.0f, 101.0f}},
                        0.0f);
        Sdf cloak = [torso, open](Vec2 p) { return std::max(torso(p) - 1.0f, -open(p)); };
        pp.Shape(cloak, Cloth(cc), 12.0f);
        if (!hoodUp) pp.Shape(Circle({c.x, 77.0f}, 2.8f), Flat(pal::cloth::kTan), 2.0f);
    }
}

// The hood lying in folds round the neck.
void PaintHoodDown(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Vec2 c = s.f.c;
    if (L.hood && !L.hoodUp) {
        // the hood lies in folds round the neck
        pp.Shape(
            [c](Vec2 p) {
                return std::max(SdEllipse(p, {c.x, 72.0f}, 24.0f, 9.0f), 64.0f - p.y);
            },
            Cloth(L.cloakColor), 6.0f);
    }
}

// A scarf wound round the neck and pulled up over the chin.
void PaintScarf(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float w = s.w;
    if (L.scarf) {
        Color sc = L.scarfColor;
        Paint wool = [sc, c](Vec2 p) {
            // folds of the wound cloth
            float dx = p.x - c.x;
            float v = std::sin(p.y * 0.6f + 0.02f * dx * dx + 0.15f * dx);
            return v < -0.75f ? Scale(sc, 0.7f) : Scale(sc, 1.0f + 0.12f * v);
        };
        // the loose end hangs down the chest
        pp.Shape(Capsule({c.x + 9.0f, 74.0f}, {c.x + 13.0f, 99.0f}, 4.6f, 4.0f), wool, 4.0f);
        // wound round the neck and pulled up over the chin
        pp.Shape(
            [=](Vec2 p) {
                float wrap = SdEllipse(p, {c.x, 73.0f}, 20.0f * w, 7.5f);
                float chin = SdBox(p, {c.x, f.mouthY + 9.5f}, rx - 3.5f, 5.0f) - 3.0f;
                return std::min(wrap, chin);
            },
            wool, 7.0f);
    }
}

} // namespace art::portrait
