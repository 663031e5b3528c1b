// The map globals and an empty map.
#include "world/world.h"

Str CurrentMapName = u"TestMap";
uint16_t MapWidth = 0;
uint16_t MapHeight = 0;
MapGrid Map;
int32_t CameraX = 0, CameraY = 0;

void CreateMap(uint16_t width, uint16_t height) {
    MapWidth = width;
    MapHeight = height;
    Map.w = width + 1;
    Map.h = height + 1;
    size_t n = (size_t)Map.w * Map.h * 4;
    Map.tiles.assign(n, 0);
    Map.sheets.assign(n, 0);
    for (size_t i = 0; i < n; i += 4) {
        Map.tiles[i] = 1;
        Map.tiles[i + 1] = 1;
    }
}
