// Quests on small quest files written by the tests: loading and steps,
// starting, conditions, actions and the journal they write.
#include "test_support.h"

#include "data/assets.h"
#include "data/clock_state.h"
#include "data/inventory_ops.h"
#include "data/loaders.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/ui.h"

#include <filesystem>

namespace {
// One task as the quest file holds it: type byte, kind line, two u16.
std::string Task(int typ, const std::string& art, int x = 0, int y = 0) {
    std::string s(1, (char)typ);
    s += art + "\n";
    s += (char)(x & 255);
    s += (char)(x >> 8);
    s += (char)(y & 255);
    s += (char)(y >> 8);
    return s;
}

std::string Quest(const std::string& name, const std::string& start, const std::string& tasks) {
    return name + "\n\n\n" + start + tasks;
}

std::string TalkStart(int npc, int event) {
    return Task(1, "rede mit NPC", npc, event);
}

class QuestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        dir = testsupport::ScratchDir() / ("quests-" + std::to_string(++serial));
        std::filesystem::create_directories(dir / "Data" / "Quests");
        std::filesystem::create_directories(dir / "Data" / "Tagebuch");
    }
    void TearDown() override { ChangeDirectory(testsupport::GameDir()); }
    void WriteQuest(int n, const std::string& bytes) {
        WriteWholeFile((dir / "Data" / "Quests" / ("Quest" + std::to_string(n) + ".vsq")).string(),
                       bytes);
    }
    void WriteJournal(int n, const std::string& text) {
        WriteWholeFile((dir / "Data" / "Tagebuch" / (std::to_string(n) + ".vst")).string(), text);
    }
    // Replaces the game's quests with those written so far. Journal texts
    // the game folder has (1 to 4) and the speech are copied along for the
    // start-up checks.
    void Load() {
        std::filesystem::copy(std::filesystem::path(testsupport::GameDir()) / "NPC-Sprech",
                              dir / "NPC-Sprech",
                              std::filesystem::copy_options::skip_existing |
                                  std::filesystem::copy_options::recursive);
        for (int n = 1; n <= 4; ++n)
            if (!std::filesystem::exists(dir / "Data" / "Tagebuch" / (std::to_string(n) + ".vst")))
                std::filesystem::copy_file(std::filesystem::path(testsupport::GameDir()) / "Data" /
                                               "Tagebuch" / (std::to_string(n) + ".vst"),
                                           dir / "Data" / "Tagebuch" /
                                               (std::to_string(n) + ".vst"));
        QuestBook->Clear();
        ASSERT_TRUE(ChangeDirectory(dir.string()));
        LoadQuests();
        ASSERT_TRUE(ChangeDirectory(testsupport::GameDir()));
    }
    TQuest* QuestNo(int i) { return QuestBook->ToVector().at(i); }
    TCharakter* Npc(uint16_t id) {
        for (TCharakter* n : *NpcList)
            if (n->ID == id) return n;
        return nullptr;
    }
    // A quest already under way at step 1.
    TQuest* Started(const std::string& tasks) {
        WriteQuest(1, Quest("Probe", TalkStart(4, 9), tasks));
        Load();
        QuestNo(0)->GeschafftVar = 1;
        return QuestNo(0);
    }
    int Units(uint16_t id) {
        int n = 0;
        for (int j = 0; j < kInvRows; ++j)
            for (int i = 0; i < kInvCols; ++i)
                if (InventoryGrid[i][j]->ID == id) n += InventoryGrid[i][j]->Anzahl;
        return n;
    }
    std::filesystem::path dir;
    static inline int serial = 0;
};
} // namespace

TEST_F(QuestTest, LoadingNumbersTheQuestsAndTheirSteps) {
    WriteQuest(1, Quest("Erste", TalkStart(4, 1),
                        Task(2, "Tagebucheintrag", 1) + Task(2, "NPC Ereignis", 5, 2) +
                            Task(1, "toete Gruppe", 3) + Task(2, "Item bekommen", 0, 50) +
                            Task(1, "Item besitzen", 20, 2) + Task(2, "Quest abgeschlossen")));
    // Only the three header lines and the start task: no further tasks.
    WriteQuest(2, Quest("Zweite", TalkStart(5, 1), ""));
    // A gap ends the family: Quest4 is never read.
    WriteQuest(4, Quest("Vierte", TalkStart(6, 1), ""));
    Load();
    ASSERT_EQ(QuestBook->Count(), 2);
    TQuest* q = QuestNo(0);
    EXPECT_EQ(q->ID, 1);
    EXPECT_EQ(q->Name, u"Erste");
    ASSERT_EQ(q->StartList->Count(), 1);
    EXPECT_EQ(q->StartList->First()->Art, u"rede mit NPC");
    EXPECT_EQ(q->StartList->First()->ParamX, 4);
    std::vector<int> steps;
    for (TAufgabe* t : *q->QuestList) steps.push_back(t->GeschafftVar);
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(q->QuestList->ToVector()[3]->ParamY, 50);
    EXPECT_EQ(QuestNo(1)->ID, 2);
    EXPECT_EQ(QuestNo(1)->QuestList->Count(), 0);
}

