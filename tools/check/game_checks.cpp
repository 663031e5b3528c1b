// Checks that read the game folder the way start-up and the later loads do.
#include "game_checks.h"

#include "data/catalog.h"
#include "data/collections.h"
#include "data/connection_format.h"
#include "data/map_format.h"
#include "data/loaders.h"
#include "shell/shell.h"
#include "story/story.h"

namespace fs = std::filesystem;

bool CheckStartUp(Problems& out) {
    bool assets = out.Run(LoadStartUpAssets);
    if (!assets) return false;
    BadRecordHandler = [&](const DataError& e) { out.Add(e.where, e.reason); };
    out.Run(ResetGameState);
    BadRecordHandler = nullptr;
    return true;
}

void CheckSpeechFiles(const fs::path& root, Problems& out) {
    std::error_code ec;
    if (!fs::is_directory(root / "NPC-Sprech", ec)) {
        out.Add("NPC-Sprech", "the folder of the NPCs' speech is missing");
        return;
    }
    std::vector<fs::path> files;
    for (auto& e : fs::directory_iterator(root / "NPC-Sprech", ec))
        if (e.is_regular_file() && e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    TCharakter scratch;
    for (const fs::path& f : files)
        out.Run([&] { LoadSpeech(&scratch, S("NPC-Sprech/" + f.filename().string())); });
}

namespace {
// The number of blocks (items) or records (spells) a catalogue holds.
int CountEntries(const Str& path, int linesEach) {
    std::vector<Str> lines = ReadAllLines(path);
    size_t used = lines.size();
    while (used > 0 && IsBlankLine(lines[used - 1])) --used;
    return (int)((used + linesEach - 1) / linesEach);
}

} // namespace

void CheckConnections(Problems& out) {
    std::string bytes;
    if (!ReadDataFile(kConnectionFile, bytes)) return; // start-up named it already
    std::vector<TVerbindung> links;
    int bad = 0;
    std::string why = ParseConnections(bytes, links, bad);
    std::string file = ToUtf8(kConnectionFile);
    if (!why.empty()) out.Add(file + ", record " + std::to_string(bad), why);
    for (const TVerbindung& v : links) {
        std::string where = file + ", record " + std::to_string(v.Nr + 1);
        for (const Str* name : {&v.StartMap, &v.ZielMap}) {
            int cols = 0, rows = 0;
            if (!out.Run([&] { MapFileSize(*name, where, cols, rows); })) continue;
            bool start = name == &v.StartMap;
            int x = start ? v.X : v.ZielX, y = start ? v.Y : v.ZielY;
            if (x >= cols || y >= rows)
                out.Add(where, std::string(start ? "the start" : "the destination") + " cell (" +
                                   std::to_string(x) + ", " + std::to_string(y) +
                                   ") lies outside the map \"" + ToUtf8(*name) + "\" of " +
                                   std::to_string(cols) + " x " + std::to_string(rows) + " cells");
        }
    }
}

void CheckCatalogueEntries(Problems& out) {
    int items = 0, spells = 0;
    out.Run([&] { items = CountEntries(u"Data/Items/Items.txt", 10); });
    out.Run([&] { spells = CountEntries(u"Data/Items/Zauber.txt", 21); });
    for (int n = 1; n <= items && n <= 65535; ++n) out.Run([&] { LoadShopItem((uint16_t)n, 0, 0); });
    for (int n = 1; n <= spells && n <= 65535; ++n)
        out.Run([&] { LoadShopSpell((uint16_t)n, 0, 0); });
    // What the containers hold is read from the catalogues only when the
    // player opens them: an unknown ID would stop the game there.
    ForEachNumberedFile(u"Data/Behälter/Behälter", u".txt", [&](int, const Str& path) {
        std::vector<Str> lines;
        if (!out.Run([&] { lines = ReadAllLines(path); }) || lines.size() < 5) return;
        bool spell = ToU8(lines[2]) == kContainerSpells;
        for (size_t i = 5; i < lines.size(); i += spell ? 1 : 2) {
            if (TrimOf(lines[i]).empty()) {
                i -= spell ? 0 : 1; // a blank line is no item
                continue;
            }
            int id = ToU16(lines[i]), limit = spell ? spells : items;
            if (id == 0 || id > limit)
                out.Add(ToUtf8(path) + ":" + std::to_string(i + 1),
                        std::string(spell ? "spell " : "item ") + std::to_string(id) +
                            " is not in the catalogue, which holds " + std::to_string(limit));
        }
    });
}
