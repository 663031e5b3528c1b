// Enemy, attack, spell, weapon and monster catalogues.
#include "test_support.h"

#include "data/loaders.h"

using testsupport::WriteFile;

namespace {
std::string Wav() {
    // 10 ms of silence, 8 kHz mono 16 bit.
    auto le32 = [](uint32_t v) {
        return std::string{(char)v, (char)(v >> 8), (char)(v >> 16), (char)(v >> 24)};
    };
    auto le16 = [](uint16_t v) { return std::string{(char)v, (char)(v >> 8)}; };
    std::string data(160, '\0');
    return "RIFF" + le32(36 + (uint32_t)data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
           le32(8000) + le32(16000) + le16(2) + le16(16) + "data" + le32((uint32_t)data.size()) +
           data;
}

void Png(const std::string& name, int w, int h) {
    testsupport::WritePng(name, w, h, [](int, int) -> uint32_t { return 0x884422FF; });
}

std::string TypeBlock(const std::string& name, int attack, int spell,
                      const std::string& behaviour) {
    return "# " + name + "\n" + name + "\n50\n10\n2\n4\n1\n3\n1\n3\n2\n0.5\n0\n0.25\n0\n0\n0\n" +
           std::to_string(attack) + "\n" + std::to_string(spell) + "\n" + behaviour + "\n";
}

class CombatFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
        WriteFile("Sound/Biss.wav", Wav());
        WriteFile("Sound/Funke.wav", Wav());
        WriteFile("Sound/Hieb.wav", Wav());
        WriteFile("Sound/Sehne.wav", Wav());
        Png("Grafik/Kampfanimationen/Biss_anim1.png", 384, 96);
        Png("Grafik/Kampfanimationen/Funke_anim.png", 576, 96);
        Png("Grafik/Kampfanimationen/Funke_schuss.png", 48, 48);
        Png("Grafik/Gegner/Gegner1.png", 216, 384);
        Png("Grafik/Gegner/Gegner2.png", 216, 384);
        Png("Grafik/Gegner/Gegner3.png", 216, 384);
        WriteFile("Data/Gegner/GegnerTyp.txt", TypeBlock("Wolf", 1, 0, "") +
                                                   TypeBlock("Leer", 0, 0, "") +
                                                   TypeBlock("Schuetze", 1, 1, "2"));
        WriteFile("Data/Gegner/Gegner-Waffen.txt", "# 1\nBiss\n500\n700\n4\n0\n-\n");
        WriteFile("Data/Gegner/Gegner-Zauber.txt", "# 1\n1\nFunke\n8\n2000\n3000\n6\n-\n");
        // Enemies stand on a map of 10 x 8 cells.
        WriteFile("Data/Maps/TestMap.Map",
                  std::string{9, 0, 7, 0} + std::string(10 * 8 * 12, '\0'));
        EnemyList = new TList<TGegner*>;
        WeaponList = new TList<TWaffe*>;
        SpellList = new TList<TZauber*>;
    }
    static std::string Enemy(int id, int typ, int npc, int x, int y) {
        return std::to_string(id) + "\n" + std::to_string(typ) + "\n" + std::to_string(npc) +
               "\n0\n0\n0\n0\n" + std::to_string(x) + "\n" + std::to_string(y) +
               "\n4\nTestMap\n----\n";
    }
};
} // namespace

TEST_F(CombatFilesTest, EnemiesTakeTheirTypeBlock) {
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 3, 4) + Enemy(2, 3, 0, 5, 6) +
                                            Enemy(3, 3, 1, 0, 0) + Enemy(4, 2, 0, 1, 1));
    LoadEnemyFile();
    std::vector<TGegner*> e = EnemyList->ToVector();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0]->Name, u"Wolf");
    EXPECT_EQ(e[0]->HP, 50);
    EXPECT_EQ(e[0]->ppx, 144); // standing on its tile
    EXPECT_EQ(e[0]->ppy, 192);
    EXPECT_EQ(e[0]->Exist, 1);
    EXPECT_EQ(e[0]->Zufall, 1);
    EXPECT_FLOAT_EQ(e[0]->FeuerResistenz, 0.5f);
    EXPECT_FLOAT_EQ(e[0]->EisResistenz, 0.25f); // lightning comes before ice
    EXPECT_EQ(e[0]->KITyp, 0);                  // no behaviour line: melee
    ASSERT_NE(e[0]->Attacke, nullptr);
    EXPECT_EQ(e[0]->Attacke->FrameAnzahl, 4);
    EXPECT_EQ(e[0]->Attacke->Image.size(), 1u);
    EXPECT_EQ(e[0]->Zauber, nullptr);
    // Type 3 is the third block: lines 42 to 60.
    EXPECT_EQ(e[1]->Name, u"Schuetze");
    EXPECT_EQ(e[1]->KITyp, 2);
    ASSERT_NE(e[1]->Zauber, nullptr);
    EXPECT_EQ(e[1]->Zauber->Typ, u"1");
    EXPECT_NE(e[1]->Zauber->ImageSchuss, nullptr);
    // Two enemies of one type get records of their own.
    EXPECT_NE(e[1]->Attacke, e[2]->Attacke);
    // A hidden twin has no picture.
    EXPECT_EQ(e[2]->Image, nullptr);
    EXPECT_NE(e[1]->Image, nullptr);
    // An attack id of 0 leaves no attack.
    EXPECT_EQ(e[3]->Attacke, nullptr);
}

