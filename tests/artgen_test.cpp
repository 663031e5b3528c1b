// The picture generator: its output must not depend on anything but the
// program (two runs give the same bytes), and every picture the game loads
// must come out with the size the game's loaders cut into cells.
#include "item_pictures.h"
#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Quote(const fs::path& p) {
    return "'" + p.string() + "'";
}

// Runs the generator into every given folder at once; all must succeed.
void Generate(const std::vector<fs::path>& dirs) {
    std::string cmd = "status=0; pids=;";
    for (const fs::path& d : dirs) {
        fs::remove_all(d);
        cmd += " " + Quote(VESSARA_ARTGEN) + " " + Quote(d) + " > /dev/null & pids=\"$pids $!\";";
    }
    cmd += " for p in $pids; do wait $p || status=1; done; exit $status";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

// Every file below `dir`, by its path relative to `dir` (UTF-8).
std::vector<std::string> FilesBelow(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) {
            std::u8string rel = fs::relative(e.path(), dir).generic_u8string();
            out.emplace_back(rel.begin(), rel.end());
        }
    std::sort(out.begin(), out.end());
    return out;
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path Utf8(const std::string& s) {
    return fs::path(std::u8string(s.begin(), s.end()));
}

// Width and height from a PNG's header; {0, 0} when it is no PNG.
std::pair<int, int> PngSize(const fs::path& p) {
    std::string b = ReadBytes(p);
    if (b.size() < 24 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || b.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto be32 = [&](size_t at) {
        return static_cast<int>(
            static_cast<uint8_t>(b[at]) << 24 | static_cast<uint8_t>(b[at + 1]) << 16 |
            static_cast<uint8_t>(b[at + 2]) << 8 | static_cast<uint8_t>(b[at + 3]));
    };
    return {be32(16), be32(20)};
}

// The layout a loader expects: cells of cellW x cellH, `cols` x `rows` of
// them; cols = 0 means "any number of cells in one row" (the game counts the
// frames of a hit picture from its width).
struct Layout {
    int cellW, cellH, cols, rows;
};

// What the loaders in src/ cut each picture into, by path pattern. Single
// pictures (LoadImageFile) are placed by the screens at fixed positions, so
// their whole size is pinned as one cell.
const std::vector<std::pair<std::string, Layout>>& Layouts() {
    static const std::vector<std::pair<std::string, Layout>> k = {
        // startup.cpp: the player's layers, 12 cells of 48 x 64 and 72 x 96;
        // armour, helmets and shields are worn as layers of the same kind
        {R"(Grafik/(Charakter|Items)/(Körper_Mensch|Gesicht1|Haare3|Startkleidung)\.png)",
         {48, 64, 3, 4}},
        {R"(Grafik/Items/(Lederwams|Kettenhemd|Plattenpanzer|Lederkappe|Eisenhelm|Holzschild|Eisenschild)\.png)",
         {48, 64, 3, 4}},
        {R"(Grafik/(Charakter|Items)/Groß/[^/]+\.png)", {72, 96, 3, 4}},
        // every other item has one 48 x 48 inventory picture, every spell a
        // 48 x 48 page in the spell book
        {R"(Grafik/Items/[^/]+\.png)", {48, 48, 1, 1}},
        {R"(Grafik/Zauber/[^/]+\.png)", {48, 48, 1, 1}},
        // npc_file.cpp and enemy_file.cpp: 12 cells of 72 x 96
        {R"(Grafik/NPCs/Charaktere/NPC[0-9]+\.png)", {72, 96, 3, 4}},
        {R"(Grafik/Gegner/Gegner[0-9]+\.png)", {72, 96, 3, 4}},
        // the dialogue box draws a 96 x 96 portrait
        {R"(Grafik/NPCs/Faces/Face[0-9]+\.png)", {96, 96, 1, 1}},
        // startup.cpp: 768 tiles of 48 x 48; maps number them 32 to a row
        {R"(Grafik/Tileset[12]\.png)", {48, 48, 32, 24}},
        // startup.cpp: the arrows' flight and hit, 4 cells of 96 x 96
        {R"(Grafik/Kampfanimationen/Pfeile_(anim|schuss)\.png)", {96, 96, 4, 1}},
        // weapon_file.cpp and enemy_file.cpp: hit and spell strips of 96 x 96
        {R"(Grafik/Kampfanimationen/[^/]+_anim[0-9]*\.png)", {96, 96, 0, 1}},
        // a spell's projectile
        {R"(Grafik/Kampfanimationen/[^/]+_schuss\.png)", {48, 48, 1, 1}},
        {R"(Grafik/Icons/[^/]+\.png)", {40, 40, 1, 1}},
        // interface pictures
        {"Grafik/Rahmen_1024.png", {1024, 190, 1, 1}},
        {"Grafik/Inventar1.png", {694, 377, 1, 1}},
        {"Grafik/Inventar2.png", {453, 377, 1, 1}},
        {"Grafik/HändlerInventar.png", {311, 377, 1, 1}},
        {"Grafik/Zaubermenü.png", {694, 377, 1, 1}},
        {"Grafik/Tagebuch.png", {820, 640, 1, 1}},
        {"Grafik/Hotkeyleiste.png", {500, 52, 1, 1}},
        {R"(Grafik/(Blutfleck|Gold)\.png)", {48, 48, 1, 1}},
        {"Grafik/Leiche.png", {72, 48, 1, 1}},
    };
    return k;
}

const Layout* LayoutOf(const std::string& rel) {
    for (const auto& [pattern, layout] : Layouts())
        if (std::regex_match(rel, std::regex(pattern))) return &layout;
    return nullptr;
}

// The pictures start-up reads, as the game lists them.
std::vector<std::string> PicturesTheGameLoads() {
    fs::path list = testsupport::ScratchDir() / "files.txt";
    std::string replay = (fs::path(testsupport::GameDir()) / "vessara-replay").string();
    std::string cmd = Quote(replay) + " --game-dir " + Quote(testsupport::GameDir()) +
                      " --list-files > " + Quote(list);
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::vector<std::string> out;
    std::istringstream in(ReadBytes(list));
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Grafik/", 0) == 0 && std::find(out.begin(), out.end(), line) == out.end())
            out.push_back(line);
    return out;
}

TEST(Artgen, TwoRunsWriteTheSameBytes) {
    fs::path a = testsupport::ScratchDir() / "art-a", b = testsupport::ScratchDir() / "art-b";
    Generate({a, b});
    std::vector<std::string> files = FilesBelow(a);
    ASSERT_GT(files.size(), 80u);
    ASSERT_EQ(files, FilesBelow(b));
    for (const std::string& f : files)
        EXPECT_TRUE(ReadBytes(a / Utf8(f)) == ReadBytes(b / Utf8(f))) << f << " differs";
}

TEST(Artgen, EveryLoadedPictureHasTheLoadersLayout) {
    fs::path out = testsupport::ScratchDir() / "art";
    Generate({out});
    std::vector<std::string> loaded = PicturesTheGameLoads();
    ASSERT_GT(loaded.size(), 80u);
    std::vector<std::string> made = FilesBelow(out);
    // everything made must be a picture some loader knows how to cut
    for (const std::string& f : made) {
        const Layout* l = LayoutOf(f);
        if (!l) continue; // single interface pictures without a fixed size
        auto [w, h] = PngSize(out / Utf8(f));
        if (l->cols == 0) {
            EXPECT_EQ(h, l->cellH * l->rows) << f;
            EXPECT_TRUE(w >= l->cellW && w % l->cellW == 0) << f << " is " << w << " wide";
        } else {
            EXPECT_EQ(w, l->cellW * l->cols) << f;
            EXPECT_EQ(h, l->cellH * l->rows) << f;
        }
    }
    for (const std::string& f : loaded) {
        EXPECT_TRUE(std::binary_search(made.begin(), made.end(), f)) << f << " is not made";
        auto [w, h] = PngSize(out / Utf8(f));
        EXPECT_GT(w, 0) << f;
        EXPECT_GT(h, 0) << f;
    }
    // every sized rule meets at least one picture the game loads or one
    // of the item pictures the item catalogue will name
    std::vector<std::string> known = loaded;
    for (const std::string& f : testsupport::ItemPictureFiles()) known.push_back(f);
    // The bow takes the pictures of the arrows in the off hand once the
    // player has put them there in the inventory.
    known.push_back("Grafik/Kampfanimationen/Pfeile_anim.png");
    known.push_back("Grafik/Kampfanimationen/Pfeile_schuss.png");
    for (const auto& [pattern, layout] : Layouts()) {
        bool used = std::any_of(known.begin(), known.end(), [&](const std::string& f) {
            return std::regex_match(f, std::regex(pattern));
        });
        EXPECT_TRUE(used) << pattern << " matches nothing the game loads";
    }
}

} // namespace
