// Moving the player and enemies by hand, for scripts and the soak.
#pragma once

// Puts the player on cell (x, y) of the current map, the camera centred on
// him, as a map connection would. The cell must lie inside the map.
void Warp(int x, int y);
// Puts enemy `id` on cell (x, y) of the current map, standing, its next
// wandering step a while away. False when there is no such enemy.
bool PlaceEnemy(int id, int x, int y);
