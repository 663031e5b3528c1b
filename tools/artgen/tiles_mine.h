// The old mine on the forest road: a rock outcrop three cells wide and two
// high with a timbered opening in its lower middle cell, a heap of spoil and
// an ore cart on its rails. Light falls from the top left, as on every tile.
#pragma once

#include "canvas.h"

namespace art {

// One 48 x 48 piece of the outcrop: col 0..2 from the left, row 0 (top) or
// 1 (bottom, with the opening in col 1).
Canvas MineFacePiece(int col, int row);
Canvas SpoilHeap();
Canvas OreCart();

} // namespace art
