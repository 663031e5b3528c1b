// Shared painting helpers of the combat pictures: figures built from signed
// distance pieces with a dark outline and crisp three-step shading, and
// glowing effects painted from an intensity field through a colour ramp
// (dark rim, bright core) so that they read over grass and cobblestone
// without any alpha.
#pragma once

#include "canvas.h"

#include <functional>
#include <vector>

namespace art::combat {

using Sdf = std::function<float(Vec2)>;
using Paint = std::function<Color(Vec2)>;

Paint Flat(Color c);
Vec2 Lerp(Vec2 a, Vec2 b, float t);
Vec2 Rotate(Vec2 p, Vec2 centre, float angle);

Sdf Circle(Vec2 c, float r);
Sdf Oval(Vec2 c, float rx, float ry);
Sdf Capsule(Vec2 a, Vec2 b, float ra, float rb);
Sdf Poly(std::vector<Vec2> pts, float round = 0.0f);
// A rounded stroke along a polyline whose radius runs from ra to rb.
Sdf Stroke(std::vector<Vec2> pts, float ra, float rb);
Sdf Union(Sdf a, Sdf b);
Sdf Cut(Sdf a, Sdf hole);  // a without hole
Sdf Clip(Sdf a, Sdf keep); // a inside keep

struct Piece {
    Sdf sdf;
    Paint paint;
    bool shaded = true;
};

// A part of a figure: pieces painted in order (later pieces on top) and
// outlined together; parts are drawn from low to high depth.
struct Part {
    float depth = 0;
    std::vector<Piece> pieces;
    bool outline = true;
    float light = 1.0f;
};

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

// Paints the parts into the w x h rectangle at (ox, oy); part coordinates
// are relative to that rectangle.
void RenderParts(std::vector<Part> parts, Canvas& canvas, int ox, int oy, int w, int h);

// A colour ramp: colour stops at increasing positions in [0, 1].
struct Ramp {
    std::vector<std::pair<float, Color>> stops;
    Color At(float t) const;
};

// Paints every pixel of the w x h rectangle whose intensity exceeds
// `threshold` with the ramp colour of the intensity, mapped so that the
// threshold gives the ramp's start. Pixels already painted are overwritten
// only when the new colour is brighter (so effects can be layered).
void PaintField(Canvas& canvas, int ox, int oy, int w, int h,
                const std::function<float(float, float)>& intensity, const Ramp& ramp,
                float threshold = 0.08f);

// Removes painted pixels of a rectangle by an ordered 4x4 dither: amount 0
// keeps everything, 1 removes everything. `where` (may be empty) limits the
// removal to pixels for which it returns a factor > 0 (multiplying amount).
void DitherAway(Canvas& canvas, int ox, int oy, int w, int h, float amount,
                const std::function<float(float, float)>& where = {});

// Puts a one-pixel ring of `c` round the painted pixels of the rectangle.
void Rim(Canvas& canvas, int ox, int oy, int w, int h, Color c);

float Smooth(float e0, float e1, float x);
float Brightness(Color c);

// Reads a picture painted on the white mask back into a canvas.
Canvas FromPixmap(const Pixmap& pm);

} // namespace art::combat
