// The map on screen and the camera looking at it.
//
// Lifetime: per map. The grids are replaced on every map change; the
// name tells which map records with a MapName belong to.
#pragma once

#include "data/map_format.h"
#include "media/strings.h"

#include <cstdint>

extern Str CurrentMapName;
extern uint16_t MapWidth;  // largest x index
extern uint16_t MapHeight; // largest y index
extern MapGrid Map;

inline uint16_t& MapTiles(int x, int y, int l) {
    return Map.Tile(x, y, l);
}
inline uint8_t& MapSheets(int x, int y, int l) {
    return Map.Sheet(x, y, l);
}

// The world pixel at the top-left corner of the screen.
extern int32_t CameraX, CameraY;

// An empty map of (width + 1) x (height + 1) cells.
void CreateMap(uint16_t width, uint16_t height);
// No map: the start map's name, an empty grid, the camera at 0, 0.
void ResetMapState();
