// Body armour and helmets worn over the player's figure: the leather jerkin,
// the chain mail shirt, the steel plate armour, the leather cap and the iron
// helmet. Each is painted from the figure's pose, so the strips lie on the
// body strip frame for frame; the arms in front of the armour cut it, the
// head cuts what lies behind the neck.
#include "items.h"
#include "palette.h"
#include "worn.h"

#include <algorithm>
#include <cmath>

namespace art::items {

void WriteWornStrips(const PictureSink& sink, const std::string& name, unsigned include,
                     const WornParts& worn) {
    const FigureLook player = PlayerLook();
    const unsigned keep = kLayerWorn;
    sink("Grafik/Items/" + name + ".png",
         MakeFigureStrip(player, include | kLayerWorn, keep, 48, 64, kMaskGreen, worn));
    sink("Grafik/Items/Groß/" + name + ".png",
         MakeFigureStrip(player, include | kLayerWorn, keep, 72, 96, kMaskGreen, worn));
}

namespace {

// Depths among the figure's parts (figures.cpp): the tunic lies at 21 (front)
// and 24.5 (side), the near arm at 30, the far arm of a side view at 5.
float TorsoDepth(const Skeleton& s) {
    return s.side ? 25.0f : 21.5f;
}
float ArmDepth(const Skeleton& s, int k) {
    if (!s.side) return 31.5f;
    return k == s.nearSide ? 31.5f : 6.5f;
}
float ArmLight(const Skeleton& s, int k) {
    return (!s.side || k == s.nearSide) ? 1.0f : 0.82f;
}

// The outline of a garment over the torso, from the shoulders down to `hem`
// (a height of the standing figure), `grow` units wider than the tunic.
std::vector<Vec2> TorsoOutline(const Skeleton& s, float hem, float grow, float flare) {
    const std::vector<Vec2>& t = s.torso;
    float top = t[0].y - 0.6f, waist = t[2].y, hemY = s.Y(hem);
    float cx = kCx;
    if (!s.side) {
        float hw = std::fabs(t[0].x - cx) + 0.9f + grow, ww = std::fabs(t[2].x - cx) + 0.8f + grow;
        return {{cx - hw, top},          {cx + hw, top},          {cx + ww, waist},
                {cx + ww + flare, hemY}, {cx - ww - flare, hemY}, {cx - ww, waist}};
    }
    int d = s.dir;
    auto X = [&](float o) { return cx + d * o; };
    return {{X(-5.8f - grow), top},
            {X(5.3f + grow), top},
            {X(6.0f + grow), waist},
            {X(6.0f + grow + flare * 0.6f), hemY},
            {X(-6.0f - grow - flare * 0.6f), hemY},
            {X(-6.0f - grow), waist}};
}

// A garment cut out round the neck in the front view.
Sdf Garment(const Skeleton& s, std::vector<Vec2> outline, float round, float neckRx, float neckRy) {
    Sdf body = Poly(std::move(outline), round);
    if (s.facing != Facing::Down) return body;
    Vec2 nc{kCx, s.torso[0].y - 0.8f};
    return Cut(body, Oval(nc, neckRx, neckRy));
}

// Steps the brightness of a colour from the pixel grid, so patterns stay
// crisp in both sizes.
struct Grid {
    float pixel;
    int X(Vec2 p) const { return static_cast<int>(std::floor(p.x / pixel)); }
    int Y(Vec2 p) const { return static_cast<int>(std::floor(p.y / pixel)); }
};

Paint Leather(Color c, float pixel) {
    Grid g{pixel};
    return [c, g](Vec2 p) {
        uint32_t h = Hash2(g.X(p), g.Y(p), 77u);
        return (h & 7u) == 0 ? Scale(c, 0.9f) : ((h & 7u) == 1 ? Scale(c, 1.07f) : c);
    };
}

// Rows of little rings: a lit and a shaded pixel in turn.
Paint Mail(Color c, float pixel) {
    Grid g{pixel};
    return [c, g](Vec2 p) {
        int x = g.X(p), y = g.Y(p), shift = (y >> 1) & 1;
        if (((x + shift) & 1) != 0) return c;
        return (y & 1) == 0 ? Lighter(c, 0.25f) : Scale(c, 0.68f);
    };
}

// Polished steel: a bright band on the lit side of each plate.
Paint Plate(Color c, Vec2 centre, float half) {
    return [=](Vec2 p) {
        float t = (p.x - centre.x) / half;
        if (t < -0.45f && t > -0.8f) return Lighter(c, 0.35f);
        return t > 0.55f ? Scale(c, 0.82f) : c;
    };
}

// ---------------------------------------------------------------- jerkin

void AddJerkin(const Skeleton& s, std::vector<Part>& out) {
    const Color leather = pal::leather::kJerkin, dark = pal::leather::kJerkinDark;
    const Color stitch = pal::leather::kJerkinStitch;
    const float cx = kCx, top = s.torso[0].y, waist = s.torso[2].y;
    Part body{kLayerWorn, TorsoDepth(s), true, 1.0f, {}};
    Sdf shape = Garment(s, TorsoOutline(s, 76.0f, 0.5f, 1.4f), 1.2f, 3.8f, 3.2f);
    body.pieces.push_back({shape, Leather(leather, s.pixel)});
    // the stitched hem
    float hemY = s.Y(76.0f);
    body.pieces.push_back({Clip(shape, [hemY](Vec2 p) { return hemY - 1.3f - p.y; }), Flat(dark)});
    // a broad belt
    float by = waist + 2.6f;
    body.pieces.push_back({Clip(shape, [by](Vec2 p) { return std::fabs(p.y - by) - 1.6f; }),
                           Flat(pal::leather::kDeepRustBelt)});
    if (s.facing == Facing::Down) {
        // laces crossing down the front and a brass buckle
        for (int k = 0; k < 3; ++k) {
            float y = top + 2.6f + k * 2.4f;
            body.pieces.push_back(Filled(
                Capsule({cx - 1.6f, y}, {cx + 1.6f, y + 1.6f}, 0.45f, 0.45f), stitch, false));
            body.pieces.push_back(Filled(
                Capsule({cx + 1.6f, y}, {cx - 1.6f, y + 1.6f}, 0.45f, 0.45f), stitch, false));
        }
        body.pieces.push_back({[cx, by](Vec2 p) {
                                   return SdBox(p, {cx, by}, 1.9f, 1.7f);
                               },
                               Flat(pal::metal::kDefaultBuckle)});
    } else if (s.facing == Facing::Up) {
        body.pieces.push_back(
            Filled(Capsule({cx, top + 1.0f}, {cx, by - 2.0f}, 0.5f, 0.5f), dark, false));
    } else {
        body.pieces.push_back(Filled(
            Capsule({cx + s.dir * 4.6f, top + 1.5f}, {cx + s.dir * 4.6f, by - 1.8f}, 0.45f, 0.45f),
            stitch, false));
    }
    out.push_back(body);
    // leather caps over the shoulders
    for (int k = 0; k < 2; ++k) {
        Part cap{kLayerWorn, ArmDepth(s, k), true, ArmLight(s, k), {}};
        Vec2 a = s.shoulder[k], b = Mid(s.shoulder[k], s.elbow[k], 0.35f);
        cap.pieces.push_back(Filled(Capsule(a, b, 4.3f, 4.0f), leather));
        cap.pieces.push_back(Filled(Capsule(Mid(a, b, 0.9f), b, 4.0f, 4.0f), dark));
        out.push_back(cap);
    }
}

// ---------------------------------------------------------------- chain mail

void AddMailShirt(const Skeleton& s, std::vector<Part>& out) {
    const Color mail = pal::metal::kMail;
    const float cx = kCx, waist = s.torso[2].y;
    Part body{kLayerWorn, TorsoDepth(s), true, 1.0f, {}};
    Sdf shape = Garment(s, TorsoOutline(s, 79.0f, 0.6f, 2.2f), 1.2f, 3.6f, 2.8f);
    body.pieces.push_back({shape, Mail(mail, s.pixel)});
    // a leather belt and the darker rings along the hem
    float hemY = s.Y(79.0f), by = waist + 2.4f;
    body.pieces.push_back(
        {Clip(shape, [hemY](Vec2 p) { return hemY - 1.1f - p.y; }), Flat(Scale(mail, 0.74f))});
    body.pieces.push_back({Clip(shape, [by](Vec2 p) { return std::fabs(p.y - by) - 1.3f; }),
                           Flat(pal::leather::kDefaultBelt)});
    if (s.facing == Facing::Down)
        body.pieces.push_back({[cx, by](Vec2 p) {
                                   return SdBox(p, {cx, by}, 1.7f, 1.5f);
                               },
                               Flat(pal::metal::kDefaultBuckle)});
    out.push_back(body);
    // a collar of rings round the neck, behind the head
    Part collar{kLayerWorn, s.facing == Facing::Up ? 38.0f : 21.7f, true, 1.0f, {}};
    Vec2 nb = s.neckBottom;
    collar.pieces.push_back(
        {Oval({nb.x, nb.y - 1.2f}, s.side ? 4.8f : 5.8f, 3.2f), Mail(Scale(mail, 0.92f), s.pixel)});
    out.push_back(collar);
    // sleeves to the elbow
    for (int k = 0; k < 2; ++k) {
        Part sleeve{kLayerWorn, ArmDepth(s, k), true, ArmLight(s, k), {}};
        Vec2 end = Mid(s.shoulder[k], s.elbow[k], 1.1f);
        sleeve.pieces.push_back({Capsule(s.shoulder[k], end, 4.4f, 3.8f), Mail(mail, s.pixel)});
        sleeve.pieces.push_back(
            Filled(Capsule(Mid(s.shoulder[k], end, 0.88f), end, 3.8f, 3.8f), Scale(mail, 0.74f)));
        out.push_back(sleeve);
    }
}

// ---------------------------------------------------------------- plate

void AddPlate(const Skeleton& s, std::vector<Part>& out) {
    const Color steel = pal::metal::kPlate, rivet = pal::metal::kPlateRivet;
    const float cx = kCx, top = s.torso[0].y, waist = s.torso[2].y;
    const bool down = s.facing == Facing::Down;
    // the skirt of overlapping bands below the breastplate
    Part skirt{kLayerWorn, TorsoDepth(s) - 0.2f, true, 1.0f, {}};
    Sdf lower = Poly(TorsoOutline(s, 78.0f, 0.9f, 2.4f), 1.0f);
    float half = s.side ? 7.0f : 9.0f;
    Vec2 mid{s.side ? cx + s.dir * 0.3f : cx, waist};
    for (int k = 0; k < 3; ++k) {
        float y0 = waist + 2.5f + k * 2.3f + s.bob;
        Sdf band = Clip(lower, [y0](Vec2 p) { return std::max(y0 - p.y, p.y - y0 - 3.2f); });
        skirt.pieces.push_back({band, Plate(Scale(steel, 0.9f - 0.05f * k), mid, half)});
        skirt.pieces.push_back(
            {Clip(band, [y0](Vec2 p) { return std::fabs(p.y - y0 - 2.7f) - 0.5f; }),
             Flat(Scale(steel, 0.66f)), false});
    }
    out.push_back(skirt);
    // breast- or backplate down to the waist
    Part plate{kLayerWorn, TorsoDepth(s), true, 1.0f, {}};
    std::vector<Vec2> o = TorsoOutline(s, 71.5f, 0.9f, 0.6f);
    Sdf shape = Garment(s, o, 1.4f, 3.6f, 2.6f);
    plate.pieces.push_back({shape, Plate(steel, mid, half)});
    if (down) {
        // the ridge down the middle, a bright line beside a dark one
        plate.pieces.push_back(
            Filled(Capsule({cx - 0.5f, top + 2.8f}, {cx - 0.5f, waist + 3.0f}, 0.5f, 0.5f),
                   Lighter(steel, 0.4f), false));
        plate.pieces.push_back(
            Filled(Capsule({cx + 0.6f, top + 2.8f}, {cx + 0.6f, waist + 3.0f}, 0.5f, 0.5f),
                   Scale(steel, 0.7f), false));
    } else if (s.side) {
        // the breastplate bulges forward
        plate.pieces.push_back({Clip(shape, Oval({cx + s.dir * 5.0f, top + 7.0f}, 2.6f, 5.0f)),
                                Flat(Lighter(steel, 0.3f))});
    }
    // rivets at the shoulders
    for (Vec2 r : {Vec2{o[0].x + 2.2f * (s.side ? s.dir : 1), top + 1.4f},
                   Vec2{o[1].x - 2.2f * (s.side ? s.dir : 1), top + 1.4f}})
        plate.pieces.push_back(Filled(Oval(r, 0.7f, 0.7f), rivet, false));
    out.push_back(plate);
    for (int k = 0; k < 2; ++k) {
        // pauldron, elbow cop and the vambrace on the forearm
        Part arm{kLayerWorn, ArmDepth(s, k), true, ArmLight(s, k), {}};
        Vec2 sh = s.shoulder[k];
        Vec2 fore0 = Mid(s.elbow[k], s.hand[k], 0.15f), fore1 = Mid(s.elbow[k], s.hand[k], 0.8f);
        arm.pieces.push_back(Filled(Capsule(fore0, fore1, 3.3f, 3.0f), steel));
        arm.pieces.push_back(Filled(Oval(s.elbow[k], 3.4f, 3.0f), Scale(steel, 0.9f)));
        arm.pieces.push_back(Filled(Capsule(sh, Mid(sh, s.elbow[k], 0.45f), 5.0f, 4.2f), steel));
        arm.pieces.push_back({Clip(Capsule(sh, Mid(sh, s.elbow[k], 0.45f), 5.0f, 4.2f),
                                   [y = Mid(sh, s.elbow[k], 0.45f).y](Vec2 p) {
                                       return std::fabs(p.y - y + 1.0f) - 0.6f;
                                   }),
                              Flat(Scale(steel, 0.68f)), false});
        out.push_back(arm);
    }
    // a gorget round the neck
    Part gorget{kLayerWorn, s.facing == Facing::Up ? 38.0f : 21.7f, true, 1.0f, {}};
    Vec2 nb = s.neckBottom;
    gorget.pieces.push_back(Filled(Oval({nb.x, nb.y - 1.0f}, s.side ? 4.6f : 5.6f, 3.0f), steel));
    out.push_back(gorget);
}

// ---------------------------------------------------------------- helmets

// How far down a helmet reaches, measured from the head's centre: to the
// brows in front, over the ears, and down to the neck at the back.
float HelmetEdge(const Skeleton& s, Vec2 p, float front, float sides, float back) {
    float dx = p.x - s.head.x;
    if (s.facing == Facing::Up) return back;
    if (s.facing == Facing::Down) {
        float t = std::clamp((std::fabs(dx) - 5.5f) / 2.0f, 0.0f, 1.0f);
        return front + (sides - front) * t;
    }
    float along = s.dir * dx; // > 0 towards the face
    if (along > 3.0f) return front;
    if (along > -1.5f)
        return front + (sides - front) * std::clamp((3.0f - along) / 2.0f, 0.0f, 1.0f);
    return sides + (back - sides) * std::clamp((-1.5f - along) / 3.0f, 0.0f, 1.0f);
}

void AddLeatherCap(const Skeleton& s, std::vector<Part>& out) {
    const Color leather = pal::leather::kCap, dark = pal::leather::kJerkinDark;
    Vec2 c = s.head;
    Vec2 dome{c.x, c.y - 1.0f};
    float rx = s.headRx + 1.4f, ry = s.headRy + 1.2f;
    auto edge = [s](Vec2 p) { return s.head.y + HelmetEdge(s, p, -2.6f, 3.0f, 5.5f); };
    Sdf cap = [=](Vec2 p) { return std::max(SdEllipse(p, dome, rx, ry), p.y - edge(p)); };
    Part g{kLayerWorn, 44, true, 1.0f, {}};
    g.pieces.push_back({cap, Leather(leather, s.pixel)});
    // panels sewn together: a seam over the crown
    if (!s.side)
        g.pieces.push_back(
            Filled(Capsule({c.x, c.y - 11.0f}, {c.x, c.y - 3.0f}, 0.45f, 0.45f), dark, false));
    else
        g.pieces.push_back(Filled(Capsule({c.x - s.dir * 1.0f, c.y - 11.0f},
                                          {c.x - s.dir * 3.5f, c.y + 2.0f}, 0.45f, 0.45f),
                                  dark, false));
    // a rolled rim along the lower edge
    g.pieces.push_back({[=](Vec2 p) {
                            return std::max(SdEllipse(p, dome, rx + 0.2f, ry + 0.2f),
                                            std::fabs(p.y - (edge(p) - 1.1f)) - 1.1f);
                        },
                        Flat(Scale(leather, 0.8f))});
    // the knob on top
    g.pieces.push_back(Filled(Oval({c.x, c.y - ry - 0.2f}, 1.4f, 1.1f), dark));
    out.push_back(g);
}

void AddIronHelmet(const Skeleton& s, std::vector<Part>& out) {
    const Color iron = pal::metal::kIron, dark = pal::metal::kIronDark;
    Vec2 c = s.head;
    Vec2 dome{c.x, c.y - 1.2f};
    float rx = s.headRx + 1.8f, ry = s.headRy + 1.6f;
    auto edge = [s](Vec2 p) { return s.head.y + HelmetEdge(s, p, -1.4f, 7.5f, 6.5f); };
    Paint shine = [iron, c](Vec2 p) {
        float d = std::hypot(p.x - (c.x - 4.0f), p.y - (c.y - 7.0f));
        return d < 2.4f ? Lighter(iron, 0.45f) : (d < 4.2f ? Lighter(iron, 0.18f) : iron);
    };
    Sdf helm = [=](Vec2 p) { return std::max(SdEllipse(p, dome, rx, ry), p.y - edge(p)); };
    Part g{kLayerWorn, 44, true, 1.0f, {}};
    g.pieces.push_back({helm, shine});
    // the ridge over the crown
    if (s.facing == Facing::Down || s.facing == Facing::Up)
        g.pieces.push_back(Filled(Capsule({c.x, c.y - ry - 1.0f}, {c.x, c.y - 3.0f}, 0.9f, 0.7f),
                                  Scale(iron, 1.1f)));
    else
        g.pieces.push_back(
            {Clip(helm,
                  [=](Vec2 p) { return std::fabs(SdEllipse(p, dome, rx, ry) + 0.8f) - 0.8f; }),
             Flat(Scale(iron, 1.12f))});
    // the riveted brow band
    float bandY = c.y - 3.4f;
    g.pieces.push_back(
        {Clip(helm, [bandY](Vec2 p) { return std::fabs(p.y - bandY) - 1.3f; }), Flat(dark)});
    for (int k = -3; k <= 3; ++k) {
        float x = c.x + k * 3.0f;
        if (std::fabs(x - c.x) > rx - 1.5f) continue;
        g.pieces.push_back(
            {Clip(Oval({x, bandY}, 0.6f, 0.6f), helm), Flat(pal::metal::kPlateRivet), false});
    }
    // the nose guard
    if (s.facing == Facing::Down)
        g.pieces.push_back(Filled(Capsule({c.x, bandY}, {c.x, c.y + 4.4f}, 1.1f, 0.9f), iron));
    else if (s.side)
        g.pieces.push_back(
            Filled(Capsule({c.x + s.dir * (s.headRx + 0.5f), bandY},
                           {c.x + s.dir * (s.headRx + 0.9f), c.y + 4.2f}, 1.0f, 0.8f),
                   iron));
    out.push_back(g);
}

} // namespace

void MakeArmourImages(const PictureSink& sink) {
    const unsigned below = kLayerBody | kLayerFace;
    WriteWornStrips(sink, "Lederwams", below, AddJerkin);
    WriteWornStrips(sink, "Kettenhemd", below, AddMailShirt);
    WriteWornStrips(sink, "Plattenpanzer", below, AddPlate);
    WriteWornStrips(sink, "Lederkappe", below, AddLeatherCap);
    WriteWornStrips(sink, "Eisenhelm", below, AddIronHelmet);
}

} // namespace art::items
