#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

float SdCircle(Vec2 p, Vec2 c, float r) {
    return std::hypot(p.x - c.x, p.y - c.y) - r;
}

float SdEllipse(Vec2 p, Vec2 c, float rx, float ry) {
    float dx = (p.x - c.x) / rx, dy = (p.y - c.y) / ry;
    return (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::min(rx, ry);
}

float SdBox(Vec2 p, Vec2 c, float hx, float hy) {
    float dx = std::fabs(p.x - c.x) - hx, dy = std::fabs(p.y - c.y) - hy;
    float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(dx, dy), 0.0f);
}

float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb) {
    float bx = b.x - a.x, by = b.y - a.y;
    float px = p.x - a.x, py = p.y - a.y;
    float len2 = bx * bx + by * by;
    float t = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
    float dx = px - bx * t, dy = py - by * t;
    return std::hypot(dx, dy) - (ra + (rb - ra) * t);
}

float SdPolygon(Vec2 p, const std::vector<Vec2>& v) {
    size_t n = v.size();
    float d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
    float s = 1.0f;
    for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = p.x - v[i].x, wy = p.y - v[i].y;
        float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = ex * wy> ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

Paint Flat(Color c) {
    return [c](Vec2) { return c; };
}

Vec2 Mid(Vec2 a, Vec2 b, float t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

Vec2 Rotate(Vec2 p, Vec2 c, float a) {
    float s = std::sin(a), k = std::cos(a);
    float x = p.x - c.x, y = p.y - c.y;
    return {c.x + x * k - y * s, c.y + x * s + y * k};
}

Sdf Circle(Vec2 c, float r) {
    return [=](Vec2 p) { return SdCircle(p, c, r); };
}

Sdf Oval(Vec2 c, float rx, float ry) {
    return [=](Vec2 p) { return SdEllipse(p, c, rx, ry); };
}

Sdf Capsule(Vec2 a, Vec2 b, float ra, float rb) {
    return [=](Vec2 p) { return SdCapsule(p, a, b, ra, rb); };
}

Sdf Poly(std::vector<Vec2> pts, float round) {
    return [pts = std::move(pts), round](Vec2 p) { return SdPolygon(p, pts) - round; };
}

Sdf Stroke(std::vector<Vec2> pts, float ra, float rb) {
    // the radius changes along the whole length of the polyline
    std::vector<float> at(pts.size(), 0.0f);
    float total = 0;
    for (size_t i = 1; i < pts.size(); ++i) {
        total += std::hypot(pts[i].x - pts[i - 1].x, pts[i].y - pts[i - 1].y);
        at[i] = total;
    }
    for (float& a : at) a = total > 0 ? a / total : 0.0f;
    return [=](Vec2 p) {
        float d = 1e9f;
        for (size_t i = 0; i + 1 < pts.size(); ++i)
            d = std::min(d, SdCapsule(p, pts[i], pts[i + 1], ra + (rb - ra) * at[i],
                                      ra + (rb - ra) * at[i + 1]));
        return d;
    };
}

Sdf Union(Sdf a, Sdf b) {
    return [=](Vec2 p) { return std::min(a(p), b(p)); };
}

Sdf Cut(Sdf a, Sdf hole) {
    return [=](Vec2 p) { return std::max(a(p), -hole(p)); };
}

Sdf Clip(Sdf a, Sdf keep) {
    return [=](Vec2 p) { return std::max(a(p), keep(p)); };
}

} // namespace art
