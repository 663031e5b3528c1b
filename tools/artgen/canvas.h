// A small RGB painting library for the art generator: a canvas that remembers
// which pixels were painted (everything else becomes the mask colour when the
// picture is written), simple shapes, gradients, periodic noise, shading and
// signed-distance helpers for the figure painter.
#pragma once

#include "media/media.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
};

constexpr Color Rgb(int r, int g, int b) {
    return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// The three mask colours of the game's pictures.
constexpr Color kMaskWhite = Rgb(255, 255, 255);
constexpr Color kMaskGreen = Rgb(32, 156, 0);
constexpr Color kMaskBlack = Rgb(0, 0, 0);

Color Mix(Color a, Color b, float t); // t = 0 gives a, 1 gives b
Color Scale(Color c, float f);        // brightness factor, clamped
Color Lighter(Color c, float amount); // mix towards a warm white
Color Darker(Color c, float amount);  // mix towards near-black

struct Vec2 {
    float x = 0, y = 0;
};

// Deterministic random numbers (splitmix64).
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    float Uniform();                 // [0, 1)
    float Range(float lo, float hi); // [lo, hi)
    int Int(int lo, int hi);         // lo..hi inclusive
  private:
    uint64_t state_;
};

uint32_t Hash2(int x, int y, uint32_t seed);
// Smooth value noise in [0, 1]; with period > 0 it repeats every `period`
// units in x and y, which keeps ground tiles seamless.
float ValueNoise(float x, float y, float cell, uint32_t seed, int period = 0);
// Three octaves of value noise, also periodic when period > 0.
float FractalNoise(float x, float y, float cell, uint32_t seed, int period = 0);

// ---- signed distance helpers (negative inside)
float SdCircle(Vec2 p, Vec2 c, float r);
float SdEllipse(Vec2 p, Vec2 c, float rx, float ry);
float SdBox(Vec2 p, Vec2 c, float hx, float hy);
// A segment with a radius that changes linearly from ra at a to rb at b.
float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb);
float SdPolygon(Vec2 p, const std::vector<Vec2>& pts);

class Canvas {
  public:
    Canvas(int w, int h);
    int Width() const { return w_; }
    int Height() const { return h_; }

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    void Set(int x, int y, Color c);
    void Blend(int x, int y, Color c, float a); // mixes into what is there, marks painted
    void Unset(int x, int y);                   // back to transparent
    Color Get(int x, int y) const;
    bool Painted(int x, int y) const;

    void FillRect(int x, int y, int w, int h, Color c);
    void StrokeRect(int x, int y, int w, int h, Color c, int thick = 1);
    void FillRoundRect(int x, int y, int w, int h, int r, Color c);
    void VGradient(int x, int y, int w, int h, Color top, Color bottom);
    void HGradient(int x, int y, int w, int h, Color left, Color right);
    // Raised (or, with inset = true, sunken) bevel of the given thickness.
    void Bevel(int x, int y, int w, int h, int thick, bool inset, float strength = 0.35f);
    void FillCircle(float cx, float cy, float r, Color c);
    void StrokeCircle(float cx, float cy, float r, float thick, Color c);
    void FillEllipse(float cx, float cy, float rx, float ry, Color c);
    // Ellipse lit from the top left: a simple spherical shading.
    void ShadedEllipse(float cx, float cy, float rx, float ry, Color c, float strength = 0.35f);
    void Line(int x0, int y0, int x1, int y1, Color c);
    void ThickLine(float x0, float y0, float x1, float y1, float width, Color c);
    void FillPolygon(const std::vector<Vec2>& pts, Color c);
    // Varies the brightness of painted pixels in a rectangle by +-amount.
    void AddNoise(int x, int y, int w, int h, float amount, uint32_t seed, float cell = 1.0f);
    // Fills every pixel whose centre has sdf <= 0, colouring with shade(x, y).
    void FillSdf(int x0, int y0, int x1, int y1, const std::function<float(float, float)>& sdf,
                 const std::function<Color(float, float)>& shade);
    // Puts a dark ring of pixels around everything painted in the rectangle.
    void OutlineRegion(int x, int y, int w, int h, Color c);

    void Blit(const Canvas& src, int dx, int dy);
    void BlitRegion(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy);

    // Unpainted pixels become `mask`; painted pixels that happen to equal the
    // mask colour are nudged so that they stay visible.
    Pixmap ToPixmap(Color mask) const;

  private:
    int w_, h_;
    std::vector<Color> px_;
    std::vector<uint8_t> painted_;
};

} // namespace art
