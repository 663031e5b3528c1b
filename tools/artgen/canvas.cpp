#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

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

Canvas PieceOf(const Canvas& whole, int col, int row, int size) {
    Canvas piece(size, size);
    piece.BlitRegion(whole, col * size, row * size, size, size, 0, 0);
    return piece;
}

} // namespace art
