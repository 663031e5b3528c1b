// Neck, head and the face of the portraits.
#include "portrait_parts.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::portrait {

// Neck, ears and head.
void PaintHead(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const PortraitLook& pl = s.pl;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const Color skin = s.L.skin;
    const Sdf head = HeadShape(s);
    float neckR = 6.8f * (pl.feminine ? 0.9f : 1.0f) + 1.8f * L.belly;
    pp.Shape(Capsule({c.x, c.y + 12.0f}, {c.x, 72.0f}, neckR, neckR + 0.6f), Flat(skin), 7.0f);
    pp.Glaze(Oval({c.x, c.y + ry - 1.0f}, rx * 0.7f, 5.0f), Darker(skin, 0.4f), 0.45f, 5.0f);
    for (int e = -1; e <= 1; e += 2)
        pp.Shape(Oval({c.x + e * (rx - 0.5f), c.y + 4.0f}, 3.4f, 5.2f), Flat(skin), 3.0f);
    pp.Shape(head, Flat(skin), 14.0f);
}

// The blush of the cheeks.
void PaintCheeks(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const PortraitLook& pl = s.pl;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    Color blush = pal::skin::kLightRed;
    for (int e = -1; e <= 1; e += 2)
        pp.Glaze(Oval({c.x + e * (f.eyeDx + 2.5f), f.noseY + 1.5f}, 4.6f, 3.0f), blush,
                 pl.feminine ? 0.3f : 0.2f, 4.0f);
}

// Eyes, lids, lashes, brows and the lines of age round the eyes.
void PaintEyes(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const PortraitLook& pl = s.pl;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const Color skin = s.L.skin;
    const Color hair = s.L.hairColor;
    Color brow = L.hair == HairStyle::Bald ? Darker(hair, 0.1f) : Darker(hair, 0.28f);
    if (pl.age > 0.7f) brow = Mix(brow, pal::cloth::kLightWarmGrey, 0.5f);
    for (int e = -1; e <= 1; e += 2) {
        Vec2 eye{c.x + e * f.eyeDx, f.eyeY};
        Sdf white = Oval(eye, f.eyeRx, f.eyeRy);
        pp.Shape(white, Flat(pal::cloth::kPaleWarmGrey), 2.0f, false);
        Vec2 ic{eye.x - e * 0.2f, eye.y + 0.2f};
        Sdf iris = [white, ic, r = f.irisR](Vec2 p) {
            return std::max(SdCircle(p, ic, r), white(p));
        };
        pp.Shape(iris, Flat(pl.iris), 2.0f, false);
        pp.Shape([white, ic](Vec2 p) { return std::max(SdCircle(p, ic, 1.05f), white(p)); },
                 Flat(pal::cloth::kBlackEyes), 1.0f, false);
        pp.Shape(Circle({ic.x - 0.8f, ic.y - 0.9f}, 0.75f), Flat(pal::cloth::kWhiteEyes), 1.0f,
                 false);
        // upper lid line and the brow
        float ex = f.eyeRx;
        pp.Shape(Stroke({{eye.x - ex - 0.3f, eye.y + 0.4f},
                         {eye.x - ex * 0.4f, eye.y - f.eyeRy + 0.1f},
                         {eye.x + ex * 0.4f, eye.y - f.eyeRy + 0.1f},
                         {eye.x + ex + 0.3f, eye.y + 0.4f}},
                        0.55f),
                 Flat(pal::cloth::kDeepRed), 1.0f, false);
        if (pl.feminine)
            pp.Shape(Capsule({eye.x + e * (ex + 0.1f), eye.y - 0.2f},
                             {eye.x + e * (ex + 1.6f), eye.y - 1.5f}, 0.5f, 0.3f),
                     Flat(pal::cloth::kDeepRed), 1.0f, false);
        float by = eye.y - 5.2f;
        pp.Shape(Stroke({{eye.x - e * 3.6f, by + 1.0f},
                         {eye.x - e * 0.5f, by - 0.6f},
                         {eye.x + e * 3.6f, by + 0.2f}},
                        pl.feminine ? 0.7f : 0.95f),
                 Flat(brow), 1.5f, false);
        if (pl.age > 0.5f) {
            // lines at the corners of the eyes and below them
            float a = std::min(1.0f, (pl.age - 0.5f) * 2.5f);
            Color line = Darker(skin, 0.35f);
            for (int k = -1; k <= 1; ++k)
                pp.Shape(Capsule({eye.x + e * (ex + 1.0f), eye.y + 0.5f + k * 1.3f},
                                 {eye.x + e * (ex + 3.2f), eye.y + 0.3f + k * 2.3f}, 0.35f, 0.2f),
                         Flat(line), 1.0f, false, 0.45f * a);
            pp.Shape(Stroke({{eye.x - 2.4f, eye.y + f.eyeRy + 1.3f},
                             {eye.x, eye.y + f.eyeRy + 1.9f},
                             {eye.x + 2.4f, eye.y + f.eyeRy + 1.3f}},
                            0.35f),
                     Flat(line), 1.0f, false, 0.4f * a);
        }
    }
}

