// The painters' pixel buffer: an RGB canvas that remembers which pixels were
// painted (everything else becomes the mask colour when the picture is
// written), with rectangles, gradients, bevels, ellipses, lines, polygons,
// noise and outlines.
#pragma once

#include "color.h"
#include "noise.h"
#include "shapes.h"

#include "media/media.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

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

// The size x size piece of a larger picture at column col, row row: how
// objects bigger than a cell are cut into tiles.
Canvas PieceOf(const Canvas& whole, int col, int row, int size);

// Reads a picture painted on the white mask back into a canvas.
Canvas FromPixmap(const Pixmap& pm);

} // namespace art
