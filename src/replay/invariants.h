// Rules the game state must keep in every frame, checked by the soak.
#pragma once

#include <map>
#include <string>

// What the checker remembers from one frame to the next.
struct InvariantMemory {
    bool tradeWasOpen = false;
    std::map<int, int> tradeUnits; // item ID -> units in both trade grids
    std::map<std::u16string, std::pair<int, int>> mapSizes; // by map name
};

// The first rule the current state breaks, as "rule: detail", or "".
std::string CheckInvariants(InvariantMemory& memory);