TEST_F(QuestTest, AFileEndingInsideATaskStopsTheGameNamingTheTask) {
    std::string bytes = Quest("Kaputt", TalkStart(4, 1), Task(2, "Tagebucheintrag", 1));
    WriteQuest(1, bytes.substr(0, bytes.size() - 1));
    try {
        Load();
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Quests/Quest1.vsq");
        EXPECT_NE(e.reason.find("task 1"), std::string::npos) << e.reason;
    }
}

TEST_F(QuestTest, TalkingToTheStartNpcStartsTheQuestAndUsesUpTheConversation) {
    // The step condition asks for the very same conversation: it must not
    // be met by it in the frame the quest starts.
    WriteQuest(1, Quest("Start", TalkStart(4, 1),
                        Task(1, "rede mit NPC", 4, 1) + Task(2, "Item bekommen", 0, 7)));
    Load();
    TCharakter* runa = Npc(4);
    ASSERT_NE(runa, nullptr);
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 0) << "started before the conversation ended";
    runa->Geredet = 1; // the conversation in event 1 has ended
    int gold = Gold;
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 1);
    EXPECT_EQ(runa->Geredet, 0);
    EXPECT_EQ(Gold, gold);
    // A conversation in another event does not start a quest.
    WriteQuest(1, Quest("Start", TalkStart(4, 2), ""));
    Load();
    runa->Geredet = 1;
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 0);
    EXPECT_EQ(runa->Geredet, 1);
}

TEST_F(QuestTest, StartTasksOfOtherKindsNeverStartAQuest) {
    WriteQuest(1, Quest("Nie", Task(1, "toete Gruppe", 3), ""));
    Load();
    for (TGegner* e : *EnemyList) e->Exist = 0;
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 0);
}

TEST_F(QuestTest, ItemsGivenBeforeTheQuestEndsArriveExactlyOnce) {
    ASSERT_EQ(Units(20), 0);
    TQuest* q = Started(Task(2, "Item bekommen", 20, 2) + Task(2, "Quest abgeschlossen"));
    for (int f = 0; f < 3; ++f) UpdateQuests();
    EXPECT_EQ(Units(20), 2);
    EXPECT_EQ(q->Abgeschlossen, 1);
    EXPECT_EQ(q->GeschafftVar, 1);
}

TEST_F(QuestTest, GoldWithoutAnEndIsGivenEveryFrameUntilAConditionMovesOn) {
    TQuest* q = Started(Task(2, "Item bekommen", 0, 50) + Task(1, "toete Gegner", 7) +
            Task(2, "Item entfernen", 0, 5));
    int gold = Gold;
    for (int f = 0; f < 3; ++f) UpdateQuests();
    EXPECT_EQ(Gold, gold + 150);
    for (TGegner* e : *EnemyList)
        if (e->ID == 7) e->Exist = 0;
    // In list order: step 1's gold still comes in the frame the condition
    // is met, before the condition; step 2's action follows it at once.
    UpdateQuests();
    EXPECT_EQ(q->GeschafftVar, 2);
    EXPECT_EQ(Gold, gold + 200 - 5);
    UpdateQuests();
    EXPECT_EQ(Gold, gold + 200 - 10);
}

TEST_F(QuestTest, TakingItemsEmptiesTheFirstCellThatHoldsEnoughAndTakesOffWhatItHeld) {
    // Three potions in (1, 1); a second stack of five further down.
    InventoryGrid[0][4]->ID = 11;
    InventoryGrid[0][4]->Anzahl = 5;
    LoadInventoryItem(11, 0, 4);
    ASSERT_EQ(InventoryGrid[1][1]->ID, 11);
    ASSERT_EQ(InventoryGrid[1][1]->Anzahl, 3);
    TQuest* q = Started(Task(2, "Item entfernen", 11, 4) + Task(2, "Quest abgeschlossen"));
    UpdateQuests();
    EXPECT_EQ(q->Abgeschlossen, 1);
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 3);
    EXPECT_EQ(InventoryGrid[0][4]->Anzahl, 1);
    // Too few units anywhere: nothing is taken.
    EXPECT_FALSE(RemoveInventoryItem(11, 9));
    EXPECT_EQ(Units(11), 4);
    // The wielded sword, taken whole: the cell empties and the hand too.
    EquipWeaponById(3);
    CurrentWeapon = FindWeaponByItemId(3);
    ASSERT_EQ(InventoryGrid[0][0]->Aktiv, 1);
    EXPECT_TRUE(RemoveInventoryItem(3, 1));
    EXPECT_EQ(InventoryGrid[0][0]->ID, 0);
    EXPECT_EQ(InventoryGrid[0][0]->Aktiv, 0);
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(CurrentWeapon, nullptr);
}

