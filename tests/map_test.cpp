// Map files: the game's loader and the Tiled conversion of the map tool.
#include "test_support.h"

#include "mapfile.h"
#include "world/world.h"

#include <filesystem>

using testsupport::ScratchDir;
using testsupport::WriteFile;

namespace {
std::string Le16(int v) {
    return std::string{(char)(v & 255), (char)(v >> 8)};
}

// A map file in the scratch folder's Data/Maps, loaded through the game.
void LoadScratchMap(const std::string& name, const std::string& bytes) {
    WriteFile("Data/Maps/" + name + ".Map", bytes);
    ASSERT_TRUE(ChangeDirectory(ScratchDir().string()));
    LoadMap(S(name));
}

std::string Bytes(const std::string& path) {
    std::string d;
    EXPECT_TRUE(ReadWholeFile(path, d)) << path;
    return d;
}
} // namespace

TEST(MapFile, CreateMapFillsGroundLayers) {
    CreateMap(3, 2);
    EXPECT_EQ(MapWidth, 3);
    EXPECT_EQ(MapHeight, 2);
    for (int x = 0; x <= 3; ++x)
        for (int y = 0; y <= 2; ++y) {
            EXPECT_EQ(MapTiles(x, y, 0), 1);
            EXPECT_EQ(MapTiles(x, y, 1), 1);
            EXPECT_EQ(MapTiles(x, y, 2), 0);
            EXPECT_EQ(MapTiles(x, y, 3), 0);
            EXPECT_EQ(MapSheets(x, y, 1), 0);
        }
}

TEST(MapFile, SingleCellMapIsSixteenBytes) {
    std::string d = Le16(0) + Le16(0);
    for (int l = 0; l < 4; ++l) d += Le16(l + 10) + std::string(1, (char)(l & 1));
    ASSERT_EQ(d.size(), 16u);
    LoadScratchMap("Single", d);
    EXPECT_EQ(MapWidth, 0);
    EXPECT_EQ(MapTiles(0, 0, 3), 13);
    EXPECT_EQ(MapSheets(0, 0, 1), 1);
}

TEST(MapFile, CellsAreXOuterYInner) {
    // 2 x 2 cells; the layer-0 frame encodes the cell as x * 10 + y + 1.
    std::string d = Le16(1) + Le16(1);
    for (int x = 0; x <= 1; ++x)
        for (int y = 0; y <= 1; ++y)
            for (int l = 0; l < 4; ++l)
                d += Le16(l == 0 ? x * 10 + y + 1 : 0) + std::string(1, '\0');
    LoadScratchMap("Order", d);
    EXPECT_EQ(MapTiles(0, 1, 0), 2);
    EXPECT_EQ(MapTiles(1, 0, 0), 11);
    EXPECT_EQ(MapTiles(1, 1, 0), 12);
}

TEST(MapFile, ShortFileReadsZerosAndReloadDropsMarks) {
    // Announces 3 x 3 cells but holds only the first cell.
    const std::string z(1, '\0');
    std::string d = Le16(2) + Le16(2) + Le16(5) + "\x01" + Le16(6) + z + Le16(7) + z + Le16(8) + z;
    LoadScratchMap("Short", d);
    EXPECT_EQ(MapWidth, 2);
    EXPECT_EQ(MapTiles(0, 0, 0), 5);
    EXPECT_EQ(MapSheets(0, 0, 0), 1);
    EXPECT_EQ(MapTiles(2, 2, 0), 0); // missing cells read as frame 0 of tileset 0
    EXPECT_EQ(MapTiles(1, 0, 1), 0);
    MapTiles(1, 1, 2) = 1; // an actor's mark
    LoadMap(u"Short");
    EXPECT_EQ(MapTiles(1, 1, 2), 0);
}

TEST(MapFile, OutOfRangeCellsAreRefusedWithFileAndCell) {
    std::string d = Le16(1) + Le16(0);
    for (int i = 0; i < 8; ++i) d += Le16(i == 6 ? 768 : 1) + std::string(1, '\0');
    WriteFile("Data/Maps/BadFrame.Map", d);
    ASSERT_TRUE(ChangeDirectory(ScratchDir().string()));
    try {
        LoadMap(u"BadFrame");
        FAIL() << "frame 768 accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Maps/BadFrame.Map");
        EXPECT_NE(e.reason.find("cell (1, 0) layer 2"), std::string::npos) << e.reason;
    }
    std::string s = Le16(0) + Le16(0) + Le16(1) + "\x02" + std::string(9, '\0');
    WriteFile("Data/Maps/BadSheet.Map", s);
    EXPECT_THROW(LoadMap(u"BadSheet"), DataError);
    EXPECT_THROW(LoadMap(u"NoSuchMap"), DataError);
}

