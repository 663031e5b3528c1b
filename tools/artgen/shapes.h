// The shape vocabulary shared by every painter: points, signed distances
// (negative inside) of circles, ellipses, boxes, tapered capsules and
// polygons, and shapes as functions that can be combined, filled with a
// colour or a pattern.
#pragma once

#include "color.h"

#include <functional>
#include <vector>

namespace art {

struct Vec2 {
    float x = 0, y = 0;
};

// The point a fraction t of the way from a to b.
Vec2 Mid(Vec2 a, Vec2 b, float t = 0.5f);
Vec2 Rotate(Vec2 p, Vec2 centre, float angle);

// ---- signed distances
float SdCircle(Vec2 p, Vec2 c, float r);
float SdEllipse(Vec2 p, Vec2 c, float rx, float ry);
float SdBox(Vec2 p, Vec2 c, float hx, float hy);
// A segment with a radius that changes linearly from ra at a to rb at b.
float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb);
float SdPolygon(Vec2 p, const std::vector<Vec2>& pts);

// ---- shapes and what fills them
using Sdf = std::function<float(Vec2)>;
using Paint = std::function<Color(Vec2)>;

Paint Flat(Color c);

Sdf Circle(Vec2 c, float r);
Sdf Oval(Vec2 c, float rx, float ry);
Sdf Capsule(Vec2 a, Vec2 b, float ra, float rb);
// A polygon grown by `round` (rounded corners).
Sdf Poly(std::vector<Vec2> pts, float round = 0.0f);
// A rounded stroke along a polyline whose radius runs from ra to rb.
Sdf Stroke(std::vector<Vec2> pts, float ra, float rb);
inline Sdf Stroke(std::vector<Vec2> pts, float r) {
    return Stroke(std::move(pts), r, r);
}
Sdf Union(Sdf a, Sdf b);
Sdf Cut(Sdf a, Sdf hole);  // a without hole
Sdf Clip(Sdf a, Sdf keep); // a inside keep

} // namespace art
