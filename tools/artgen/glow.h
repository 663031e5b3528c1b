// Glowing effects painted from an intensity field through a colour ramp
// (dark rim, bright core), so that they read over grass and cobblestone
// without any alpha, and an ordered dither that lets them fade away.
#pragma once

#include "canvas.h"

#include <functional>
#include <utility>
#include <vector>

namespace art {

// A colour ramp: colour stops at increasing positions in [0, 1].
struct Ramp {
    std::vector<std::pair<float, Color>> stops;
    Color At(float t) const;
};

// Paints every pixel of the w x h rectangle whose intensity exceeds
// `threshold` with the ramp colour of the intensity, mapped so that the
// threshold gives the ramp's start. Pixels already painted are overwritten
// only when the new colour is brighter (so effects can be layered).
void PaintField(Canvas& canvas, int ox, int oy, int w, int h,
                const std::function<float(float, float)>& intensity, const Ramp& ramp,
                float threshold = 0.08f);

// Removes painted pixels of a rectangle by an ordered 4x4 dither: amount 0
// keeps everything, 1 removes everything. `where` (may be empty) limits the
// removal to pixels for which it returns a factor > 0 (multiplying amount).
void DitherAway(Canvas& canvas, int ox, int oy, int w, int h, float amount,
                const std::function<float(float, float)>& where = {});

// Puts a one-pixel ring of `c` round the painted pixels of the rectangle.
void Rim(Canvas& canvas, int ox, int oy, int w, int h, Color c);

// Smooth step from 0 at e0 to 1 at e1.
float Smooth(float e0, float e1, float x);

} // namespace art
