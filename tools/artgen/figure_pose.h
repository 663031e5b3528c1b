// The pose of a walking figure: where its joints lie in one cell of a
// figure strip, in design units of the large 72 x 96 cell. Things worn over
// the figure (armour, helmets, shields) are painted from the same joints so
// that they sit on the body frame for frame.
#pragma once

#include "shapes.h"

#include <vector>

namespace art {

constexpr float kDesignW = 72.0f;
constexpr float kCx = 36.0f;   // horizontal centre of the figure
constexpr float kFeet = 89.0f; // the soles; a smaller figure shrinks towards them

enum class Facing { Up, Right, Down, Left };

// Joint positions of one pose. Index 0 is the figure's left side, 1 its right.
struct Skeleton {
    Facing facing = Facing::Down;
    int dir = 1;       // side views: +1 faces right, -1 faces left
    bool side = false; // a side view
    int nearSide = 1;  // side views: the side turned towards the viewer
    Vec2 head;
    float headRx = 10, headRy = 10.5f;
    Vec2 neckTop, neckBottom;
    std::vector<Vec2> torso; // polygon, rounded by 1.5 when drawn
    Vec2 shoulder[2], elbow[2], hand[2];
    Vec2 hip[2], knee[2], ankle[2];
    Vec2 foot[2];
    float footRx[2] = {3.6f, 3.6f}, footRy[2] = {2.6f, 2.6f};
    float legFwd[2] = {0, 0};
    float pixel = 1.0f;  // design units per picture pixel
    float bob = 0.0f;    // the dip of the stepping frames
    float height = 1.0f; // body height factor
    // Where a height given for a full-sized, standing figure ends up.
    float Y(float y) const { return height == 1.0f ? y + bob : kFeet - (kFeet - y) * height + bob; }
};

} // namespace art
