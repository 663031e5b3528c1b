// The named colours of the game's pictures.
#pragma once

#include "color.h"

namespace art::pal {

// ---- light and shade: what Lighter and Darker mix towards
constexpr Color kWarmWhite = Rgb(252, 246, 228);
constexpr Color kNearBlack = Rgb(20, 14, 10);

} // namespace art::pal
