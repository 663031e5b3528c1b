// Soft painting for the portraits: shapes shaded like cushions with light
// from the upper left, blended into the canvas with smooth edges, and glazes
// of flat colour over what is there.
#pragma once

#include "canvas.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

namespace art {

// Painting with soft light from the upper left: every shape is treated as a
// cushion whose rim curves away from the viewer over `bulge` pixels.
class SoftPainter {
  public:
    explicit SoftPainter(Canvas& c) : c_(c) {}

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
        if (f > 0) return Mix(base, pal::light::kPaleTan, f * 0.38f);
        Color shade = Mix(Scale(base, 0.58f), pal::light::kDarkViolet, 0.22f);
        return Mix(base, shade, -f);
    }

    Canvas& c_;
};

} // namespace art
