// The NPC catalogue: fields, positions, pages, and refused records.
#include "test_support.h"

#include "data/loaders.h"
#include "story/story.h"
#include "data/assets.h"
#include "story/text.h"
#include "world/world.h"

using testsupport::WriteFile;

namespace {
std::string Le16(int v) {
    return std::string{(char)(v & 255), (char)(v >> 8)};
}

class NpcFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        if (!FontChancery25)
            FontChancery25 = LoadFontFile(S(testsupport::GameDir() + "/Chancery.ttf"), 25, 4);
        WrapProbe = 60;
        // A 10 x 8 map "Dorf" and a 3 x 3 map "Keller".
        WriteFile("Data/Maps/Dorf.Map", Le16(9) + Le16(7) + std::string(10 * 8 * 12, '\0'));
        WriteFile("Data/Maps/Keller.Map", Le16(2) + Le16(2) + std::string(3 * 3 * 12, '\0'));
        for (int id : {1, 2}) {
            testsupport::WritePng("Grafik/NPCs/Charaktere/NPC" + std::to_string(id) + ".png", 216,
                                  384, [](int, int) -> uint32_t { return 0x808080FF; });
            testsupport::WritePng("Grafik/NPCs/Faces/Face" + std::to_string(id) + ".png", 96, 96,
                                  [](int, int) -> uint32_t { return 0x808080FF; });
        }
        std::string six;
        for (int i = 0; i < 6; ++i)
            six += "Eine recht lange Zeile, die fast die ganze Breite braucht, gewiss.\n";
        WriteFile("NPC-Sprech/NPC1.1.txt", "Hallo.\n");
        WriteFile("NPC-Sprech/NPC2.1.txt", six);
        ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
        CurrentMapName = u"Dorf";
        LoadMap(u"Dorf");
        NpcList = new TList<TCharakter*>;
    }
    void TearDown() override { CurrentMapName = u"TestMap"; }
    static std::string Record(int id, int typ, const char* name, int x, int y, int speed,
                              const char* map) {
        return std::to_string(id) + "\n" + std::to_string(typ) + "\n" + name + "\n0\n0\n" +
               std::to_string(x) + "\n" + std::to_string(y) + "\n1\n5\n1\n5\n6\n" +
               std::to_string(speed) + "\n" + map + "\n----\n";
    }
};
} // namespace

TEST_F(NpcFileTest, FieldsPositionsAndPages) {
    WriteFile("Data/NPCs/NPC.txt", Record(1, 1, "Jost", 3, 4, 4, "Dorf") +
                                       Record(2, 2, "Runa", 1, 1, 3, "Keller") +
                                       Record(1, 0, "Zwilling", 5, 5, 0, "Dorf"));
    LoadNpcFile();
    std::vector<TCharakter*> n = NpcList->ToVector();
    ASSERT_EQ(n.size(), 3u);
    EXPECT_EQ(n[0]->Name, u"Jost");
    EXPECT_EQ(n[0]->ppx, 144);
    EXPECT_EQ(n[0]->ppy, 192);
    EXPECT_EQ(n[0]->Zufall, 1); // type 1 wanders
    EXPECT_EQ(n[1]->Zufall, 0);
    EXPECT_EQ(n[0]->AnzahlZeilen, 5);  // one line: one page
    EXPECT_EQ(n[1]->AnzahlZeilen, 10); // six lines: two pages
    EXPECT_EQ(n[0]->x2, 5);
    EXPECT_EQ(n[0]->SFrame, 6);
    EXPECT_EQ(n[0]->Ereignis, 1);
    // The same ID shares pictures and speech: the third record (ID 1) gets
    // NPC1's picture and "Hallo.", not Runa's.
    EXPECT_EQ(n[2]->ID, 1);
    EXPECT_EQ(n[0]->Sprech[1], u"Hallo.");
    EXPECT_EQ(n[2]->Sprech[1], u"Hallo.");
    EXPECT_NE(n[1]->Sprech[1], u"Hallo.");
    ASSERT_NE(n[0]->Image, nullptr);
    EXPECT_EQ(n[2]->Image, n[0]->Image);
    EXPECT_NE(n[1]->Image, n[0]->Image);
    EXPECT_EQ(n[2]->FaceImage, n[0]->FaceImage);
    // Tiles of the loaded map are marked; the cellar NPC marks nothing here.
    EXPECT_EQ(MapTiles(3, 4, 2), 1);
    EXPECT_EQ(MapTiles(5, 5, 2), 1);
    EXPECT_EQ(MapTiles(1, 1, 2), 0);
}

TEST_F(NpcFileTest, TileOutsideItsMapIsRefused) {
    WriteFile("Data/NPCs/NPC.txt",
              Record(1, 0, "Jost", 3, 4, 2, "Dorf") + Record(2, 0, "Runa", 4, 1, 2, "Keller"));
    try {
        LoadNpcFile();
        FAIL() << "an NPC off its map was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/NPCs/NPC.txt, record 2");
        EXPECT_NE(e.reason.find("outside its map"), std::string::npos) << e.reason;
    }
}

TEST_F(NpcFileTest, WalkingSpeedMustDivideTheTile) {
    WriteFile("Data/NPCs/NPC.txt", Record(1, 1, "Jost", 3, 4, 5, "Dorf"));
    EXPECT_THROW(LoadNpcFile(), DataError);
    WriteFile("Data/NPCs/NPC.txt", Record(1, 1, "Jost", 3, 4, 0, "Dorf"));
    EXPECT_THROW(LoadNpcFile(), DataError);
}

TEST_F(NpcFileTest, UnknownMapAndMissingPicturesStop) {
    WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Nirgendwo"));
    EXPECT_THROW(LoadNpcFile(), DataError);
    WriteFile("Data/NPCs/NPC.txt", Record(7, 0, "Niemand", 3, 4, 2, "Dorf"));
    try {
        LoadNpcFile();
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Grafik/NPCs/Charaktere/NPC7.png");
    }
}
