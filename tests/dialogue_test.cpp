// The dialogue box's answers: "Ja" and "Nein" lead to their own events, a
// merchant's question can be answered both ways, and leaving for the trade
// window never leaves a question pending.
#include "test_support.h"

#include "combat/combat.h"
#include "data/assets.h"
#include "shell/shell.h"
#include "story/story.h"

namespace {
class DialogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        n = new TCharakter;
        n->Name = u"Prüfer";
        n->FaceImage = ImgBox;
        // One page of five lines that asks a question.
        for (int i = 1; i <= 5; ++i) n->Sprech[i] = u"Zeile";
        n->AnzahlZeilen = 5;
        n->EffektList->AddLast(u"Ja/Nein");
        Player->SFrame = kFaceDown;
        DialogueOpen = 1;
        DialoguePageDone = 1; // the page is typed out
        for (auto& t : DialogueTyped) t = 5;
    }
    // The answer boxes: "Ja" left of "Nein", both at the right screen edge.
    static void ClickBox(int fromRight) {
        int w4 = ImageWidthOf(ImgRahmen4), h4 = ImageHeightOf(ImgRahmen4);
        int top4 = ScreenHeight() - ImageHeightOf(ImgRahmen) - h4;
        MouseX = (uint16_t)(ScreenWidth() - fromRight * w4 + w4 / 2);
        MouseY = (uint16_t)(top4 + h4 / 2);
        MouseClicked = 1;
    }
    TCharakter* n = nullptr;
};
} // namespace

TEST_F(DialogueTest, JaAndNeinLeadToTheirOwnAnswers) {
    ClickBox(2);
    NpcDialogue(n);
    EXPECT_EQ(DialogueChoice, 2);
    EXPECT_EQ(n->EreignisAnhang, u"Ja");
    EXPECT_EQ(n->Ereignis, 2);

    n->Ereignis = 1;
    n->EreignisAnhang.clear();
    DialoguePageDone = 1;
    DialogueOpen = 1;
    ClickBox(1);
    NpcDialogue(n);
    EXPECT_EQ(DialogueChoice, 3);
    EXPECT_EQ(n->EreignisAnhang, u"Nein");
}

TEST_F(DialogueTest, MerchantQuestionCanBeAnsweredNein) {
    n->Handeln = 1;
    ClickBox(1); // where "Handeln" sits on other pages
    NpcDialogue(n);
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(DialogueChoice, 3);
    EXPECT_EQ(n->EreignisAnhang, u"Nein");
}

TEST_F(DialogueTest, HandelnOnAnOrdinaryPageOpensTradeAndSettlesNothingPending) {
    n->Handeln = 1;
    n->EffektList->Clear();
    n->AnzahlZeilen = 10; // a page that is not the last
    DialogueChoice = 0;   // as if a question had been left open
    ClickBox(1);
    NpcDialogue(n);
    EXPECT_EQ(TradeOpen, 1);
    EXPECT_EQ(DialogueOpen, 0);
    EXPECT_EQ(DialogueChoice, 1);
}

TEST_F(DialogueTest, NpcTurnsToFaceThePlayer) {
    const struct {
        uint8_t player, npc;
    } cases[] = {{kFaceUp, kFaceDown}, {kFaceDown, kFaceUp}, {kFaceLeft, kFaceRight},
                 {kFaceRight, kFaceLeft}};
    for (auto c : cases) {
        Player->SFrame = c.player;
        n->SFrame = 99;
        NpcDialogue(n);
        EXPECT_EQ(n->SFrame, c.npc) << "player facing " << (int)c.player;
    }
}

TEST(HostileNpc, StaysAnNpcWithoutAnEnemyTwin) {
    testsupport::FreshWorld();
    auto* lone = new TCharakter;
    lone->Name = u"Einsam";
    NpcList->AddLast(lone);
    TurnNpcHostile(lone);
    EXPECT_EQ(NpcList->Count(), 1);

    auto* twin = new TGegner;
    twin->Name = u"Einsam";
    twin->NPC = 1;
    EnemyList->AddLast(twin);
    TurnNpcHostile(lone);
    EXPECT_EQ(NpcList->Count(), 0);
    EXPECT_EQ(twin->NPC, 0);
}