TEST_F(CombatFilesTest, UnknownTypeAndBadSpeedAreRefused) {
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 9, 0, 3, 4));
    EXPECT_THROW(LoadEnemyFile(), DataError);
    WriteFile("Data/Gegner/GegnerTyp.txt",
              "# Schnecke\nSchnecke\n5\n1\n1\n1\n0\n0\n0\n1\n5\n0\n0\n0\n0\n0\n0\n0\n0\n\n");
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 3, 4));
    try {
        LoadEnemyFile();
        FAIL() << "speed 5 accepted";
    } catch (const DataError& err) {
        EXPECT_NE(err.reason.find("speed"), std::string::npos);
    }
}

TEST_F(CombatFilesTest, EnemiesWithOneAttackShareItsSoundUntilTheFileIsWrittenAnew) {
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 3, 4) + Enemy(2, 1, 0, 5, 6));
    LoadEnemyFile();
    std::vector<TGegner*> e = EnemyList->ToVector();
    ASSERT_EQ(e.size(), 2u);
    ASSERT_NE(e[0]->Attacke->Sound, nullptr);
    EXPECT_EQ(e[0]->Attacke->Sound, e[1]->Attacke->Sound);
    // Each still plays it on a channel of its own.
    EXPECT_NE(e[0]->Attacke->SoundChannel, e[1]->Attacke->SoundChannel);
    // A sound file written anew is read anew: broken, it is refused by name.
    WriteFile("Sound/Biss.wav", "RIFF----WAVEnot a sound");
    try {
        LoadEnemyWeapon(1);
        FAIL() << "the broken sound was taken from the cache";
    } catch (const DataError& err) {
        EXPECT_NE(std::string(err.what()).find("Sound/Biss.wav"), std::string::npos) << err.what();
    }
}

namespace {
// The error loading the catalogue gives: "WHERE: REASON", or "" if it loads.
template <class F> std::string ErrorOf(F load) {
    try {
        load();
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST_F(CombatFilesTest, EnemyOffItsMapIsRefusedNamingTheRecord) {
    // The map has 10 columns (0 to 9) and 8 rows (0 to 7).
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 9, 7) + Enemy(2, 1, 0, 10, 0));
    EXPECT_EQ(ErrorOf(LoadEnemyFile),
              "Data/Gegner/Gegner.txt, record 2: enemy 2 stands at (10, 0), outside its map of "
              "10 x 8 cells");
    EnemyList->Clear();
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 9, 7) + Enemy(2, 1, 0, 0, 8));
    EXPECT_NE(ErrorOf(LoadEnemyFile).find("record 2: enemy 2 stands at (0, 8)"), std::string::npos);
    // The field is cut to 16 bits: -1 is column 65535, not column -1.
    EnemyList->Clear();
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, -1, 0));
    EXPECT_NE(ErrorOf(LoadEnemyFile).find("record 1: enemy 1 stands at (65535, 0)"),
              std::string::npos);
}

TEST_F(CombatFilesTest, EnemyTypeZeroIsRefusedNamingTheRecord) {
    WriteFile("Data/Gegner/Gegner.txt", Enemy(1, 1, 0, 3, 4) + Enemy(2, 0, 0, 3, 4));
    EXPECT_EQ(ErrorOf(LoadEnemyFile),
              "Data/Gegner/Gegner.txt, record 2: enemy type 0 does not exist; types count from 1 "
              "(blocks of Data/Gegner/GegnerTyp.txt)");
    EnemyList->Clear();
    WriteFile("Data/Gegner/Gegner.txt", "");
    EXPECT_EQ(ErrorOf(LoadEnemyFile),
              "Data/Gegner/Gegner.txt: no records (the file is empty or blank)");
}