TEST_F(QuestTest, AGroupIsBeatenOnlyWhenNoneOfItIsLeft) {
    TQuest* q = Started(Task(1, "toete Gruppe", 5) + Task(2, "Item bekommen", 0, 1));
    std::vector<TGegner*> group;
    // Only the test's three enemies are of group 5.
    for (TGegner* e : *EnemyList) e->Gruppe = 0;
    for (int k = 0; k < 3; ++k) {
        TGegner* e = new TGegner;
        e->Gruppe = 5;
        e->Exist = k == 0 ? 0 : 1;
        EnemyList->AddLast(e);
        group.push_back(e);
    }
    JournalGuard = 1;
    UpdateQuests();
    EXPECT_EQ(q->GeschafftVar, 1);
    EXPECT_EQ(JournalGuard, 1);
    group[1]->Exist = 0;
    group[2]->Exist = 0;
    UpdateQuests();
    EXPECT_EQ(q->GeschafftVar, 2);
    EXPECT_EQ(JournalGuard, 0);
}

TEST_F(QuestTest, TheLastConditionMetInListOrderDecidesTheStep) {
    InventoryGrid[5][4]->ID = 20;
    InventoryGrid[5][4]->Anzahl = 2;
    // Both first conditions are met (the second with exactly the count
    // asked for), the third is not.
    TQuest* q = Started(Task(1, "toete Gruppe", 3) + Task(1, "Item besitzen", 20, 2) +
                        Task(1, "Item besitzen", 20, 3));
    for (TGegner* e : *EnemyList)
        if (e->Gruppe == 3) e->Exist = 0;
    UpdateQuests();
    EXPECT_EQ(q->GeschafftVar, 3);
    // A quest of header and start task only stays at step 1.
    WriteQuest(1, Quest("Leer", TalkStart(4, 9), ""));
    Load();
    QuestNo(0)->GeschafftVar = 1;
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 1);
}

TEST_F(QuestTest, NpcActionsMoveEventsAndTurnNpcsHostile) {
    Started(Task(2, "NPC Ereignis", 5, 3) + Task(2, "NPC feindlich", 7));
    UpdateQuests();
    EXPECT_EQ(Npc(5)->Ereignis, 3);
    EXPECT_EQ(Npc(7)->Feindlich, 1);
    EXPECT_EQ(Npc(6)->Feindlich, 0);
}

TEST_F(QuestTest, OneJournalEntryAStepAndNoneWhenTheQuestStartsAfterAnother) {
    ClockMinutes = 965;
    ClockHour = 16;
    GameDay = 3;
    TQuest* q = Started(Task(2, "Tagebucheintrag", 1) + Task(2, "Tagebucheintrag", 2) +
                        Task(1, "toete Gegner", 7) + Task(2, "Tagebucheintrag", 3));
    UpdateQuests();
    UpdateQuests();
    ASSERT_EQ(JournalEntryCount, 1);
    TEintrag* e = JournalList->Last();
    EXPECT_EQ(e->ID, 1);
    EXPECT_EQ(e->QuestName, u"Probe");
    EXPECT_EQ(e->Tag, 3);
    EXPECT_EQ(e->UhrZeit, u"16 : 05 Uhr");
    EXPECT_EQ(e->Inhalt[0], u"");
    EXPECT_EQ(e->Inhalt[1].substr(0, 13), u"Wache Dietmar");
    for (TGegner* g : *EnemyList)
        if (g->ID == 7) g->Exist = 0;
    UpdateQuests();
    EXPECT_EQ(JournalEntryCount, 2);
    EXPECT_EQ(q->GeschafftVar, 2);
    // A second quest starting now finds the guard set: its step-1 entry
    // waits until some step condition is met.
    WriteQuest(1, Quest("Zweite", TalkStart(4, 1), Task(2, "Tagebucheintrag", 4)));
    Load();
    Npc(4)->Geredet = 1;
    UpdateQuests();
    EXPECT_EQ(QuestNo(0)->GeschafftVar, 1);
    EXPECT_EQ(JournalEntryCount, 2);
}

