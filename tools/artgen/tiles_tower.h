// The robbers' watchtower: a round stone tower three cells wide and six
// high, its battlements broken on one side, arrow slits, an arched door at
// its foot and ivy climbing its shaded side. Light falls from the top left.
#pragma once

#include "canvas.h"

namespace art {

constexpr int kTowerCols = 3, kTowerRows = 6;

// One 48 x 48 piece of the tower: col 0..2 from the left, row 0 (the
// battlements) to 5 (the foot with the door).
Canvas TowerPiece(int col, int row);

} // namespace art
