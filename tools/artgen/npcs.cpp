#include "npcs.h"

#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace art {

FigureLook StrangerLook() {
    FigureLook l;
    l.skin = Rgb(210, 168, 136);
    l.build = 0.96f;
    l.hairColor = Rgb(40, 34, 32);
    l.faceShadow = 0.7f;
    l.tunicColor = Rgb(60, 58, 64);
    l.trimColor = Rgb(48, 46, 52);
    l.tunicHem = 78.0f;
    l.sleeves = 2;
    l.sleeveColor = Rgb(42, 40, 48);
    l.beltColor = Rgb(40, 30, 26);
    l.trouserColor = Rgb(54, 50, 54);
    l.bootColor = Rgb(40, 34, 30);
    l.cloak = true;
    l.cloakColor = Rgb(42, 40, 48);
    l.cloakHem = 88.0f;
    l.hood = true;
    l.hoodUp = true;
    l.scarf = true;
    l.scarfColor = Rgb(134, 134, 130);
    return l;
}

namespace {

// ------------------------------------------------------------------ the townsfolk

struct NpcArt {
    int id;
    FigureLook look;
    PortraitLook portrait;
};

std::vector<NpcArt> Townsfolk() {
    return {
        // 1 Bürgermeisterin Helka: older woman, grey bun, long dark green robe,
        // golden chain of office
        {1,
         [] {
             FigureLook l;
             l.skin = Rgb(232, 192, 164);
             l.build = 0.95f;
             l.hair = HairStyle::Bun;
             l.hairColor = Rgb(176, 176, 180);
             l.mouth = Rgb(150, 82, 78);
             l.tunicColor = Rgb(40, 96, 62);
             l.trimColor = Rgb(200, 166, 78);
             l.tunicHem = 87.0f;
             l.skirtFlare = 2.6f;
             l.sleeves = 2;
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(70, 50, 40);
             l.chain = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(196, 182, 140);
             p.backBottom = Rgb(104, 112, 78);
             p.iris = Rgb(70, 110, 96);
             p.age = 0.85f;
             p.feminine = true;
             p.smile = 0.5f;
             return p;
         }()},
        // 2 Händler Ortwin: portly, bald with a brown beard, red tunic, leather
        // apron and a pouch at the belt
        {2,
         [] {
             FigureLook l;
             l.skin = Rgb(238, 178, 142);
             l.build = 1.25f;
             l.belly = 1.0f;
             l.hair = HairStyle::Bald;
             l.hairColor = Rgb(118, 72, 38);
             l.beard = true;
             l.tunicColor = Rgb(178, 46, 42);
             l.trimColor = Rgb(132, 34, 32);
             l.tunicHem = 78.0f;
             l.beltColor = Rgb(84, 54, 32);
             l.trouserColor = Rgb(86, 68, 54);
             l.bootColor = Rgb(70, 46, 30);
             l.apron = true;
             l.apronColor = Rgb(146, 100, 60);
             l.apronHem = 81.0f;
             l.pouch = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(214, 176, 108);
             p.backBottom = Rgb(122, 80, 48);
             p.iris = Rgb(96, 62, 36);
             p.age = 0.55f;
             p.faceWidth = 1.14f;
             p.smile = 0.9f;
             return p;
         }()},
        // 3 Bauer Jost: young farmer, straw hat, blond, brown shirt, blue trousers
        {3,
         [] {
             FigureLook l;
             l.skin = Rgb(236, 184, 142);
             l.hairColor = Rgb(232, 196, 104);
             l.hat = HatStyle::Straw;
             l.tunicColor = Rgb(138, 94, 58);
             l.trimColor = Rgb(110, 74, 44);
             l.tunicHem = 74.0f;
             l.sleeves = 2;
             l.beltColor = Rgb(178, 156, 104); // a rope
             l.buckleColor = Rgb(150, 128, 84);
             l.trouserColor = Rgb(62, 90, 156);
             l.bootColor = Rgb(96, 66, 40);
             l.bootTop = 0.72f; // low shoes under the trousers
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(150, 196, 226);
             p.backBottom = Rgb(118, 156, 74);
             p.iris = Rgb(70, 120, 170);
             p.age = 0.25f;
             p.freckles = true;
             p.smile = 0.85f;
             return p;
         }()},
        // 4 Schmiedin Runa: strong, red braids, sleeveless grey shirt, black
        // leather apron, thick forearms
        {4,
         [] {
             FigureLook l;
             l.skin = Rgb(236, 186, 150);
             l.build = 1.12f;
             l.armWidth = 1.35f;
             l.hair = HairStyle::Braids;
             l.hairColor = Rgb(190, 70, 34);
             l.mouth = Rgb(160, 80, 70);
             l.tunicColor = Rgb(134, 136, 140);
             l.trimColor = Rgb(108, 110, 114);
             l.tunicHem = 74.0f;
             l.sleeves = 0;
             l.beltColor = Rgb(60, 44, 34);
             l.trouserColor = Rgb(80, 66, 56);
             l.bootColor = Rgb(52, 44, 40);
             l.apron = true;
             l.apronColor = Rgb(48, 44, 46);
             l.apronHem = 84.0f;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(236, 150, 70);
             p.backBottom = Rgb(76, 42, 34);
             p.iris = Rgb(84, 120, 70);
             p.age = 0.4f;
             p.faceWidth = 1.04f;
             p.feminine = true;
             p.freckles = true;
             p.smile = 0.7f;
             return p;
         }()},
        // 5 Kräuterfrau Alwine: old, long white-grey hair, purple cloak with the
        // hood down, a basket of herbs
        {5,
         [] {
             FigureLook l;
             l.skin = Rgb(228, 190, 166);
             l.height = 0.96f;
             l.build = 0.92f;
             l.hair = HairStyle::Long;
             l.hairColor = Rgb(208, 208, 204);
             l.mouth = Rgb(146, 86, 84);
             l.tunicColor = Rgb(112, 98, 80);
             l.trimColor = Rgb(90, 78, 62);
             l.tunicHem = 87.0f;
             l.skirtFlare = 2.0f;
             l.sleeves = 2;
             l.sleeveColor = Rgb(106, 62, 134);
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(84, 60, 44);
             l.cloak = true;
             l.cloakColor = Rgb(106, 62, 134);
             l.cloakHem = 86.0f;
             l.hood = true;
             l.basket = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(170, 190, 150);
             p.backBottom = Rgb(70, 92, 62);
             p.iris = Rgb(110, 120, 70);
             p.age = 1.0f;
             p.faceWidth = 0.96f;
             p.feminine = true;
             p.smile = 0.75f;
             return p;
         }()},
        // 6 Wache Dietmar: steel helmet, mail shirt under a blue tabard, brown trousers
        {6,
         [] {
             FigureLook l;
             l.skin = Rgb(226, 174, 134);
             l.build = 1.1f;
             l.hairColor = Rgb(94, 62, 38);
             l.hat = HatStyle::Helmet;
             l.hatColor = Rgb(172, 178, 188);
             l.tunicColor = Rgb(150, 156, 166);
             l.trimColor = Rgb(120, 126, 136);
             l.tunicPattern = ClothPattern::Mail;
             l.tunicHem = 77.0f;
             l.beltColor = Rgb(66, 44, 30);
             l.trouserColor = Rgb(116, 82, 52);
             l.bootColor = Rgb(64, 46, 34);
             l.tabard = true;
             l.tabardColor = Rgb(46, 80, 164);
             l.tabardTrim = Rgb(222, 186, 76);
             l.apronHem = 80.0f;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(150, 160, 176);
             p.backBottom = Rgb(84, 88, 100);
             p.iris = Rgb(80, 100, 130);
             p.age = 0.45f;
             p.faceWidth = 1.05f;
             p.smile = 0.45f;
             return p;
         }()},
        // 7 Fremder Kaspar: black cloak, hood up, face in shadow, grey scarf
        {7, StrangerLook(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(58, 66, 96);
             p.backBottom = Rgb(22, 24, 38);
             p.iris = Rgb(120, 110, 70);
             p.age = 0.5f;
             p.smile = 0.2f;
             return p;
         }()},
        // 8 Müllerstochter Lene: a girl of fourteen, long brown hair with a
        // headband, yellow dress
        {8,
         [] {
             FigureLook l;
             l.skin = Rgb(242, 196, 160);
             l.height = 0.9f;
             l.build = 0.86f;
             l.hair = HairStyle::Long;
             l.hairColor = Rgb(124, 76, 40);
             l.headband = true;
             l.headbandColor = Rgb(60, 132, 196);
             l.mouth = Rgb(180, 90, 86);
             l.tunicColor = Rgb(238, 198, 62);
             l.trimColor = Rgb(222, 160, 46);
             l.tunicHem = 84.0f;
             l.skirtFlare = 1.6f;
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(120, 78, 44);
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(180, 214, 236);
             p.backBottom = Rgb(150, 196, 110);
             p.iris = Rgb(110, 80, 44);
             p.age = 0.0f;
             p.faceWidth = 0.96f;
             p.feminine = true;
             p.smile = 0.9f;
             return p;
         }()},
    };
}

// ------------------------------------------------------------------ portrait painting

// Painting with soft light from the upper left: every shape is treated as a
// cushion whose rim curves away from the viewer over `bulge` pixels.
class PortraitPainter {
  public:
    explicit PortraitPainter(Canvas& c) : c_(c) {}

