// The game shell: start-up, the main loop with its fixed order of steps,
// the game clock, and resetting the game.
#pragma once

#include "data/clock_state.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "media/media.h"

#include <cstdint>

// Advances the clock (one minute per 1600 ms) and the daylight.
void AdvanceClock();
void DrawClock();

// Opens the window, loads fonts and pictures, and makes a new game; throws
// DataError when a file is missing or broken, PlatformError when the
// platform cannot open the window.
void StartUp();
// Puts every piece of game state back to what start-up leaves: the start
// map, the player, every catalogue read anew, the clock, the windows. Needs
// the window and the start-up pictures (StartUp or LoadStartUpAssets) and
// the game folder as working directory.
void ResetGameState();
// Sets every global of the game to its empty value without reading any
// file: empty lists, a blank player with blank skills, closed windows.
// ResetGameState starts with it; unit tests that build their own little
// world start from it.
void ClearGameState();
// The fonts and pictures start-up loads before any game state.
void LoadStartUpAssets();
// The five fonts alone (part of LoadStartUpAssets), for tools that wrap text.
void LoadFonts();

// The world step of the frame: the clock, the map's layers with blood and
// corpses, the figures, weapon and spell effects, the overhead layer.
void DrawWorld();
// One pass of the main loop; false once the game should end.
bool RunFrame();
// Runs frames until the game ends.
void MainLoop();
// Frames run since start-up. Lifetime: per run.
extern int64_t FrameCounter;