TEST_F(CombatFilesTest, BowMustFlyOneTileAFrame) {
    Png("Grafik/Icons/Bogen.png", 40, 40);
    auto bow = [](const std::string& speed) {
        return "1\n7\nBogen\nSchiessen\n4\n8\n8\n" + speed + "\n900\n1100\n\nSehne\n----\n";
    };
    for (const char* speed : {"0", "0.5", "1.5", "2", "-1", "1e9", "schnell"}) {
        WeaponList->Clear();
        WriteFile("Data/Items/Waffen.txt", bow(speed));
        EXPECT_EQ(ErrorOf(LoadWeaponFile), std::string("Data/Items/Waffen.txt, record 1: bow Bogen "
                                                       "has speed \"") +
                                               speed + "\" (line 8); an arrow flies 1 tile a frame")
            << speed;
    }
    WeaponList->Clear();
    WriteFile("Data/Items/Waffen.txt", bow("1"));
    EXPECT_EQ(ErrorOf(LoadWeaponFile), "");
}

TEST_F(CombatFilesTest, WeaponsCountTheirStrips) {
    Png("Grafik/Kampfanimationen/Hieb_anim1.png", 480, 96);
    Png("Grafik/Kampfanimationen/Hieb_anim2.png", 500, 96);
    Png("Grafik/Icons/Schwert.png", 40, 40);
    Png("Grafik/Icons/Bogen.png", 40, 40);
    WriteFile("Data/Items/Waffen.txt",
              "1\n3\nSchwert\nLange Klinge\n5\n9\n0\n0\n700\n900\nHieb\nHieb\n----\n"
              "2\n7\nBogen\nSchiessen\n4\n8\n8\n1.0\n900\n1100\n\nSehne\n----\n");
    LoadWeaponFile();
    std::vector<TWaffe*> w = WeaponList->ToVector();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0]->ImageAnzahl, 2);
    EXPECT_EQ(w[0]->FrameAnzahl, 5); // 480 / 96
    EXPECT_EQ(ImageFramesOf(w[0]->Image[1]), 5);
    EXPECT_EQ(w[0]->Dauer, 120);
    EXPECT_EQ(w[1]->ImageAnzahl, 0);
    EXPECT_EQ(w[1]->FrameAnzahl, 0);
    EXPECT_TRUE(w[1]->Image.empty());
    EXPECT_FLOAT_EQ(w[1]->Geschwindigkeit, 1.0f);
    EXPECT_EQ(ChannelIsPlaying(w[0]->SoundChannel), 0); // prepared, paused
    EXPECT_EQ(CurrentWeapon, nullptr);
}

TEST_F(CombatFilesTest, SpellsCutManaToAByteAndStartCharged) {
    Png("Grafik/Kampfanimationen/Funke_anim.png", 576, 96);
    Png("Grafik/Icons/Funke.png", 40, 40);
    WriteFile("Data/Items/Zauber.txt",
              "1\nFunke\nKampfmagie\nFeuerschaden\nFernkampf\n3\n3\n8\n14\n0\n300\n8\n0.5\n10\n"
              "2500\n3000\nFunke\nFunke\nFunke\n120\n----\n");
    LoadSpellFile();
    TZauber* z = SpellList->First();
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->BenoetigteMP, 44);
    EXPECT_EQ(z->FrameAnzahl, 6);
    EXPECT_FLOAT_EQ(z->Ladung, 10);
    EXPECT_NE(z->ImageSchuss, nullptr);
    EXPECT_EQ(CurrentSpell, nullptr);
}

TEST_F(CombatFilesTest, SummonedMonsterFromItsBlock) {
    Png("Grafik/Gegner/Gegner6.png", 216, 384);
    WriteFile("Data/NPCs/BeschworenesMonster.txt", "# 1\n6\n0\nGeist\n40\n4\n8\n2\n6\n4\n30000\n");
    SummonedMonster = new TGegner;
    LoadSummonedMonster(1);
    LoadSummonWeapon(1);
    EXPECT_EQ(SummonedMonster->Name, u"Geist");
    EXPECT_FLOAT_EQ(SummonedMonster->HP, 40);
    EXPECT_EQ(SummonedMonster->ExistDauer, 30000);
    EXPECT_EQ(SummonedMonster->Exist, 0);
    ASSERT_NE(SummonedMonster->Attacke, nullptr);
    EXPECT_EQ(SummonedMonster->Attacke->Name, u"Biss");
}
