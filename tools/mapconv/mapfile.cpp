// Conversion between the game's binary maps and Tiled's TMX files.
//
// In the TMX form the two tilesets appear in the order the game uses them
// (the first <tileset> is tileset 0), each with 768 tiles of 48 x 48; a
// cell's global tile id is the tileset's firstgid plus the frame, and 0 is
// an empty cell. The four tile layers, in document order, are the map's
// layers 0 to 3, CSV-encoded.
#include "mapfile.h"

#include "media/media.h"

#include <tinyxml2.h>

#include <cstdlib>
#include <sstream>

namespace {
constexpr int kFrames = kTilesetFrames;

std::string CellText(int layer, int x, int y) {
    return "layer " + std::to_string(layer) + ", cell (" + std::to_string(x) + ", " +
           std::to_string(y) + ")";
}
} // namespace

std::string ReadMapFile(const std::string& path, MapData& m) {
    std::string d;
    if (!ReadWholeFile(path, d)) return path + ": cannot read the file";
    std::string bad = ParseMap(d, m);
    return bad.empty() ? "" : path + ": " + bad;
}

std::string WriteMapFile(const std::string& path, const MapData& m) {
    if (!WriteWholeFile(path, EncodeMap(m))) return path + ": cannot write the file";
    return "";
}

std::string ReadTmx(const std::string& path, MapData& m) {
    tinyxml2::XMLDocument doc;
    if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS)
        return path + ": not a readable XML file (" +
               std::string(doc.ErrorStr() ? doc.ErrorStr() : "") + ")";
    auto* map = doc.FirstChildElement("map");
    if (!map) return path + ": no <map> element";
    if (std::string(map->Attribute("orientation") ? map->Attribute("orientation") : "") !=
        "orthogonal")
        return path + ": only orthogonal maps can be stored";
    if (map->IntAttribute("infinite", 0) != 0) return path + ": infinite maps cannot be stored";
    int cols = map->IntAttribute("width", 0), rows = map->IntAttribute("height", 0);
    if (cols < 1 || rows < 1 || cols > kMaxMapSide || rows > kMaxMapSide)
        return path + ": map size must be 1 to " + std::to_string(kMaxMapSide) + " cells a side";
    if (map->IntAttribute("tilewidth", 0) != 48 || map->IntAttribute("tileheight", 0) != 48)
        return path + ": tiles must be 48 x 48 pixels";
    int firstgid[2] = {0, 0};
    int sets = 0;
    for (auto* ts = map->FirstChildElement("tileset"); ts; ts = ts->NextSiblingElement("tileset")) {
        if (sets == 2) return path + ": more than two tilesets";
        firstgid[sets++] = ts->IntAttribute("firstgid", 0);
    }
    if (sets != 2 || firstgid[0] < 1 || firstgid[1] < firstgid[0] + kFrames)
        return path + ": needs the two tilesets in order, each of 768 tiles";
    m.w = cols;
    m.h = rows;
    m.tiles.assign((size_t)cols * rows * 4, 0);
    m.sheets.assign((size_t)cols * rows * 4, 0);
    int layer = 0;
    for (auto* el = map->FirstChildElement(); el; el = el->NextSiblingElement()) {
        std::string name = el->Name();
        if (name == "tileset" || name == "properties" || name == "editorsettings") continue;
        if (name != "layer")
            return path + ": <" + name + "> cannot be stored in a map file (only tile layers)";
        if (layer == 4) return path + ": more than four tile layers";
        if (el->IntAttribute("width", 0) != cols || el->IntAttribute("height", 0) != rows)
            return path + ": layer " + std::to_string(layer) + " differs in size from the map";
        auto* data = el->FirstChildElement("data");
        if (!data ||
            std::string(data->Attribute("encoding") ? data->Attribute("encoding") : "") != "csv" ||
            data->Attribute("compression"))
            return path + ": layer " + std::to_string(layer) + " must be CSV-encoded";
        std::string csv = data->GetText() ? data->GetText() : "";
        for (char& c : csv)
            if (c == ',' || c == '\n' || c == '\r' || c == '\t') c = ' ';
        std::istringstream in(csv);
        for (int i = 0; i < cols * rows; ++i) {
            int x = i % cols, y = i / cols;
            std::string tok;
            if (!(in >> tok))
                return path + ": " + CellText(layer, x, y) + ": the layer's data ends early";
            char* end = nullptr;
            unsigned long gid = strtoul(tok.c_str(), &end, 10);
            if (*end != 0)
                return path + ": " + CellText(layer, x, y) + ": '" + tok + "' is not a tile id";
            if (gid & 0xF0000000UL)
                return path + ": " + CellText(layer, x, y) +
                       ": flipped or rotated tiles cannot be stored";
            if (gid == 0) continue;
            int s = gid >= (unsigned long)firstgid[1] ? 1 : 0;
            long frame = (long)gid - firstgid[s];
            if (frame < 0 || frame >= kFrames)
                return path + ": " + CellText(layer, x, y) + ": tile id " + tok +
                       " lies outside both tilesets";
            m.Tile(x, y, layer) = (uint16_t)frame;
            m.Sheet(x, y, layer) = (uint8_t)s;
        }
        std::string extra;
        if (in >> extra)
            return path + ": layer " + std::to_string(layer) + " holds more cells than the map";
        ++layer;
    }
    if (layer != 4)
        return path + ": has " + std::to_string(layer) + " tile layers, a map needs four";
    return "";
}

std::string WriteTmx(const std::string& path, const MapData& m, const std::string& imageDir) {
    static const char* names[4] = {"Boden", "Bodendetails", "Objekte", "Ueberkopf"};
    std::ostringstream o;
    o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    o << "<map version=\"1.10\" orientation=\"orthogonal\" renderorder=\"right-down\" width=\""
      << m.w << "\" height=\"" << m.h
      << "\" tilewidth=\"48\" tileheight=\"48\" infinite=\"0\" nextlayerid=\"5\" "
      << "nextobjectid=\"1\">\n";
    for (int s = 0; s < 2; ++s) {
        o << " <tileset firstgid=\"" << 1 + s * kFrames << "\" name=\"Tileset" << s + 1
          << "\" tilewidth=\"48\" tileheight=\"48\" tilecount=\"768\" columns=\"32\">\n";
        o << "  <image source=\"" << imageDir << "/Tileset" << s + 1
          << ".png\" trans=\"ffffff\" width=\"1536\" height=\"1152\"/>\n";
        o << " </tileset>\n";
    }
    for (int l = 0; l < 4; ++l) {
        o << " <layer id=\"" << l + 1 << "\" name=\"" << names[l] << "\" width=\"" << m.w
          << "\" height=\"" << m.h << "\">\n  <data encoding=\"csv\">\n";
        for (int y = 0; y < m.h; ++y) {
            for (int x = 0; x < m.w; ++x) {
                int t = m.Tile(x, y, l), sh = m.Sheet(x, y, l);
                int gid = t == 0 ? 0 : 1 + sh * kFrames + t;
                if (sh > 1 || t >= kFrames)
                    return path + ": " + CellText(l, x, y) + ": frame " + std::to_string(t) +
                           " of tileset " + std::to_string(sh) + " has no tile in Tiled";
                o << gid;
                if (!(y == m.h - 1 && x == m.w - 1)) o << ',';
            }
            o << '\n';
        }
        o << "</data>\n </layer>\n";
    }
    o << "</map>\n";
    if (!WriteWholeFile(path, o.str())) return path + ": cannot write the file";
    return "";
}