// A shadow on its right side, a rounded tip, nostrils.
void PaintNose(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const Color skin = s.L.skin;
    pp.Glaze(Capsule({c.x + 1.8f, f.eyeY + 2.0f}, {c.x + 2.6f, f.noseY}, 1.3f, 1.6f),
             Darker(skin, 0.35f), 0.35f, 2.0f);
    pp.Shape(Oval({c.x, f.noseY}, 2.6f, 1.9f), Flat(skin), 3.0f, false);
    for (int e = -1; e <= 1; e += 2)
        pp.Glaze(Oval({c.x + e * 1.6f, f.noseY + 1.3f}, 0.9f, 0.6f), Darker(skin, 0.5f), 0.55f,
                 1.0f);
    pp.Glaze(Circle({c.x - 0.8f, f.noseY - 0.9f}, 0.9f), Lighter(skin, 0.6f), 0.6f, 1.0f);
}

// A smile, fuller lips for women, lines of age beside the mouth.
void PaintMouth(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const PortraitLook& pl = s.pl;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const Color skin = s.L.skin;
    {
        float k = 0.03f + 0.06f * pl.smile, half = 4.6f + 1.2f * pl.smile;
        std::vector<Vec2> curve;
        for (int i = 0; i <= 8; ++i) {
            float x = -half + 2.0f * half * i / 8.0f;
            curve.push_back({c.x + x, f.mouthY - k * x * x + k * half * half * 0.5f});
        }
        Color lip = pl.feminine ? Mix(L.mouth, pal::cloth::kRedMouth, 0.5f) : L.mouth;
        if (pl.feminine)
            pp.Shape(Oval({c.x, f.mouthY + k * half * half * 0.5f + 1.0f}, half * 0.5f, 1.3f),
                     Flat(Lighter(lip, 0.1f)), 1.5f, false, 0.7f);
        pp.Glaze(Oval({c.x, f.mouthY + k * half * half * 0.5f + 2.2f}, half * 0.45f, 0.9f),
                 Lighter(skin, 0.5f), 0.3f, 1.0f);
        pp.Shape(Stroke(curve, 0.65f), Flat(Darker(lip, 0.35f)), 1.0f, false);
        if (pl.age > 0.5f) {
            float a = std::min(1.0f, (pl.age - 0.5f) * 2.5f);
            for (int e = -1; e <= 1; e += 2)
                pp.Shape(Stroke({{c.x + e * 3.6f, f.noseY + 0.6f},
                                 {c.x + e * 5.6f, f.noseY + 3.0f},
                                 {c.x + e * (half + 1.6f), f.mouthY + 1.0f}},
                                0.4f),
                         Flat(Darker(skin, 0.3f)), 1.0f, false, 0.45f * a);
        }
    }
}

// Freckles over the nose and cheeks.
void PaintFreckles(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const PortraitLook& pl = s.pl;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const Color skin = s.L.skin;
    if (pl.freckles) {
        Rng rng(907u + static_cast<uint64_t>(pl.iris.r));
        for (int k = 0; k < 22; ++k) {
            float x = rng.Range(-11.0f, 11.0f), y = rng.Range(-1.5f, 3.5f);
            if (std::fabs(x) < 2.2f) continue;
            Vec2 p{c.x + x, f.noseY + y - 0.04f * x * x + 0.5f};
            pp.Glaze(Circle(p, 0.6f), Darker(skin, 0.35f), 0.5f, 1.0f);
        }
    }
}

// Beard and moustache, leaving the lips free.
void PaintBeard(const Sitter& s) {
    SoftPainter& pp = s.pp;
    const FigureLook& L = s.L;
    const Face& f = s.f;
    const Vec2 c = s.f.c;
    const float rx = s.f.rx;
    const float ry = s.f.ry;
    const Color hair = s.L.hairColor;
    if (L.beard) {
        Sdf mouthHole = Oval({c.x, f.mouthY + 0.8f}, 4.8f, 2.4f);
        pp.Shape(
            [=](Vec2 p) {
                float dx = p.x - c.x;
                float jaw = SdEllipse(p, {c.x, c.y + 5.0f}, rx + 1.6f, ry + 1.6f);
                float cheek = f.noseY + 1.0f - 0.05f * dx * dx - p.y;
                return std::max(std::max(jaw, cheek), -mouthHole(p));
            },
            Strands(hair, {c.x, c.y - 10.0f}, 30.0f), 7.0f);
        for (int e = -1; e <= 1; e += 2)
            pp.Shape(Capsule({c.x + e * 0.8f, f.noseY + 2.6f}, {c.x + e * 7.5f, f.mouthY + 1.5f},
                             2.4f, 1.3f),
                     Strands(Darker(hair, 0.1f), {c.x, c.y - 10.0f}, 30.0f), 2.0f);
    }
}

} // namespace art::portrait
