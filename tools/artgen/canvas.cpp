#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

uint8_t Clamp8(float v) {
    if (v < 0.0f) return 0;
    if (v > 255.0f) return 255;
    return static_cast<uint8_t>(v + 0.5f);
}

float SmoothStep01(float t) {
    return t * t * (3.0f - 2.0f * t);
}

int Wrap(int v, int period) {
    if (period <= 0) return v;
    int m = v % period;
    return m < 0 ? m + period : m;
}

} // namespace

Color Mix(Color a, Color b, float t) {
    return Color{Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t),
                 Clamp8(a.b + (b.b - a.b) * t)};
}

Color Scale(Color c, float f) {
    return Color{Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f)};
}

Color Lighter(Color c, float amount) {
    return Mix(c, Rgb(252, 246, 228), amount);
}

Color Darker(Color c, float amount) {
    return Mix(c, Rgb(20, 14, 10), amount);
}

uint64_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Uniform() {
    return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24);
}

float Rng::Range(float lo, float hi) {
    return lo + (hi - lo) * Uniform();
}

int Rng::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
}

uint32_t Hash2(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float ValueNoise(float x, float y, float cell, uint32_t seed, int period) {
    float fx = x / cell, fy = y / cell;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = SmoothStep01(fx - ix), ty = SmoothStep01(fy - iy);
    // The lattice repeats every period / cell lattice steps.
    int lp = period > 0 ? std::max(1, static_cast<int>(std::lround(period / cell))) : 0;
    auto at = [&](int gx, int gy) {
        return (Hash2(Wrap(gx, lp), Wrap(gy, lp), seed) & 0xFFFF) / 65535.0f;
    };
    float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, float cell, uint32_t seed, int period) {
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < 3; ++o) {
        sum += amp * ValueNoise(x, y, cell, seed + 101u * o, period);
        weight += amp;
        amp *= 0.5f;
        cell *= 0.5f;
        if (cell < 1.0f) break;
    }
    return sum / weight;
}

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

Canvas::Canvas(int w, int h)
    : w_(w), h_(h), px_(static_cast<size_t>(w) * h), painted_(static_cast<size_t>(w) * h, 0) {}

void Canvas::Set(int x, int y, Color c) {
    if (!Inside(x, y)) return;
    size_t i = static_cast<size_t>(y) * w_ + x;
    px_[i] = c;
    painted_[i] = 1;
}

void Canvas::Blend(int x, int y, Color c, float a) {
    if (!Inside(x, y)) return;
    size_t i = static_cast<size_t>(y) * w_ + x;
    px_[i] = painted_[i] ? Mix(px_[i], c, a) : c;
    painted_[i] = 1;
}

void Canvas::Unset(int x, int y) {
    if (!Inside(x, y)) return;
    painted_[static_cast<size_t>(y) * w_ + x] = 0;
}

Color Canvas::Get(int x, int y) const {
    if (!Inside(x, y)) return Color{};
    return px_[static_cast<size_t>(y) * w_ + x];
}

bool Canvas::Painted(int x, int y) const {
    return Inside(x, y) && painted_[static_cast<size_t>(y) * w_ + x] != 0;
}

void Canvas::FillRect(int x, int y, int w, int h, Color c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::StrokeRect(int x, int y, int w, int h, Color c, int thick) {
    FillRect(x, y, w, thick, c);
    FillRect(x, y + h - thick, w, thick, c);
    FillRect(x, y, thick, h, c);
    FillRect(x + w - thick, y, thick, h, c);
}

void Canvas::FillRoundRect(int x, int y, int w, int h, int r, Color c) {
    float cx = x + w / 2.0f, cy = y + h / 2.0f;
    float hx = w / 2.0f - r, hy = h / 2.0f - r;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (SdBox({i + 0.5f, j + 0.5f}, {cx, cy}, hx, hy) - r <= 0) Set(i, j, c);
}

void Canvas::VGradient(int x, int y, int w, int h, Color top, Color bottom) {
    for (int j = 0; j < h; ++j) {
        Color c = Mix(top, bottom, h > 1 ? static_cast<float>(j) / (h - 1) : 0.0f);
        for (int i = 0; i < w; ++i) Set(x + i, y + j, c);
    }
}

void Canvas::HGradient(int x, int y, int w, int h, Color left, Color right) {
    for (int i = 0; i < w; ++i) {
        Color c = Mix(left, right, w > 1 ? static_cast<float>(i) / (w - 1) : 0.0f);
        for (int j = 0; j < h; ++j) Set(x + i, y + j, c);
    }
}

void Canvas::Bevel(int x, int y, int w, int h, int thick, bool inset, float strength) {
    for (int t = 0; t < thick; ++t) {
        float s = strength * (1.0f - static_cast<float>(t) / thick);
        float lit = inset ? -s : s;
        for (int i = x + t; i < x + w - t; ++i) {
            Set(i, y + t, Scale(Get(i, y + t), 1.0f + lit));
            Set(i, y + h - 1 - t, Scale(Get(i, y + h - 1 - t), 1.0f - lit));
        }
        for (int j = y + t + 1; j < y + h - t - 1; ++j) {
            Set(x + t, j, Scale(Get(x + t, j), 1.0f + lit));
            Set(x + w - 1 - t, j, Scale(Get(x + w - 1 - t, j), 1.0f - lit));
        }
    }
}

void Canvas::FillCircle(float cx, float cy, float r, Color c) {
    FillEllipse(cx, cy, r, r, c);
}

void Canvas::StrokeCircle(float cx, float cy, float r, float thick, Color c) {
    int x0 = static_cast<int>(std::floor(cx - r - thick)), x1 = static_cast<int>(cx + r + thick);
    int y0 = static_cast<int>(std::floor(cy - r - thick)), y1 = static_cast<int>(cy + r + thick);
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            float d = std::fabs(SdCircle({i + 0.5f, j + 0.5f}, {cx, cy}, r));
            if (d <= thick / 2.0f) Set(i, j, c);
        }
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, Color c) {
    int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            float dx = (i + 0.5f - cx) / rx, dy = (j + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) Set(i, j, c);
        }
}