    void Shape(const Sdf& sd, const Paint& paint, float bulge, bool outline = true,
               float alpha = 1.0f) {
        for (int j = 0; j < c_.Height(); ++j)
            for (int i = 0; i < c_.Width(); ++i) {
                Vec2 p{i + 0.5f, j + 0.5f};
                float d = sd(p);
                if (d >= 0.5f) continue;
                float cover = std::clamp(0.5f - d, 0.0f, 1.0f) * alpha;
                Color base = paint(p);
                Color col = Light(base, Lambert(sd, p, d, bulge));
                if (outline && d > -1.6f) {
                    float t = std::clamp((d + 1.6f) / 1.0f, 0.0f, 1.0f);
                    col = Mix(col, Darker(base, 0.62f), t * 0.9f);
                }
                c_.Blend(i, j, col, cover);
            }
    }

    // Flat colour laid over what is there, fading in over `feather` pixels
    // inside the shape's edge.
    void Glaze(const Sdf& sd, Color col, float alpha, float feather) {
        for (int j = 0; j < c_.Height(); ++j)
            for (int i = 0; i < c_.Width(); ++i) {
                Vec2 p{i + 0.5f, j + 0.5f};
                float d = sd(p);
                if (d >= 0.5f) continue;
                float a = std::clamp((0.5f - d) / std::max(feather, 1.0f), 0.0f, 1.0f) * alpha;
                c_.Blend(i, j, col, a);
            }
    }

