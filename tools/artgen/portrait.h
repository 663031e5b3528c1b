// A townsperson's portrait for the dialogue box.
#pragma once

#include "figures.h"
#include "palette.h"

namespace art {

// What the portrait needs beyond the figure: background and face details.
struct PortraitLook {
    Color backTop = pal::backdrop::kPortraitTop; // background gradient
    Color backBottom = pal::backdrop::kPortraitBottom;
    Color iris = pal::eyes::kPortrait;
    float age = 0.4f;       // 0 a child .. 1 old: face size, wrinkles
    float faceWidth = 1.0f; // round faces above 1
    bool feminine = false;  // fuller lips, lashes
    bool freckles = false;
    float smile = 0.6f; // 0 straight .. 1 broad
};

// A 96 x 96 head-and-shoulders portrait on a painted background.
Pixmap MakePortrait(const FigureLook& look, const PortraitLook& portrait);

} // namespace art
