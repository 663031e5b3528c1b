// The old ruins in the forest south of the village: broken walls of a small
// stone building, a standing stump of a pillar, a fallen column, a heap of
// cut blocks, and old flagstones half grown over by the grass. Light falls
// from the top left, as on every tile.
#pragma once

#include "canvas.h"

namespace art {

// A broken wall, joined like the garden wall: joins adds 1 north, 2 east,
// 4 south, 8 west. Where a wall runs on into the next cell it keeps its
// full height at the border; in between its top is broken off in steps,
// and an end that joins nothing crumbles down into rubble.
Canvas RuinWall(int joins);
Canvas BrokenPillar();
// One half (col 0 left, 1 right) of a column lying on the ground, two
// cells long.
Canvas FallenColumnPiece(int col);
Canvas RuinRubble();
// Ground detail: kind 0 old flagstones, 1 the same broken and mossy, 2 a
// few slabs sunk in the grass (for the edge of a paved floor).
Canvas OldFlagstones(int kind);

} // namespace art
