// The binary map format: a header of two u16 (largest column and row
// index), then for every cell, column by column and within a column row by
// row, four layers of a u16 tile frame and a u8 tileset. Layer 0 is the
// ground, 1 ground details, 2 objects and the blocking layer, 3 the parts
// drawn over the figures. The one reader of the format: the game, its
// loaders and the map tool all go through it.
#pragma once

#include "data/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

// The largest map the game takes, in cells per side. Larger headers are
// refused: a map of that size would not fit in memory, and no map of the
// game comes near it.
constexpr int kMaxMapSide = 1024;

// Four layers per cell, indexed [x][y][layer] as in the file.
struct MapGrid {
    int w = 0, h = 0; // columns and rows
    std::vector<uint16_t> tiles;
    std::vector<uint8_t> sheets;
    uint16_t& Tile(int x, int y, int l) { return tiles[((size_t)x * h + y) * 4 + l]; }
    uint8_t& Sheet(int x, int y, int l) { return sheets[((size_t)x * h + y) * 4 + l]; }
    uint16_t Tile(int x, int y, int l) const { return tiles[((size_t)x * h + y) * 4 + l]; }
    uint8_t Sheet(int x, int y, int l) const { return sheets[((size_t)x * h + y) * 4 + l]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // An empty map of cols x rows cells: layers 0 and 1 show frame 1.
    void Create(int cols, int rows);
};

// Whether cell (x, y) is a map exit: layer 1 shows frame 577 of tileset 0
// or frame 100 of tileset 1. Cells outside the map are none.
bool IsExitCell(const MapGrid& m, int x, int y);

// Reads the columns and rows a map file's header announces. Returns an
// empty string, or why the header cannot be used.
std::string ReadMapHeader(const std::string& bytes, int& cols, int& rows);
// Parses a whole map file. A file shorter than its header announces reads
// zeros for the missing cells; one that holds no cell at all is refused. Returns an empty string,
// or why the file cannot be used (a header that is missing or too large, a cell naming a tileset
// other than 0 and 1 or a frame outside the tileset).
std::string ParseMap(const std::string& bytes, MapGrid& out);
// The first cell naming a tileset or frame that does not exist, or "".
std::string CheckMapCells(const MapGrid& m);
// The bytes of a map file for m.
std::string EncodeMap(const MapGrid& m);

// The path of a map's file: "Data/Maps/" + name + ".Map".
std::u16string MapFilePath(const std::u16string& name);
// Columns and rows of the named map, read from its file's header. Throws
// DataError naming `where` (the record that names the map) when the map is
// missing, and naming the map file when its header is bad.
void MapFileSize(const std::u16string& name, const std::string& where, int& cols, int& rows);
