// Moving the player by hand, for scripts and the soak.
#pragma once

// Puts the player on cell (x, y) of the current map, the camera centred on
// him, as a map connection would. The cell must lie inside the map.
void Warp(int x, int y);
