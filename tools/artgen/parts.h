// Figures and things built from parts: every part is a list of pieces
// (shapes with a paint) that is outlined as a whole, and parts are drawn from
// low to high depth. Pieces get crisp three-step shading with the light from
// the upper left: the rim facing the light is a step brighter, the rim facing
// away a step darker.
#pragma once

#include "canvas.h"
#include "shapes.h"

#include <vector>

namespace art {

struct Piece {
    Sdf sdf;
    Paint paint;
    bool shaded = true;
};

// A piece of one colour.
inline Piece Filled(Sdf sdf, Color c, bool shaded = true) {
    return Piece{std::move(sdf), Flat(c), shaded};
}

constexpr unsigned kAllLayers = ~0u;

struct Part {
    unsigned layer = 1; // the figure layer the part belongs to (figures.h)
    float depth = 0;
    bool outline = true;
    float light = 1.0f; // far limbs are drawn a little darker
    std::vector<Piece> pieces;
};

// The brightness factors of the lit and the shaded rim. The walking figures
// were tuned with a slightly softer highlight than the combat pictures.
struct Shading {
    float highlight, shadow;
};
constexpr Shading kFigureShading{1.13f, 0.8f};
constexpr Shading kCombatShading{1.14f, 0.8f};

class PartList {
  public:
    // Starts a new part; pieces added afterwards belong to it.
    PartList& Begin(float depth, bool outline = true, float light = 1.0f);
    PartList& Add(Sdf sdf, Paint paint, bool shaded = true);
    PartList& Add(Sdf sdf, Color c, bool shaded = true) {
        return Add(std::move(sdf), Flat(c), shaded);
    }
    std::vector<Part>& Parts() { return parts_; }

  private:
    std::vector<Part> parts_;
};

// Where and how parts are painted: the w x h rectangle at (ox, oy) of the
// canvas, `scale` picture pixels per part unit; only parts of the `include`
// layers take part, and only pixels won by the `keep` layers are written.
struct RenderArea {
    int ox = 0, oy = 0, w = 0, h = 0;
    float scale = 1.0f;
    unsigned include = kAllLayers, keep = kAllLayers;
};

void RenderParts(std::vector<Part> parts, Canvas& canvas, const RenderArea& area,
                 const Shading& shading);
// Combat pictures: part coordinates are pixels of the rectangle.
inline void RenderParts(std::vector<Part> parts, Canvas& canvas, int ox, int oy, int w, int h) {
    RenderParts(std::move(parts), canvas, RenderArea{ox, oy, w, h}, kCombatShading);
}

} // namespace art
