#include "combat_paint.h"

#include <algorithm>
#include <cmath>

namespace art::combat {

Paint Flat(Color c) {
    return [c](Vec2) { return c; };
}

Vec2 Lerp(Vec2 a, Vec2 b, float t) {
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

PartList& PartList::Begin(float depth, bool outline, float light) {
    parts_.push_back(Part{depth, {}, outline, light});
    return *this;
}

PartList& PartList::Add(Sdf sdf, Paint paint, bool shaded) {
    if (parts_.empty()) Begin(0);
    parts_.back().pieces.push_back(Piece{std::move(sdf), std::move(paint), shaded});
    return *this;
}

namespace {

// Light from the upper left: the rim facing the light is a step brighter,
// the rim facing away a step darker.
Color Shade(const Piece& pc, Vec2 p, float d, float light) {
    Color base = pc.paint(p);
    if (!pc.shaded) return Scale(base, light);
    const float e = 0.35f;
    float gx = pc.sdf({p.x + e, p.y}) - pc.sdf({p.x - e, p.y});
    float gy = pc.sdf({p.x, p.y + e}) - pc.sdf({p.x, p.y - e});
    float len = std::hypot(gx, gy);
    float f = 1.0f;
    if (len > 1e-4f) {
        float toward = (gx * -0.55f + gy * -0.83f) / len; // > 0: the rim faces the light
        float rim = std::clamp(1.0f + d / 2.2f, 0.0f, 1.0f);
        float v = toward * rim;
        if (v > 0.3f)
            f = 1.14f;
        else if (v < -0.3f)
            f = 0.8f;
    }
    return Scale(base, f * light);
}

} // namespace

void RenderParts(std::vector<Part> parts, Canvas& canvas, int ox, int oy, int w, int h) {
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part& a, const Part& b) { return a.depth < b.depth; });
    std::vector<Color> col(static_cast<size_t>(w) * h);
    std::vector<uint8_t> set(static_cast<size_t>(w) * h, 0);
    for (const Part& part : parts) {
        if (part.pieces.empty()) continue;
        Color outlineColor = Darker(part.pieces.front().paint({0, 0}), 0.78f);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                Vec2 p{i + 0.5f, j + 0.5f};
                float dmin = 1e9f, dlast = 0;
                int last = -1;
                for (size_t k = 0; k < part.pieces.size(); ++k) {
                    float d = part.pieces[k].sdf(p);
                    dmin = std::min(dmin, d);
                    if (d <= 0) {
                        last = static_cast<int>(k);
                        dlast = d;
                    }
                }
                size_t idx = static_cast<size_t>(j) * w + i;
                if (last >= 0) {
                    col[idx] = Shade(part.pieces[last], p, dlast, part.light);
                    set[idx] = 1;
                } else if (part.outline && dmin <= 1.0f) {
                    col[idx] = outlineColor;
                    set[idx] = 1;
                }
            }
    }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            size_t idx = static_cast<size_t>(j) * w + i;
            if (set[idx]) canvas.Set(ox + i, oy + j, col[idx]);
        }
}

Color Ramp::At(float t) const {
    if (stops.empty()) return Color{};
    if (t <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            float a = stops[i - 1].first, b = stops[i].first;
            return Mix(stops[i - 1].second, stops[i].second, b > a ? (t - a) / (b - a) : 1.0f);
        }
    return stops.back().second;
}

float Smooth(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Brightness(Color c) {
    return (0.3f * c.r + 0.55f * c.g + 0.15f * c.b) / 255.0f;
}

void PaintField(Canvas& canvas, int ox, int oy, int w, int h,
                const std::function<float(float, float)>& intensity, const Ramp& ramp,
                float threshold) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            float v = intensity(i + 0.5f, j + 0.5f);
            if (v <= threshold) continue;
            float t = std::clamp((v - threshold) / (1.0f - threshold), 0.0f, 1.0f);
            Color c = ramp.At(t);
            int x = ox + i, y = oy + j;
            if (canvas.Painted(x, y) && Brightness(canvas.Get(x, y)) >= Brightness(c)) continue;
            canvas.Set(x, y, c);
        }
}

void DitherAway(Canvas& canvas, int ox, int oy, int w, int h, float amount,
                const std::function<float(float, float)>& where) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            float a = amount;
            if (where) a *= where(i + 0.5f, j + 0.5f);
            if (a <= 0) continue;
            float limit = (kBayer[j & 3][i & 3] + 0.5f) / 16.0f;
            if (limit < a) canvas.Unset(ox + i, oy + j);
        }
}

void Rim(Canvas& canvas, int ox, int oy, int w, int h, Color c) {
    canvas.OutlineRegion(ox, oy, w, h, c);
}

Canvas FromPixmap(const Pixmap& pm) {
    Canvas c(pm.width, pm.height);
    for (int y = 0; y < pm.height; ++y)
        for (int x = 0; x < pm.width; ++x) {
            const uint8_t* p = &pm.rgba[(static_cast<size_t>(y) * pm.width + x) * 4];
            if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
            c.Set(x, y, Rgb(p[0], p[1], p[2]));
        }
    return c;
}

} // namespace art::combat