    // Like Glaze, but the colour depends on the place.
    void GlazeWith(const Sdf& sd, const std::function<float(Vec2)>& alpha, Color col) {
        for (int j = 0; j < c_.Height(); ++j)
            for (int i = 0; i < c_.Width(); ++i) {
                Vec2 p{i + 0.5f, j + 0.5f};
                float d = sd(p);
                if (d >= 0.5f) continue;
                float a = std::clamp(0.5f - d, 0.0f, 1.0f) * std::clamp(alpha(p), 0.0f, 1.0f);
                c_.Blend(i, j, col, a);
            }
    }

  private:
    static float Lambert(const Sdf& sd, Vec2 p, float d, float bulge) {
        const float e = 0.5f;
        float gx = sd({p.x + e, p.y}) - sd({p.x - e, p.y});
        float gy = sd({p.x, p.y + e}) - sd({p.x, p.y - e});
        float len = std::hypot(gx, gy);
        if (len < 1e-5f) return 0;
        gx /= len;
        gy /= len;
        float s = std::clamp(1.0f + d / bulge, 0.0f, 1.0f);
        s = s * s;
        float nx = gx * s, ny = gy * s, nz = std::sqrt(std::max(0.0f, 1.0f - s * s));
        const float lx = -0.45f, ly = -0.65f, lz = 0.62f, ln = 1.0047f;
        float lam = (nx * lx + ny * ly + nz * lz) / ln;
        return std::clamp((lam - 0.617f) * 1.5f, -1.0f, 1.0f);
    }

