// The soak: seeded random play for many frames, checking after every frame
// the rules the game state must keep.
#pragma once

#include <cstdint>

// Plays `frames` frames from the started game with input drawn from `seed`.
// With `fast`, draws only every sixteenth frame (the rules run in all).
// Returns 0, or 3 after printing the first breach with its frame and seed.
int RunSoak(long frames, int64_t seed, bool fast);
