// The game state as JSON, for dumps and expectations.
#pragma once

#include "replay/json.h"

Json DumpState();
// Set by the driver once the game asked to end (Escape or the close box).
extern bool GameEnded;
