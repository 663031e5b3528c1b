// The game state as JSON, for dumps and expectations.
#pragma once

#include "replay/json.h"

Json DumpState();