    static Color Light(Color base, float f) {
        if (f > 0) return Mix(base, Rgb(255, 240, 214), f * 0.38f);
        Color shade = Mix(Scale(base, 0.58f), Rgb(54, 38, 78), 0.22f);
        return Mix(base, shade, -f);
    }

    Canvas& c_;
};

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

struct Face {
    Vec2 c;       // head centre
    float rx, ry; // head radii
    float eyeY, eyeDx, noseY, mouthY;
    float eyeRx, eyeRy, irisR;
};

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

void PaintPortrait(Canvas& canvas, const FigureLook& L, const PortraitLook& pl) {
    PortraitPainter pp(canvas);
    Face f = MakeFace(L, pl);
    const Vec2 c = f.c;
    const float rx = f.rx, ry = f.ry;
    PaintBackground(canvas, pl, f);
    const float w = std::clamp(L.build, 0.85f, 1.25f) * (pl.feminine ? 0.93f : 1.0f);
    const Color skin = L.skin;
    const Color hair = L.hairColor;
    const bool hoodUp = L.hood && L.hoodUp;

    // ---- hair behind the head: a bun, long hair falling on the shoulders
    if (L.hair == HairStyle::Bun && !hoodUp) {
        Vec2 b{c.x + 2.0f, c.y - ry - 2.0f};
        pp.Shape(Circle(b, 8.5f), Strands(hair, {b.x - 3.0f, b.y + 9.0f}, 9.0f), 6.0f);
    }

    // ---- torso and clothes
    Sdf torso = Poly({{c.x - 12.0f * w, 71.0f},
                      {c.x + 12.0f * w, 71.0f},
                      {c.x + 34.0f * w, 82.0f},
                      {c.x + 42.0f * w, 100.0f},
                      {c.x - 42.0f * w, 100.0f},
                      {c.x - 34.0f * w, 82.0f}},
                     5.0f);
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
    // neckline: a round or laced opening showing the skin, a trim around it
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
        pp.Shape(Circle(m, 1.9f), Flat(Rgb(176, 38, 46)), 2.0f);
    }
    if (L.cloak) {
        Color cc = L.cloakColor;
        Sdf open = Poly({{c.x - 5.0f, 68.0f},
                         {c.x + 5.0f, 68.0f},
                         {c.x + 13.0f, 101.0f},
                         {c.x - 13.0f, 101.0f}},
                        0.0f);
        Sdf cloak = [torso, open](Vec2 p) { return std::max(torso(p) - 1.0f, -open(p)); };
        pp.Shape(cloak, Cloth(cc), 12.0f);
        if (!hoodUp) pp.Shape(Circle({c.x, 77.0f}, 2.8f), Flat(Rgb(206, 168, 80)), 2.0f);
    }
    if (L.hood && !L.hoodUp) {
        // the hood lies in folds round the neck
        pp.Shape(
            [c](Vec2 p) {
                return std::max(SdEllipse(p, {c.x, 72.0f}, 24.0f, 9.0f), 64.0f - p.y);
            },
            Cloth(L.cloakColor), 6.0f);
    }

