// The world: loading a map, drawing it with the figures on it, the
// player's movement and the camera.
#pragma once

#include "data/collections.h"
#include "data/geometry.h"
#include "data/map_state.h"
#include "media/media.h"

#include <cstdint>
#include <vector>

// Reads "Data/Maps/" + name + ".Map" into the map globals. A cell naming a
// tileset other than 0 and 1 or a frame outside the tileset stops the game
// with an error naming the file and the cell.
void LoadMap(const Str& name);

// Reads "Data/Verbindungen.link" into ConnectionList, in file order. A file
// that stops inside a record, or a record whose destination map is missing
// or does not hold the destination cell, stops the game with an error naming
// the file and the record.
void LoadConnections();
// Loads map `name` and puts the player on cell (x, y) with the camera
// centred on him; UpdatePlayer's clamp then keeps the camera inside the map.
// His facing, animation and pending step stay as they were.
void ChangeMap(Str name, int x, int y);
// Puts the player on cell (x, y) of the current map, the camera centred on
// him (the map change's placing; facing and pending step unchanged).
void PlacePlayer(int x, int y);
// The exit check of UpdatePlayer: when the player's cell shows an exit
// marker, every connection in file order that starts on his cell of the
// current map is taken while he has no step pending. The marker is tested
// once; after a change the scan goes on from the new map and cell.
void CheckMapExit();

// Which of the two passes draws the player and the summoned monster (1
// before the enemies, 2 after them), so that a figure in front of the other
// is drawn over it. Lifetime: per frame, carried to the next.
extern uint8_t PlayerDrawPass;
extern uint8_t SummonDrawPass;

// The stages of the world drawing, in the order the frame calls them: the
// visible cells and the ground; (blood and corpses); objects, loot piles
// and figures; (weapon and spell effects); the overhead layer.
void BeginWorldDrawing();
void DrawGround();
void DrawObjectsAndFigures();
void DrawOverhead();
void DrawPlayer();
void DrawSummonedMonster();
void ResetWorldState();

void UpdatePlayer();
// A cell is free when layer 2 holds 0; cells outside the map are not free.
bool CellFree(int x, int y);
void ClampCamera();
// Whether the player stands next to cell (cx, cy) and faces it.
bool PlayerFacesCell(int cx, int cy);

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
// pixels on; once a cell (kCell pixels) is walked the tile left behind is freed. True
// when the step ended in this call.
template <class Figure> bool GlideStep(Figure& f) {
    if (f.aa == 0) return false;
    float s = f.Geschwindigkeit;
    int fromX = (int)f.px, fromY = (int)f.py;
    // Move: 1 the tile below, 2 above, 3 left, 4 right (the step's target).
    switch (f.Move) {
    case kStepDown:
        f.ppy = FloatToInt(f.ppy + s), fromY -= 1;
        break;
    case kStepUp:
        f.ppy = FloatToInt(f.ppy - s), fromY += 1;
        break;
    case kStepLeft:
        f.ppx = FloatToInt(f.ppx - s), fromX += 1;
        break;
    case kStepRight:
        f.ppx = FloatToInt(f.ppx + s), fromX -= 1;
        break;
    default:
        break;
    }
    f.xo += s;
    if (f.xo != (float)kCell) return false;
    if (Map.Inside(fromX, fromY)) MapTiles(fromX, fromY, 2) = 0;
    f.aa = 0;
    f.xo = 0;
    return true;
}
