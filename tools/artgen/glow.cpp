#include "glow.h"

#include <algorithm>
#include <cmath>

namespace art {

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

} // namespace art