    // ---- hair behind the head and neck
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
                     Flat(Rgb(70, 54, 40)), 1.5f);
        }
    }

    // ---- neck, ears, head
    float neckR = 6.8f * (pl.feminine ? 0.9f : 1.0f) + 1.8f * L.belly;
    pp.Shape(Capsule({c.x, c.y + 12.0f}, {c.x, 72.0f}, neckR, neckR + 0.6f), Flat(skin), 7.0f);
    pp.Glaze(Oval({c.x, c.y + ry - 1.0f}, rx * 0.7f, 5.0f), Darker(skin, 0.4f), 0.45f, 5.0f);
    for (int e = -1; e <= 1; e += 2)
        pp.Shape(Oval({c.x + e * (rx - 0.5f), c.y + 4.0f}, 3.4f, 5.2f), Flat(skin), 3.0f);
    Sdf head = [c, rx, ry](Vec2 p) {
        // a softly tapering jaw
        float taper = std::clamp((p.y - c.y) / ry, 0.0f, 1.0f);
        float dx = (p.x - c.x) / (1.0f - 0.16f * taper * taper);
        return SdEllipse({c.x + dx, p.y}, c, rx, ry);
    };
    pp.Shape(head, Flat(skin), 14.0f);

    // ---- the face
    Color blush = Rgb(232, 120, 110);
    for (int e = -1; e <= 1; e += 2)
        pp.Glaze(Oval({c.x + e * (f.eyeDx + 2.5f), f.noseY + 1.5f}, 4.6f, 3.0f), blush,
                 pl.feminine ? 0.3f : 0.2f, 4.0f);
    Color brow = L.hair == HairStyle::Bald ? Darker(hair, 0.1f) : Darker(hair, 0.28f);
    if (pl.age > 0.7f) brow = Mix(brow, Rgb(190, 186, 180), 0.5f);
    for (int e = -1; e <= 1; e += 2) {
        Vec2 eye{c.x + e * f.eyeDx, f.eyeY};
        Sdf white = Oval(eye, f.eyeRx, f.eyeRy);
        pp.Shape(white, Flat(Rgb(242, 238, 230)), 2.0f, false);
        Vec2 ic{eye.x - e * 0.2f, eye.y + 0.2f};
        Sdf iris = [white, ic, r = f.irisR](Vec2 p) {
            return std::max(SdCircle(p, ic, r), white(p));
        };
        pp.Shape(iris, Flat(pl.iris), 2.0f, false);
        pp.Shape([white, ic](Vec2 p) { return std::max(SdCircle(p, ic, 1.05f), white(p)); },
                 Flat(Rgb(26, 20, 22)), 1.0f, false);
        pp.Shape(Circle({ic.x - 0.8f, ic.y - 0.9f}, 0.75f), Flat(Rgb(250, 250, 245)), 1.0f, false);
        // upper lid line and the brow
        float ex = f.eyeRx;
        pp.Shape(Stroke({{eye.x - ex - 0.3f, eye.y + 0.4f},
                         {eye.x - ex * 0.4f, eye.y - f.eyeRy + 0.1f},
                         {eye.x + ex * 0.4f, eye.y - f.eyeRy + 0.1f},
                         {eye.x + ex + 0.3f, eye.y + 0.4f}},
                        0.55f),
                 Flat(Rgb(60, 36, 30)), 1.0f, false);
        if (pl.feminine)
            pp.Shape(Capsule({eye.x + e * (ex + 0.1f), eye.y - 0.2f},
                             {eye.x + e * (ex + 1.6f), eye.y - 1.5f}, 0.5f, 0.3f),
                     Flat(Rgb(60, 36, 30)), 1.0f, false);
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
    // nose: a shadow on its right side, a rounded tip, nostrils
    pp.Glaze(Capsule({c.x + 1.8f, f.eyeY + 2.0f}, {c.x + 2.6f, f.noseY}, 1.3f, 1.6f),
             Darker(skin, 0.35f), 0.35f, 2.0f);
    pp.Shape(Oval({c.x, f.noseY}, 2.6f, 1.9f), Flat(skin), 3.0f, false);
    for (int e = -1; e <= 1; e += 2)
        pp.Glaze(Oval({c.x + e * 1.6f, f.noseY + 1.3f}, 0.9f, 0.6f), Darker(skin, 0.5f), 0.55f,
                 1.0f);
    pp.Glaze(Circle({c.x - 0.8f, f.noseY - 0.9f}, 0.9f), Lighter(skin, 0.6f), 0.6f, 1.0f);
    // mouth: a smile
    {
        float k = 0.03f + 0.06f * pl.smile, half = 4.6f + 1.2f * pl.smile;
        std::vector<Vec2> curve;
        for (int i = 0; i <= 8; ++i) {
            float x = -half + 2.0f * half * i / 8.0f;
            curve.push_back({c.x + x, f.mouthY - k * x * x + k * half * half * 0.5f});
        }
        Color lip = pl.feminine ? Mix(L.mouth, Rgb(196, 80, 86), 0.5f) : L.mouth;
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
    if (pl.freckles) {
        Rng rng(907u + static_cast<uint64_t>(pl.iris.r));
        for (int k = 0; k < 22; ++k) {
            float x = rng.Range(-11.0f, 11.0f), y = rng.Range(-1.5f, 3.5f);
            if (std::fabs(x) < 2.2f) continue;
            Vec2 p{c.x + x, f.noseY + y - 0.04f * x * x + 0.5f};
            pp.Glaze(Circle(p, 0.6f), Darker(skin, 0.35f), 0.5f, 1.0f);
        }
    }

    // ---- beard and moustache, leaving the lips free
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

    // ---- hair on the head
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
    if (L.headband && !hoodUp) {
        pp.Shape(
            [=](Vec2 p) {
                float dx = p.x - c.x;
                float band = std::fabs(p.y - (c.y - 12.5f + 0.045f * dx * dx)) - 1.7f;
                return std::max(band, SdEllipse(p, {c.x, c.y - 2.0f}, rx + 2.6f, ry + 2.0f));
            },
            Flat(L.headbandColor), 2.0f);
    }

    // ---- headgear
    if (L.hat == HatStyle::Straw) {
        Color straw = L.hatColor;
        float brimY = c.y - 11.0f;
        // shade on the forehead
        pp.GlazeWith(
            head,
            [=](Vec2 p) { return 0.5f * std::clamp(1.0f - (p.y - brimY - 5.0f) / 8.0f, 0.f, 1.f); },
            Rgb(70, 44, 30));
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
        pp.Glaze(Oval({c.x - 7.0f, rimY - 12.0f}, 4.0f, 2.6f), Rgb(246, 246, 240), 0.7f, 3.0f);
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
            Rgb(18, 14, 24));
        for (int e = -1; e <= 1; e += 2)
            pp.Glaze(Oval({c.x + e * f.eyeDx, f.eyeY + 0.3f}, 1.6f, 0.9f), Rgb(214, 200, 150),
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
            Rgb(10, 8, 14));
    }
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

} // namespace

Pixmap MakeCharacterStrip(const FigureLook& look) {
    return MakeFigureStrip(look, kLayerAll, kLayerAll, 72, 96, kMaskWhite);
}

Pixmap MakePortrait(const FigureLook& look, const PortraitLook& portrait) {
    Canvas c(96, 96);
    PaintPortrait(c, look, portrait);
    return c.ToPixmap(kMaskWhite);
}

void MakeNpcImages(const PictureSink& sink) {
    for (const NpcArt& npc : Townsfolk()) {
        std::string id = std::to_string(npc.id);
        sink("Grafik/NPCs/Charaktere/NPC" + id + ".png", MakeCharacterStrip(npc.look));
        sink("Grafik/NPCs/Faces/Face" + id + ".png", MakePortrait(npc.look, npc.portrait));
    }
}

} // namespace art
