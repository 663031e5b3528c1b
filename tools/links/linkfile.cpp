// Reading, writing and checking the readable form of the map connections.
#include "linkfile.h"

#include "data/map_format.h"
#include "media/files.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {
std::string At(const std::string& path, int line, const std::string& why) {
    return path + ":" + std::to_string(line) + ": " + why;
}

// Splits a source line into words: runs of non-blank characters, or the text
// between two double quotes; `#` outside quotes ends the line.
bool Words(const std::string& line, std::vector<std::string>& words, std::string& why) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) {
                why = "a quoted name has no closing '\"'";
                return false;
            }
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = line.find_first_of(" \t\r#\"", i);
            if (end == std::string::npos) end = line.size();
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

bool Number(const std::string& w, uint16_t& out) {
    if (w.empty() || w.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long v = strtoul(w.c_str(), nullptr, 10);
    if (errno != 0 || v > 65535) return false;
    out = (uint16_t)v;
    return true;
}

bool Name(const std::string& w, Str& out, std::string& why) {
    out = S(w);
    if (ConnectionNameFits(out)) return true;
    why = "the map name \"" + w + "\" has a character outside Latin-1";
    return false;
}

// A name as the source writes it: bare when it is one plain word.
bool SourceName(const Str& name, std::string& out) {
    std::string u = ToUtf8(name);
    if (u.find('"') != std::string::npos) return false;
    bool plain = !u.empty() && u != "->" && u.find_first_of(" \t\r#") == std::string::npos;
    out = plain ? u : "\"" + u + "\"";
    return true;
}

struct LoadedMap {
    std::string error;
    MapGrid grid;
};

// Each map is read once; the references stay valid as the cache grows.
const LoadedMap& MapNamed(std::map<Str, LoadedMap>& cache, const Str& name,
                          const std::string& mapDir) {
    auto found = cache.find(name);
    if (found != cache.end()) return found->second;
    LoadedMap m;
    std::string file = mapDir + "/" + ToUtf8(name) + ".Map";
    std::string bytes;
    if (!ReadWholeFile(file, bytes))
        m.error = "there is no map \"" + ToUtf8(name) + "\" (" + file + ")";
    else if (std::string bad = ParseMap(bytes, m.grid); !bad.empty())
        m.error = file + ": " + bad;
    return cache.emplace(name, std::move(m)).first->second;
}

std::string Cell(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string Size(const MapGrid& m) {
    return std::to_string(m.w) + " x " + std::to_string(m.h) + " cells";
}
} // namespace

std::string ParseLinkText(const std::string& text, const std::string& path,
                          std::vector<LinkEntry>& out) {
    out.clear();
    std::istringstream in(text);
    std::string line, why;
    std::vector<std::string> w;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!Words(line, w, why)) return At(path, n, why);
        if (w.empty()) continue;
        if (w.size() != 7 || w[3] != "->")
            return At(path, n, "expected 'START X Y -> DEST X Y', found \"" + line + "\"");
        LinkEntry e;
        e.line = n;
        e.link.Nr = (uint16_t)out.size();
        if (!Name(w[0], e.link.StartMap, why) || !Name(w[4], e.link.ZielMap, why))
            return At(path, n, why);
        uint16_t* cells[4] = {&e.link.X, &e.link.Y, &e.link.ZielX, &e.link.ZielY};
        const int at[4] = {1, 2, 5, 6};
        for (int k = 0; k < 4; ++k)
            if (!Number(w[at[k]], *cells[k]))
                return At(path, n, "a cell coordinate is a whole number from 0 to 65535, found \"" +
                                       w[at[k]] + "\"");
        out.push_back(e);
    }
    return std::string();
}

std::string FormatLinkText(const std::vector<LinkEntry>& list, std::string& text) {
    text = "# Map connections: START X Y -> DEST X Y\n";
    for (const LinkEntry& e : list) {
        const TVerbindung& v = e.link;
        std::string from, to;
        if (!SourceName(v.StartMap, from) || !SourceName(v.ZielMap, to))
            return "connection " + std::to_string(v.Nr + 1) +
                   ": a map name with a '\"' cannot be written in the source";
        text += from + " " + std::to_string(v.X) + " " + std::to_string(v.Y) + " -> " + to + " " +
                std::to_string(v.ZielX) + " " + std::to_string(v.ZielY) + "\n";
    }
    return std::string();
}

std::string CheckLinksAgainstMaps(const std::vector<LinkEntry>& list, const std::string& path,
                                  const std::string& mapDir) {
    std::map<Str, LoadedMap> cache;
    for (const LinkEntry& e : list) {
        const TVerbindung& v = e.link;
        const LoadedMap& from = MapNamed(cache, v.StartMap, mapDir);
        if (!from.error.empty()) return At(path, e.line, from.error);
        if (!from.grid.Inside(v.X, v.Y))
            return At(path, e.line, "the start cell " + Cell(v.X, v.Y) + " lies outside " +
                                        ToUtf8(v.StartMap) + " of " + Size(from.grid));
        if (!IsExitCell(from.grid, v.X, v.Y))
            return At(path, e.line,
                      "the start cell " + Cell(v.X, v.Y) + " of " + ToUtf8(v.StartMap) +
                          " carries no exit marker in layer 1 (frame 577 of tileset 0 or frame "
                          "100 of tileset 1), so the connection would never be taken");
        const LoadedMap& to = MapNamed(cache, v.ZielMap, mapDir);
        if (!to.error.empty()) return At(path, e.line, to.error);
        if (!to.grid.Inside(v.ZielX, v.ZielY))
            return At(path, e.line, "the destination cell " + Cell(v.ZielX, v.ZielY) +
                                        " lies outside " + ToUtf8(v.ZielMap) + " of " +
                                        Size(to.grid));
        if (to.grid.Tile(v.ZielX, v.ZielY, 2) != 0)
            return At(path, e.line, "the destination cell " + Cell(v.ZielX, v.ZielY) + " of " +
                                        ToUtf8(v.ZielMap) + " is blocked in layer 2");
    }
    return std::string();
}

std::string ReadLinkSource(const std::string& path, std::vector<LinkEntry>& out) {
    std::string text;
    if (!ReadWholeFile(path, text)) return path + ": cannot be read";
    return ParseLinkText(text, path, out);
}

std::string WriteLinkSource(const std::string& path, const std::vector<LinkEntry>& list) {
    std::string text;
    std::string bad = FormatLinkText(list, text);
    if (!bad.empty()) return path + ": " + bad;
    if (!WriteWholeFile(path, text)) return path + ": cannot be written";
    return std::string();
}

std::string ReadLinkBinary(const std::string& path, std::vector<LinkEntry>& out) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return path + ": cannot be read";
    std::vector<TVerbindung> links;
    int record = 0;
    std::string bad = ParseConnections(bytes, links, record);
    if (!bad.empty()) return path + ", record " + std::to_string(record) + ": " + bad;
    out.clear();
    for (const TVerbindung& v : links) out.push_back({v, 0});
    return std::string();
}

std::string WriteLinkBinary(const std::string& path, const std::vector<LinkEntry>& list) {
    std::vector<TVerbindung> links;
    for (const LinkEntry& e : list) links.push_back(e.link);
    if (!WriteWholeFile(path, EncodeConnections(links))) return path + ": cannot be written";
    return std::string();
}