void Canvas::ShadedEllipse(float cx, float cy, float rx, float ry, Color c, float strength) {
    int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            float dx = (i + 0.5f - cx) / rx, dy = (j + 0.5f - cy) / ry;
            float r2 = dx * dx + dy * dy;
            if (r2 > 1.0f) continue;
            float nz = std::sqrt(1.0f - r2);
            // light from the upper left and slightly towards the viewer
            float l = (-dx * 0.5f - dy * 0.6f + nz * 0.62f);
            Set(i, j, Scale(c, 1.0f + strength * (l - 0.35f)));
        }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Color c) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::ThickLine(float x0, float y0, float x1, float y1, float width, Color c) {
    float r = width / 2.0f;
    int bx0 = static_cast<int>(std::floor(std::min(x0, x1) - r - 1));
    int bx1 = static_cast<int>(std::ceil(std::max(x0, x1) + r + 1));
    int by0 = static_cast<int>(std::floor(std::min(y0, y1) - r - 1));
    int by1 = static_cast<int>(std::ceil(std::max(y0, y1) + r + 1));
    for (int j = by0; j <= by1; ++j)
        for (int i = bx0; i <= bx1; ++i)
            if (SdCapsule({i + 0.5f, j + 0.5f}, {x0, y0}, {x1, y1}, r, r) <= 0) Set(i, j, c);
}

void Canvas::FillPolygon(const std::vector<Vec2>& pts, Color c) {
    if (pts.size() < 3) return;
    float minx = pts[0].x, maxx = pts[0].x, miny = pts[0].y, maxy = pts[0].y;
    for (const Vec2& p : pts) {
        minx = std::min(minx, p.x);
        maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y);
        maxy = std::max(maxy, p.y);
    }
    for (int j = static_cast<int>(std::floor(miny)); j <= static_cast<int>(std::ceil(maxy)); ++j)
        for (int i = static_cast<int>(std::floor(minx)); i <= static_cast<int>(std::ceil(maxx));
             ++i)
            if (SdPolygon({i + 0.5f, j + 0.5f}, pts) <= 0) Set(i, j, c);
}

void Canvas::AddNoise(int x, int y, int w, int h, float amount, uint32_t seed, float cell) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            if (!Painted(i, j)) continue;
            float n = cell <= 1.0f
                          ? (Hash2(i, j, seed) & 0xFFFF) / 65535.0f
                          : ValueNoise(static_cast<float>(i), static_cast<float>(j), cell, seed);
            Set(i, j, Scale(Get(i, j), 1.0f + amount * (2.0f * n - 1.0f)));
        }
}

void Canvas::FillSdf(int x0, int y0, int x1, int y1, const std::function<float(float, float)>& sdf,
                     const std::function<Color(float, float)>& shade) {
    for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i) {
            float px = i + 0.5f, py = j + 0.5f;
            float d = sdf(px, py);
            if (d <= 0) Set(i, j, shade(px, py));
        }
}

void Canvas::OutlineRegion(int x, int y, int w, int h, Color c) {
    std::vector<uint8_t> ring(static_cast<size_t>(w) * h, 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (Painted(x + i, y + j)) continue;
            bool near = false;
            for (int k = 0; k < 4 && !near; ++k) {
                int nx = x + i + (k == 0) - (k == 1), ny = y + j + (k == 2) - (k == 3);
                if (nx < x || ny < y || nx >= x + w || ny >= y + h) continue;
                near = Painted(nx, ny);
            }
            ring[static_cast<size_t>(j) * w + i] = near;
        }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (ring[static_cast<size_t>(j) * w + i]) Set(x + i, y + j, c);
}

void Canvas::Blit(const Canvas& src, int dx, int dy) {
    BlitRegion(src, 0, 0, src.w_, src.h_, dx, dy);
}

void Canvas::BlitRegion(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.Painted(sx + i, sy + j)) Set(dx + i, dy + j, src.Get(sx + i, sy + j));
}

Pixmap Canvas::ToPixmap(Color mask) const {
    Pixmap pm;
    pm.width = w_;
    pm.height = h_;
    pm.rgba.resize(static_cast<size_t>(w_) * h_ * 4);
    for (size_t i = 0; i < px_.size(); ++i) {
        Color c = mask;
        if (painted_[i]) {
            c = px_[i];
            if (c.r == mask.r && c.g == mask.g && c.b == mask.b) {
                // keep a painted pixel visible: step one shade away from the mask
                c.r = static_cast<uint8_t>(c.r > 127 ? c.r - 5 : c.r + 5);
                c.b = static_cast<uint8_t>(c.b > 127 ? c.b - 10 : c.b + 5);
            }
        }
        pm.rgba[i * 4 + 0] = c.r;
        pm.rgba[i * 4 + 1] = c.g;
        pm.rgba[i * 4 + 2] = c.b;
        pm.rgba[i * 4 + 3] = 255;
    }
    return pm;
}

} // namespace art
