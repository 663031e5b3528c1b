// The portraits of the townsfolk: 96 x 96 heads and shoulders on a painted
// background, put together feature by feature (portrait_*.cpp).
#include "portrait_parts.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace portrait {

// Hair strands: light and dark streaks along lines that run out from `from`.
Paint Strands(Color hc, Vec2 from, float density) {
    return [=](Vec2 p) {
        float a = std::atan2(p.y - from.y, p.x - from.x);
        float v = std::sin(a * density + 0.6f * std::sin(p.y * 0.35f + p.x * 0.2f));
        float w = std::sin(a * density * 2.3f + 1.3f);
        float f = 1.0f + 0.1f * v + 0.05f * w;
        return Scale(hc, f);
    };
}

Paint MailRings(Color c) {
    return [c](Vec2 p) {
        int row = static_cast<int>(std::floor(p.y / 2.5f));
        float x = p.x + (row & 1) * 1.5f;
        float lx = x - 3.0f * std::floor(x / 3.0f), ly = p.y - 2.5f * row;
        float r = std::hypot(lx - 1.5f, ly - 1.0f);
        if (r > 0.9f && r < 1.6f) return ly < 1.0f ? Scale(c, 1.15f) : Scale(c, 0.8f);
        return Scale(c, 0.66f);
    };
}

Paint Weave(Color c) {
    return [c](Vec2 p) {
        int a = static_cast<int>(std::floor(p.x / 2.0f + p.y / 4.0f));
        int b = static_cast<int>(std::floor(p.y / 2.0f));
        return ((a + b) & 1) ? Scale(c, 0.9f) : Scale(c, 1.04f);
    };
}

Paint Cloth(Color c) {
    return [c](Vec2 p) {
        float v = std::sin(p.x * 0.45f + 0.8f * std::sin(p.y * 0.15f));
        return Scale(c, 1.0f + 0.06f * v);
    };
}

Sdf TorsoShape(const Sitter& s) {
    const Vec2 c = s.f.c;
    const float w = s.w;
    return Poly({{c.x - 12.0f * w, 71.0f},
                 {c.x + 12.0f * w, 71.0f},
                 {c.x + 34.0f * w, 82.0f},
                 {c.x + 42.0f * w, 100.0f},
                 {c.x - 42.0f * w, 100.0f},
                 {c.x - 34.0f * w, 82.0f}},
                5.0f);
}

Sdf HeadShape(const Sitter& s) {
    const Vec2 c = s.f.c;
    const float rx = s.f.rx, ry = s.f.ry;
    return [c, rx, ry](Vec2 p) {
        // a softly tapering jaw
        float taper = std::clamp((p.y - c.y) / ry, 0.0f, 1.0f);
        float dx = (p.x - c.x) / (1.0f - 0.16f * taper * taper);
        return SdEllipse({c.x + dx, p.y}, c, rx, ry);
    };
}

namespace {

Face MakeFace(const FigureLook& look, const PortraitLook& pl) {
    Face f;
    float youth = std::clamp(1.0f - pl.age * 2.5f, 0.0f, 1.0f); // 1 for children
    f.c = {48.0f, 41.0f + 2.0f * youth};
    f.rx = 18.2f * pl.faceWidth * (1.0f - 0.05f * youth) + 1.0f * look.belly;
    f.ry = 22.0f * (1.0f - 0.06f * youth);
    f.eyeY = f.c.y + 3.0f;
    f.eyeDx = 7.6f * pl.faceWidth * (1.0f - 0.03f * youth);
    f.noseY = f.c.y + 11.0f - youth;
    f.mouthY = f.c.y + 16.2f - 1.6f * youth;
    f.eyeRx = 3.8f + 0.5f * youth;
    f.eyeRy = 2.7f + 0.7f * youth;
    f.irisR = 2.3f + 0.4f * youth;
    return f;
}

void PaintBackground(Canvas& c, const PortraitLook& pl, const Face& f) {
    for (int j = 0; j < 96; ++j)
        for (int i = 0; i < 96; ++i) {
            float t = (j + 0.5f) / 96.0f;
            Color col = Mix(pl.backTop, pl.backBottom, t * t * (3 - 2 * t));
            // a soft glow behind the head, darker corners
            float dg = std::hypot(i + 0.5f - f.c.x, (j + 0.5f - f.c.y) * 0.9f);
            col = Mix(col, Lighter(pl.backTop, 0.4f),
                      0.32f * std::clamp(1.0f - dg / 44.0f, 0.f, 1.f));
            float dv = std::hypot(i + 0.5f - 48.0f, j + 0.5f - 48.0f) / 68.0f;
            col = Scale(col, 1.0f - 0.25f * dv * dv);
            float n = FractalNoise(static_cast<float>(i), static_cast<float>(j), 12.0f, 577u);
            c.Set(i, j, Scale(col, 0.96f + 0.08f * n));
        }
}

} // namespace

} // namespace portrait

Pixmap MakePortrait(const FigureLook& look, const PortraitLook& pl) {
    using namespace portrait;
    Canvas canvas(96, 96);
    SoftPainter pp(canvas);
    Face f = MakeFace(look, pl);
    PaintBackground(canvas, pl, f);
    const float w = std::clamp(look.build, 0.85f, 1.25f) * (pl.feminine ? 0.93f : 1.0f);
    const Sitter s{pp, look, pl, f, w, look.hood && look.hoodUp};
    PaintBunBehind(s);
    PaintTorso(s);
    PaintNeckline(s);
    PaintApron(s);
    PaintTabard(s);
    PaintChain(s);
    PaintCloak(s);
    PaintHoodDown(s);
    PaintLongHairBehind(s);
    PaintBraids(s);
    PaintHead(s);
    PaintCheeks(s);
    PaintEyes(s);
    PaintNose(s);
    PaintMouth(s);
    PaintFreckles(s);
    PaintBeard(s);
    PaintHair(s);
    PaintHeadband(s);
    PaintHat(s);
    PaintHoodUp(s);
    PaintScarf(s);
    return canvas.ToPixmap(kMaskWhite);
}

} // namespace art
