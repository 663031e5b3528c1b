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

// ---------------------------------------------------------------- figures
// The player, NPCs and enemies share the walk cycle and the glide between
// two tiles; each caller decides when they run.

// Gehen is 1 while a step is pending or under way.
template <class Figure> void UpdateGehen(Figure& f) {
    if (f.Move > 0) f.Gehen = 1;
    if (f.aa == 0) f.Gehen = 0;
}

// The walk cycle: cells 1, 0, 1, 2 of the facing row, one per Pause ms
// while walking; the standing cell 1 otherwise; and, while a blow is asked
// for (AngriffAnimationVar), the striking pose stepping between cells 0 and
// 2 every Pause ms.
template <class Figure> void StepWalkCycle(Figure& f, int32_t now) {
    if (f.Gehen == 1 && now - f.Start >= f.Pause) {
        f.Start = now;
        f.Laufen = (uint8_t)(f.Laufen + 1);
    }
    if (f.Gehen == 0 && f.AngriffAnimationVar == 0) {
        f.Laufen = 0;
        f.Frame = 1;
    }
    if (f.Laufen == 0 || f.Laufen == 2) f.Frame = 1;
    if (f.Laufen == 1) {
        f.Frame = 0;
    } else if (f.AngriffAnimationVar == 1) {
        if (now - f.Start >= f.Pause) {
            f.Start = now;
            f.AngriffAnimationVar = 0;
            f.AngriffAnimationFrame =
                f.AngriffAnimationFrame < 2 ? (uint8_t)(f.AngriffAnimationFrame + 1) : 1;
        }
        if (f.AngriffAnimationFrame == 1) f.Frame = 0;
        if (f.AngriffAnimationFrame == 2) f.Frame = 2;
    }
    if (f.Laufen == 3) f.Frame = 2;
    if (f.Laufen > 3) f.Laufen = 0;
}

// Moves a figure whose tile is already its step's destination Geschwindigkeit
// pixels on; once 48 pixels are walked the tile left behind is freed. True
// when the step ended in this call.
template <class Figure> bool GlideStep(Figure& f) {
    if (f.aa == 0) return false;
    float s = f.Geschwindigkeit;
    int fromX = (int)f.px, fromY = (int)f.py;
    switch (f.Move) {
    case 1:
        f.ppy = FloatToInt(f.ppy + s), fromY -= 1;
        break;
    case 2:
        f.ppy = FloatToInt(f.ppy - s), fromY += 1;
        break;
    case 3:
        f.ppx = FloatToInt(f.ppx - s), fromX += 1;
        break;
    case 4:
        f.ppx = FloatToInt(f.ppx + s), fromX -= 1;
        break;
    default:
        break;
    }
    f.xo += s;
    if (f.xo != 48.0f) return false;
    if (Map.Inside(fromX, fromY)) MapTiles(fromX, fromY, 2) = 0;
    f.aa = 0;
    f.xo = 0;
    return true;
}
