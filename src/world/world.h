// The world: the loaded map, the camera, drawing and movement.
#pragma once

#include "media/media.h"

#include <cstdint>
#include <vector>

extern Str CurrentMapName;
extern uint16_t MapWidth;  // largest x index
extern uint16_t MapHeight; // largest y index

// Four layers per cell; indexes [x][y][layer] as in the map file.
struct MapGrid {
    int w = 0, h = 0; // columns and rows
    std::vector<uint16_t> tiles;
    std::vector<uint8_t> sheets;
    uint16_t& Tile(int x, int y, int l) { return tiles[((size_t)x * h + y) * 4 + l]; }
    uint8_t& Sheet(int x, int y, int l) { return sheets[((size_t)x * h + y) * 4 + l]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};
extern MapGrid Map;

// Convenience accessors named after the grids.
inline uint16_t& MapTiles(int x, int y, int l) {
    return Map.Tile(x, y, l);
}
inline uint8_t& MapSheets(int x, int y, int l) {
    return Map.Sheet(x, y, l);
}

extern int32_t CameraX, CameraY;

void CreateMap(uint16_t width, uint16_t height);

// Reads "Data/Maps/" + name + ".Map" into the map globals. A cell naming a
// tileset other than 0 and 1 or a frame outside the tileset stops the game
// with an error naming the file and the cell.
void LoadMap(const Str& name);
// Checks the map cells; returns an empty string when they are valid, else a
// description of the first bad cell.
std::string CheckMapCells();

extern uint8_t PlayerDrawPass;
extern uint8_t SummonDrawPass;
void DrawWorld();
void DrawPlayer();
void DrawSummonedMonster();
// True when no window is open.
bool NoWindowOpen();

void UpdatePlayer();
// A cell is free when layer 2 holds 0; cells outside the map are not free.
bool CellFree(int x, int y);
void ClampCamera();
