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
        RemoveFollowUpSpeech();
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
    void TearDown() override {
        CurrentMapName = u"TestMap";
        RemoveFollowUpSpeech();
    }
    // The scratch folder lives as long as the process: follow-up speech
    // files one test writes must not reach the next.
    static void RemoveFollowUpSpeech() {
        std::filesystem::path dir = testsupport::ScratchDir() / "NPC-Sprech";
        if (!std::filesystem::exists(dir)) return;
        for (const auto& e : std::filesystem::directory_iterator(dir)) {
            std::string name = e.path().filename().string();
            if (name.find("Ja.") != std::string::npos || name.find("Nein.") != std::string::npos)
                std::filesystem::remove(e.path());
        }
    }
    static std::string Record(int id, int typ, const char* name, int x, int y, int speed,
                              const char* map, int facing = 6) {
        return std::to_string(id) + "\n" + std::to_string(typ) + "\n" + name + "\n0\n0\n" +
               std::to_string(x) + "\n" + std::to_string(y) + "\n1\n5\n1\n5\n" +
               std::to_string(facing) + "\n" + std::to_string(speed) + "\n" + map + "\n----\n";
    }
    // The error LoadNpcFile gives: "WHERE: REASON", or "" when it loads.
    static std::string LoadError() {
        NpcList->Clear();
        try {
            LoadNpcFile();
        } catch (const DataError& e) {
            return e.what();
        }
        return "";
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

TEST_F(NpcFileTest, FacingMustBeOneOfTheFour) {
    for (int facing : {0, 3, 6, 9}) {
        WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Dorf", facing));
        EXPECT_EQ(LoadError(), "") << facing;
    }
    for (int facing : {1, 2, 12, 255}) {
        WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Dorf") +
                                           Record(2, 0, "Runa", 1, 1, 2, "Keller", facing));
        EXPECT_EQ(LoadError(),
                  "Data/NPCs/NPC.txt, record 2: NPC Runa faces " + std::to_string(facing) +
                      " (line 12); a facing is 0 (up), 3 (right), 6 (down) or 9 (left)");
    }
}

TEST_F(NpcFileTest, BlankLinesAtTheEndAreNoNpc) {
    WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Dorf") + "\n");
    EXPECT_EQ(LoadError(), "");
    EXPECT_EQ(NpcList->Count(), 1);
    WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Dorf") + "\r\n  \n\n");
    EXPECT_EQ(LoadError(), "");
    EXPECT_EQ(NpcList->Count(), 1);
    // A record cut short is named with how far it got.
    WriteFile("Data/NPCs/NPC.txt",
              Record(1, 0, "Jost", 3, 4, 2, "Dorf") + "2\n0\nRuna\n1\n0\n3\n4\n");
    EXPECT_EQ(LoadError(), "Data/NPCs/NPC.txt, record 2: the record ends after line 7 of 15");
}

TEST_F(NpcFileTest, FollowUpSpeechIsCheckedAtStartUp) {
    std::string longSpeech;
    for (int i = 0; i < 30; ++i)
        longSpeech +=
            "Eine Zeile, die ziemlich lang ist und die Box zur Hälfte füllt, mindestens.\n";
    WriteFile("Data/NPCs/NPC.txt", Record(1, 0, "Jost", 3, 4, 2, "Dorf"));
    WriteFile("NPC-Sprech/NPC1.2Ja.txt", "Gut.\n");
    WriteFile("NPC-Sprech/NPC1.2Nein.txt", "Schade.\n");
    WriteFile("NPC-Sprech/NPC1.3Ja.txt", "Danke.\n");
    WriteFile("NPC-Sprech/NPC1.3Nein.txt", longSpeech);
    std::string err = LoadError();
    EXPECT_EQ(err.substr(0, err.find(':')), "NPC-Sprech/NPC1.3Nein.txt");
    EXPECT_NE(err.find("at most 20 lines"), std::string::npos) << err;
    // One answer of a pair without the other.
    WriteFile("NPC-Sprech/NPC1.3Nein.txt", "Schade.\n");
    WriteFile("NPC-Sprech/NPC1.4Ja.txt", "Gut.\n");
    EXPECT_EQ(LoadError(), "NPC-Sprech/NPC1.4Nein.txt: data file missing or unreadable");
    // The first event without any answer ends the check: event 6 is never
    // reached, so it is not read.
    WriteFile("NPC-Sprech/NPC1.4Nein.txt", "Schade.\n");
    WriteFile("NPC-Sprech/NPC1.6Ja.txt", longSpeech);
    EXPECT_EQ(LoadError(), "");
}

TEST_F(NpcFileTest, CheckingFollowUpSpeechChangesNothingLoaded) {
    // The same start-up with and without follow-up speech files ends with
    // the same probe (it carries over into the next text wrapped) and the
    // same first speech.
    std::string six;
    for (int i = 0; i < 6; ++i) six += "Ein Satz von mittlerer Länge, der umbricht, ganz gewiss.\n";
    WriteFile("Data/NPCs/NPC.txt", Record(2, 0, "Runa", 1, 1, 2, "Keller"));
    WrapProbe = 60;
    ASSERT_EQ(LoadError(), "");
    uint16_t probeWithout = WrapProbe;
    Str firstWithout = NpcList->First()->Sprech[1];
    WriteFile("NPC-Sprech/NPC2.2Ja.txt", six);
    WriteFile("NPC-Sprech/NPC2.2Nein.txt", "Kurz.\n");
    WrapProbe = 60;
    ASSERT_EQ(LoadError(), "");
    EXPECT_EQ(WrapProbe, probeWithout);
    EXPECT_EQ(NpcList->First()->Sprech[1], firstWithout);
}
