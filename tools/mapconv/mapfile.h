// The binary map format and its Tiled (.tmx) form, for the map tool.
#pragma once

#include "data/map_format.h"

#include <string>

// The map tool works on the game's own map grid.
using MapData = MapGrid;

// Each returns an empty string on success or a message naming the file
// and, where it applies, the layer and cell.
std::string ReadMapFile(const std::string& path, MapData& m);
std::string WriteMapFile(const std::string& path, const MapData& m);
std::string ReadTmx(const std::string& path, MapData& m);
std::string WriteTmx(const std::string& path, const MapData& m, const std::string& imageDir);
// Paints the map (layers 0 to 3, as the game draws them) into a PNG, using
// Tileset1.png and Tileset2.png from tilesetDir.
std::string RenderMapPng(const MapData& m, const std::string& tilesetDir,
                         const std::string& outPath);
