// The spell-book pages (Grafik/Zauber/): a small parchment scroll with a
// circle of runes in ink of the spell's colour and the spell's icon picture
// painted smaller in its middle.
#include "combat.h"
#include "items.h"
#include "palette.h"
#include "parts.h"

#include <cmath>

namespace art::items {

namespace {

using combat::SpellEmblem;

Paint Parchment() {
    const Color c = pal::ui::kParchment;
    return [c](Vec2 p) {
        float n = FractalNoise(p.x, p.y, 4.0f, 911u);
        // darker towards the edges of the sheet
        float edge = std::min(std::min(p.x - 7.0f, 41.0f - p.x), 6.0f) / 6.0f;
        return Scale(c, 0.86f + 0.1f * n + 0.06f * edge);
    };
}

Pixmap SpellPage(SpellEmblem e, Color ink) {
    Canvas cv(kSize, kSize);
    PartList L;
    const Color paper = pal::ui::kParchment, roll = Scale(paper, 0.84f);
    L.Begin(1).Add(Poly({{8, 8}, {40, 8}, {40, 40}, {8, 40}}, 0.5f), Parchment());
    // the rolled ends at the top and the bottom
    for (float y : {7.5f, 40.5f}) {
        L.Begin(2)
            .Add(Capsule({6.0f, y}, {42.0f, y}, 2.6f, 2.6f), roll)
            .Add(Capsule({6.5f, y - 0.8f}, {41.5f, y - 0.8f}, 0.6f, 0.6f), Lighter(paper, 0.3f),
                 false);
        L.Begin(2.5f).Add(Oval({6.0f, y}, 1.6f, 2.6f), Scale(paper, 0.66f));
    }
    // a ring of runes round the picture
    L.Begin(3, false);
    L.Add([](Vec2 p) { return std::fabs(SdCircle(p, {24, 24}, 14.2f)) - 0.55f; }, ink, false);
    for (int k = 0; k < 8; ++k) {
        float a = k * 3.14159f / 4.0f + 0.39f;
        Vec2 c{24.0f + std::cos(a) * 14.2f, 24.0f + std::sin(a) * 14.2f};
        Vec2 d{std::cos(a) * 1.6f, std::sin(a) * 1.6f};
        L.Add(Capsule({c.x - d.y, c.y + d.x}, {c.x + d.y, c.y - d.x}, 0.55f, 0.55f), ink, false);
    }
    RenderParts(L.Parts(), cv, 0, 0, kSize, kSize);
    combat::PaintSpellEmblem(e, cv, 10, 10, 0.7f);
    return cv.ToPixmap(kMaskWhite);
}

} // namespace

void MakeSpellPages(const PictureSink& sink) {
    const std::string dir = "Grafik/Zauber/";
    sink(dir + "Feuerball.png", SpellPage(SpellEmblem::Fireball, pal::fx::kDarkRed));
    sink(dir + "Heilung.png", SpellPage(SpellEmblem::Healing, pal::fx::kDarkOlive));
    sink(dir + "Eisstoss.png", SpellPage(SpellEmblem::Ice, pal::fx::kSky));
    sink(dir + "Geisterwolf.png", SpellPage(SpellEmblem::SpiritWolf, pal::fx::kBlueDeep));
    sink(dir + "Giftpfeil.png", SpellPage(SpellEmblem::Poison, pal::fx::kPoisonDark));
}

} // namespace art::items
