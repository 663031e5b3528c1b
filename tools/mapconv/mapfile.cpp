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
constexpr int kFrames = 768;

std::string CellText(int layer, int x, int y) {
    return "layer " + std::to_string(layer) + ", cell (" + std::to_string(x) + ", " +
           std::to_string(y) + ")";
}
} // namespace

void MapData::Resize(int c, int r) {
    cols = c;
    rows = r;
    for (int l = 0; l < 4; ++l) {
        tile[l].assign((size_t)c * r, 0);
        sheet[l].assign((size_t)c * r, 0);
    }
}

std::string ReadMapFile(const std::string& path, MapData& m) {
    std::string d;
    if (!ReadWholeFile(path, d)) return path + ": cannot read the file";
    if (d.size() < 4) return path + ": too short for a map header";
    auto u16 = [&](size_t at) -> int {
        int lo = at < d.size() ? (unsigned char)d[at] : 0;
        int hi = at + 1 < d.size() ? (unsigned char)d[at + 1] : 0;
        return lo | hi << 8;
    };
    int w = u16(0), h = u16(2);
    m.Resize(w + 1, h + 1);
    // Like the game, a short file reads zeros for its missing cells.
    size_t at = 4;
    for (int x = 0; x <= w; ++x)
        for (int y = 0; y <= h; ++y)
            for (int l = 0; l < 4; ++l) {
                size_t i = (size_t)y * m.cols + x;
                m.tile[l][i] = (uint16_t)u16(at);
                m.sheet[l][i] = at + 2 < d.size() ? (uint8_t)d[at + 2] : 0;
                at += 3;
            }
    return "";
}

std::string WriteMapFile(const std::string& path, const MapData& m) {
    std::string d;
    auto put16 = [&](int v) {
        d.push_back((char)(v & 0xFF));
        d.push_back((char)((v >> 8) & 0xFF));
    };
    put16(m.cols - 1);
    put16(m.rows - 1);
    for (int x = 0; x < m.cols; ++x)
        for (int y = 0; y < m.rows; ++y)
            for (int l = 0; l < 4; ++l) {
                size_t i = (size_t)y * m.cols + x;
                put16(m.tile[l][i]);
                d.push_back((char)m.sheet[l][i]);
            }
    if (!WriteWholeFile(path, d)) return path + ": cannot write the file";
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
    if (cols < 1 || rows < 1 || cols > 65536 || rows > 65536) return path + ": bad map size";
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
    m.Resize(cols, rows);
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
            m.tile[layer][(size_t)y * cols + x] = (uint16_t)frame;
            m.sheet[layer][(size_t)y * cols + x] = (uint8_t)s;
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
      << m.cols << "\" height=\"" << m.rows
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
        o << " <layer id=\"" << l + 1 << "\" name=\"" << names[l] << "\" width=\"" << m.cols
          << "\" height=\"" << m.rows << "\">\n  <data encoding=\"csv\">\n";
        for (int y = 0; y < m.rows; ++y) {
            for (int x = 0; x < m.cols; ++x) {
                size_t i = (size_t)y * m.cols + x;
                int t = m.tile[l][i];
                int gid = t == 0 ? 0 : 1 + m.sheet[l][i] * kFrames + t;
                if (m.sheet[l][i] > 1 || t >= kFrames)
                    return path + ": " + CellText(l, x, y) + ": frame " + std::to_string(t) +
                           " of tileset " + std::to_string(m.sheet[l][i]) + " has no tile in Tiled";
                o << gid;
                if (!(y == m.rows - 1 && x == m.cols - 1)) o << ',';
            }
            o << '\n';
        }
        o << "</data>\n </layer>\n";
    }
    o << "</map>\n";
    if (!WriteWholeFile(path, o.str())) return path + ": cannot write the file";
    return "";
}
