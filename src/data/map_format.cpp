// Reading and writing the binary map format.
#include "data/map_format.h"

#include "media/errors.h"
#include "media/files.h"

void MapGrid::Create(int cols, int rows) {
    w = cols;
    h = rows;
    size_t n = (size_t)w * h * 4;
    tiles.assign(n, 0);
    sheets.assign(n, 0);
    for (size_t i = 0; i < n; i += 4) {
        tiles[i] = 1;
        tiles[i + 1] = 1;
    }
}

bool IsExitCell(const MapGrid& m, int x, int y) {
    if (!m.Inside(x, y)) return false;
    int sheet = m.Sheet(x, y, 1), tile = m.Tile(x, y, 1);
    return (sheet == 0 && tile == 577) || (sheet == 1 && tile == 100);
}

namespace {
int U16At(const std::string& d, size_t at) {
    int lo = at < d.size() ? (unsigned char)d[at] : 0;
    int hi = at + 1 < d.size() ? (unsigned char)d[at + 1] : 0;
    return lo | hi << 8;
}
} // namespace

std::string ReadMapHeader(const std::string& bytes, int& cols, int& rows) {
    if (bytes.size() < 4)
        return "map file of " + std::to_string(bytes.size()) +
               " bytes is too short for its header (4 bytes)";
    cols = U16At(bytes, 0) + 1;
    rows = U16At(bytes, 2) + 1;
    if (cols > kMaxMapSide || rows > kMaxMapSide)
        return "map of " + std::to_string(cols) + " x " + std::to_string(rows) +
               " cells is larger than the " + std::to_string(kMaxMapSide) + " x " +
               std::to_string(kMaxMapSide) + " the game takes";
    return std::string();
}

std::string ParseMap(const std::string& bytes, MapGrid& out) {
    int cols = 0, rows = 0;
    std::string bad = ReadMapHeader(bytes, cols, rows);
    if (!bad.empty()) return bad;
    // Cells missing at the end read as zeros, but a file that stops right
    // after its header holds no map at all.
    if (bytes.size() == 4) return "map file of 4 bytes holds its header but no cells";
    out.w = cols;
    out.h = rows;
    size_t n = (size_t)cols * rows * 4;
    out.tiles.assign(n, 0);
    out.sheets.assign(n, 0);
    size_t at = 4;
    for (size_t i = 0; i < n; ++i, at += 3) {
        out.tiles[i] = (uint16_t)U16At(bytes, at);
        out.sheets[i] = at + 2 < bytes.size() ? (uint8_t)bytes[at + 2] : 0;
    }
    return CheckMapCells(out);
}

std::string CheckMapCells(const MapGrid& m) {
    for (int x = 0; x < m.w; ++x)
        for (int y = 0; y < m.h; ++y)
            for (int l = 0; l < 4; ++l) {
                int t = m.Tile(x, y, l), sh = m.Sheet(x, y, l);
                if (sh > 1 || t >= kTilesetFrames)
                    return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ") layer " +
                           std::to_string(l) + " names frame " + std::to_string(t) +
                           " of tileset " + std::to_string(sh) +
                           "; tilesets are 0 and 1 with frames 0 to " +
                           std::to_string(kTilesetFrames - 1);
            }
    return std::string();
}

std::string EncodeMap(const MapGrid& m) {
    std::string d;
    d.reserve(4 + m.tiles.size() * 3);
    auto put16 = [&](int v) {
        d.push_back((char)(v & 0xFF));
        d.push_back((char)((v >> 8) & 0xFF));
    };
    put16(m.w - 1);
    put16(m.h - 1);
    for (size_t i = 0; i < m.tiles.size(); ++i) {
        put16(m.tiles[i]);
        d.push_back((char)m.sheets[i]);
    }
    return d;
}

std::u16string MapFilePath(const std::u16string& name) {
    return u"Data/Maps/" + name + u".Map";
}

void MapFileSize(const std::u16string& name, const std::string& where, int& cols, int& rows) {
    Str path = MapFilePath(name);
    std::string bytes;
    if (!ReadDataFile(path, bytes))
        throw DataError(where, "names the map \"" + ToUtf8(name) + "\", but " + ToUtf8(path) +
                                   " is missing");
    std::string bad = ReadMapHeader(bytes, cols, rows);
    if (!bad.empty()) FailData(path, bad);
}
