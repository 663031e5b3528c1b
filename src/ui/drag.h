// Ctrl-dragging in the inventory and the spell book: a cell of the grid is
// carried with the left button and dropped on another cell (moved or
// swapped) or on a slot of the hotkey bar.
#pragma once

#include <cstdint>
#include <functional>

struct GridDrag {
    // The ID of a cell (0 = empty).
    std::function<uint16_t(int col, int row)> cellId;
    // The vertical lift of the carried picture for the cell being picked up.
    std::function<int(int col, int row)> lift;
    // Remembers the carried cell's identity.
    std::function<void(int col, int row)> remember;
    // Draws the carried picture at the draw position.
    std::function<void()> drawCarried;
    // Drops the carried identity on a grid cell: moves or swaps.
    std::function<void(int col, int row)> dropOnCell;
    // Drops it on hotkey slot 0..9, if it may go there.
    std::function<void(int slot)> dropOnHotkey;
};

// One frame of the drag, run while left Control is held.
void RunGridDrag(const GridDrag& g);