TEST(MapTool, TmxToMapToTmxToMapIsStable) {
    // A 3 x 2 map using both tilesets and the highest frame.
    std::string tmx = R"(<?xml version="1.0" encoding="UTF-8"?>
<map version="1.10" orientation="orthogonal" renderorder="right-down" width="3" height="2" tilewidth="48" tileheight="48" infinite="0">
 <tileset firstgid="1" name="a" tilewidth="48" tileheight="48" tilecount="768" columns="32"><image source="x.png" width="1536" height="1152"/></tileset>
 <tileset firstgid="769" name="b" tilewidth="48" tileheight="48" tilecount="768" columns="32"><image source="y.png" width="1536" height="1152"/></tileset>
 <layer id="1" name="0" width="3" height="2"><data encoding="csv">2,3,4,
5,6,768</data></layer>
 <layer id="2" name="1" width="3" height="2"><data encoding="csv">0,0,578,0,869,0</data></layer>
 <layer id="3" name="2" width="3" height="2"><data encoding="csv">2,0,0,770,0,1536</data></layer>
 <layer id="4" name="3" width="3" height="2"><data encoding="csv">0,0,0,0,0,0</data></layer>
</map>)";
    std::string src = WriteFile("rt/a.tmx", tmx);
    std::string dir = (ScratchDir() / "rt").string();
    MapData m;
    ASSERT_EQ(ReadTmx(src, m), "");
    EXPECT_EQ(m.Tile(2, 1, 0), 767); // gid 768 = last frame of tileset 0
    EXPECT_EQ(m.Tile(2, 0, 1), 577); // the exit marker
    EXPECT_EQ(m.Tile(1, 1, 1), 100); // gid 869 = frame 100 of tileset 1
    EXPECT_EQ(m.Sheet(1, 1, 1), 1);
    EXPECT_EQ(m.Tile(0, 1, 2), 1); // gid 770 = frame 1 of tileset 1
    ASSERT_EQ(WriteMapFile(dir + "/a.Map", m), "");
    EXPECT_EQ(Bytes(dir + "/a.Map").size(), 4u + 12u * 3 * 2);
    MapData m2, m3;
    ASSERT_EQ(ReadMapFile(dir + "/a.Map", m2), "");
    ASSERT_EQ(WriteTmx(dir + "/b.tmx", m2, "img"), "");
    ASSERT_EQ(ReadTmx(dir + "/b.tmx", m3), "");
    ASSERT_EQ(WriteMapFile(dir + "/b.Map", m3), "");
    EXPECT_EQ(Bytes(dir + "/a.Map"), Bytes(dir + "/b.Map"));
}

TEST(MapTool, BadTilesAreNamedByFileLayerAndCell) {
    auto tmxWith = [](const std::string& layer2) {
        return std::string(R"(<?xml version="1.0"?>
<map orientation="orthogonal" width="2" height="2" tilewidth="48" tileheight="48" infinite="0">
 <tileset firstgid="1" name="a"/><tileset firstgid="769" name="b"/>
 <layer width="2" height="2"><data encoding="csv">1,1,1,1</data></layer>
 <layer width="2" height="2"><data encoding="csv">0,0,0,0</data></layer>
 <layer width="2" height="2"><data encoding="csv">)") +
               layer2 + R"(</data></layer>
 <layer width="2" height="2"><data encoding="csv">0,0,0,0</data></layer>
</map>)";
    };
    MapData m;
    std::string p = WriteFile("bad/over.tmx", tmxWith("0,0,0,1537"));
    std::string err = ReadTmx(p, m);
    EXPECT_NE(err.find(p), std::string::npos);
    EXPECT_NE(err.find("layer 2, cell (1, 1)"), std::string::npos) << err;
    p = WriteFile("bad/flip.tmx", tmxWith("0,2147483650,0,0"));
    err = ReadTmx(p, m);
    EXPECT_NE(err.find("layer 2, cell (1, 0)"), std::string::npos) << err;
    p = WriteFile("bad/short.tmx", tmxWith("0,0,0"));
    EXPECT_NE(ReadTmx(p, m).find("ends early"), std::string::npos);
    p = WriteFile("bad/word.tmx", tmxWith("0,x,0,0"));
    EXPECT_NE(ReadTmx(p, m).find("not a tile id"), std::string::npos);
}

TEST(MapTool, ShortMapFileConvertsWithZeros) {
    std::string p = WriteFile("short/s.Map", Le16(1) + Le16(1) + Le16(9) + std::string(1, '\0'));
    MapData m;
    ASSERT_EQ(ReadMapFile(p, m), "");
    EXPECT_EQ(m.w, 2);
    EXPECT_EQ(m.Tile(0, 0, 0), 9);
    EXPECT_EQ(m.Tile(1, 1, 0), 0);
}
