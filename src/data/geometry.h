// The geometry every layer shares: the cell size, walking directions and
// the facings of a figure strip.
#pragma once

#include <cstdint>

// A map cell is kCell x kCell pixels; a figure standing still stands at its
// cell position times kCell.
constexpr int kCell = 48;
// Each of the two tilesets holds this many cells; a map cell names one.
constexpr int kTilesetFrames = 768;

// Richtung and Move: the direction a figure walks or looks.
enum Direction : uint8_t { kDirNone = 0, kDirUp = 1, kDirRight = 2, kDirDown = 3, kDirLeft = 4 };
// The cell offset of one step along a Direction (none: no offset).
constexpr int kDirDx[5] = {0, 0, 1, 0, -1}, kDirDy[5] = {0, -1, 0, 1, 0};

// SFrame: the first cell of a facing in a twelve-cell figure strip (three
// cells per facing).
enum Facing : uint8_t { kFaceUp = 0, kFaceRight = 3, kFaceDown = 6, kFaceLeft = 9 };

inline bool IsFacing(int sframe) {
    return sframe == kFaceUp || sframe == kFaceRight || sframe == kFaceDown ||
           sframe == kFaceLeft;
}

// Move, PosMove, Bewegen: the step a figure takes, named after where it goes.
enum StepCode : uint8_t { kStepNone = 0, kStepDown = 1, kStepUp = 2, kStepLeft = 3, kStepRight = 4 };

// A large figure cell (72 x 96) is drawn this far left of and above the
// pixel position of its tile, so that its feet stand on the tile.
constexpr int kFigureDX = 12, kFigureDY = 48;
