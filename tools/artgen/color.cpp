#include "color.h"

#include "palette.h"

namespace art {

namespace {

uint8_t Clamp8(float v) {
    if (v < 0.0f) return 0;
    if (v > 255.0f) return 255;
    return static_cast<uint8_t>(v + 0.5f);
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
    return Mix(c, pal::kWarmWhite, amount);
}

Color Darker(Color c, float amount) {
    return Mix(c, pal::kNearBlack, amount);
}

float Brightness(Color c) {
    return (0.3f * c.r + 0.55f * c.g + 0.15f * c.b) / 255.0f;
}

} // namespace art
