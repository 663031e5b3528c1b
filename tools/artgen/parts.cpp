#include "parts.h"

#include <algorithm>
#include <cmath>

namespace art {

PartList& PartList::Begin(float depth, bool outline, float light) {
    parts_.push_back(Part{1, depth, outline, light, {}});
    return *this;
}

PartList& PartList::Add(Sdf sdf, Paint paint, bool shaded) {
    if (parts_.empty()) Begin(0);
    parts_.back().pieces.push_back(Piece{std::move(sdf), std::move(paint), shaded});
    return *this;
}

namespace {

// The outline of a part is a dark shade of its first piece's colour.
constexpr float kOutlineDarkness = 0.78f;

Color ShadeAt(const Piece& pc, Vec2 p, float d, float light, const Shading& shading) {
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
            f = shading.highlight;
        else if (v < -0.3f)
            f = shading.shadow;
    }
    return Scale(base, f * light);
}

} // namespace

void RenderParts(std::vector<Part> parts, Canvas& canvas, const RenderArea& a,
                 const Shading& shading) {
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part& x, const Part& y) { return x.depth < y.depth; });
    const int w = a.w, h = a.h;
    std::vector<unsigned> owner(static_cast<size_t>(w) * h, 0);
    std::vector<Color> col(static_cast<size_t>(w) * h);
    const float onePixel = 1.0f / a.scale;
    for (const Part& part : parts) {
        if (!(part.layer & a.include) || part.pieces.empty()) continue;
        Color outlineColor = Darker(part.pieces.front().paint({0, 0}), kOutlineDarkness);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                Vec2 p{(i + 0.5f) / a.scale, (j + 0.5f) / a.scale};
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
                    col[idx] = ShadeAt(part.pieces[last], p, dlast, part.light, shading);
                    owner[idx] = part.layer;
                } else if (part.outline && dmin <= onePixel) {
                    col[idx] = outlineColor;
                    owner[idx] = part.layer;
                }
            }
    }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            size_t idx = static_cast<size_t>(j) * w + i;
            if (owner[idx] & a.keep) canvas.Set(a.ox + i, a.oy + j, col[idx]);
        }
}

} // namespace art