// An item kept in the pack meets its condition on every frame: the entry of
// its step is written once, and so is another quest's, until a condition
// moves some quest to another step.
TEST_F(QuestTest, AConditionThatStaysMetWritesItsEntryOnce) {
    WriteQuest(1, Quest("Andere", TalkStart(4, 9), Task(2, "Tagebucheintrag", 1)));
    WriteQuest(2, Quest("Erz", TalkStart(4, 9),
                        Task(1, "Item besitzen", 20, 2) + Task(2, "Tagebucheintrag", 2) +
                            Task(1, "toete Gegner", 7) + Task(2, "Tagebucheintrag", 3)));
    Load();
    QuestNo(0)->GeschafftVar = 1;
    QuestNo(1)->GeschafftVar = 1;
    UpdateQuests();
    ASSERT_EQ(JournalEntryCount, 1);
    InventoryGrid[5][4]->ID = 20;
    InventoryGrid[5][4]->Anzahl = 2;
    for (int frame = 0; frame < 5; ++frame) UpdateQuests();
    EXPECT_EQ(QuestNo(1)->GeschafftVar, 2);
    EXPECT_EQ(JournalEntryCount, 2);
    EXPECT_EQ(JournalGuard, 1);
    // The next step still frees the journal for its own entry.
    for (TGegner* g : *EnemyList)
        if (g->ID == 7) g->Exist = 0;
    UpdateQuests();
    EXPECT_EQ(QuestNo(1)->GeschafftVar, 3);
    EXPECT_EQ(JournalEntryCount, 3);
    UpdateQuests();
    EXPECT_EQ(JournalEntryCount, 3);
}

TEST_F(QuestTest, TheClockTextWritesTheMinutesZeroItself) {
    auto at = [](int minutes) {
        ClockMinutes = (uint16_t)minutes;
        ClockHour = (uint8_t)(minutes / 60);
        return ClockText();
    };
    EXPECT_EQ(at(965), u"16 : 05 Uhr");
    EXPECT_EQ(at(990), u"16 : 30 Uhr");
    EXPECT_EQ(at(485), u"8 : 05 Uhr");
    EXPECT_EQ(at(0), u"0 : 00 Uhr");
    EXPECT_EQ(at(1439), u"23 : 59 Uhr");
}

TEST_F(QuestTest, AJournalTextThatDoesNotFitAPageOrIsMissingStopsTheStart) {
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "Eine Zeile des Tagebuchs, die nicht enden will.\n";
    WriteJournal(9, longText);
    WriteQuest(1, Quest("Lang", TalkStart(4, 1), Task(2, "Tagebucheintrag", 9)));
    try {
        Load();
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Tagebuch/9.vst");
        EXPECT_NE(e.reason.find("at most 24"), std::string::npos) << e.reason;
    }
    WriteQuest(1, Quest("Fehlt", TalkStart(4, 1), Task(2, "Tagebucheintrag", 8)));
    try {
        Load();
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Tagebuch/8.vst");
    }
    // The check leaves the wrapper's probe as it found it.
    WrapProbe = 37;
    WriteQuest(1, Quest("Gut", TalkStart(4, 1), Task(2, "Tagebucheintrag", 1)));
    Load();
    EXPECT_EQ(WrapProbe, 37);
}

TEST_F(QuestTest, TheJournalArrowsTurnOnlyWhereThereIsAPage) {
    int W = ScreenWidth(), H = ScreenHeight();
    int w = ImageWidthOf(ImgTagebuch), h = ImageHeightOf(ImgTagebuch);
    int B = H / 2 + h / 2;
    int lx = W / 2 - w / 2 + ImageWidthOf(ImgPfeil1) + 2;
    int rx = W / 2 + w / 2 - ImageWidthOf(ImgPfeil2) - 30 + 2;
    auto clickAt = [](int x, int y) {
        MouseX = (uint16_t)x;
        MouseY = (uint16_t)y;
        MouseClicked = 1;
        DrawJournal();
    };
    clickAt(rx, B - 18);
    clickAt(lx, B - 18);
    EXPECT_EQ(JournalPage, 0) << "an empty book turned";
    for (int n = 1; n <= 3; ++n) {
        JournalGuard = 0;
        WriteJournalEntry(n, u"Probe");
    }
    clickAt(rx, B - 18);
    EXPECT_EQ(JournalPage, 1);
    clickAt(rx, B - 18);
    EXPECT_EQ(JournalPage, 1) << "turned past the last entry";
    clickAt(lx, B - 18);
    EXPECT_EQ(JournalPage, 0);
    // Beside the arrow nothing turns.
    clickAt(rx - 5, B - 18);
    EXPECT_EQ(JournalPage, 0);
}
