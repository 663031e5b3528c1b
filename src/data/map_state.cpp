// The map globals.
#include "data/map_state.h"

Str CurrentMapName;
uint16_t MapWidth = 0;
uint16_t MapHeight = 0;
MapGrid Map;
int32_t CameraX = 0, CameraY = 0;

void CreateMap(uint16_t width, uint16_t height) {
    MapWidth = width;
    MapHeight = height;
    Map.Create(width + 1, height + 1);
}

void ResetMapState() {
    CurrentMapName = u"TestMap";
    MapWidth = MapHeight = 0;
    Map = MapGrid();
    CameraX = CameraY = 0;
}
