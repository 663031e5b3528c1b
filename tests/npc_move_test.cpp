// NPCs wandering in their rectangles.
#include "test_support.h"

#include "story/story.h"
#include "world/world.h"

namespace {
class NpcMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        SetVirtualMillis(200000);
        SeedRandom(1234);
        CreateMap(29, 19);
        Player = new TCharakter;
        Player->px = 2;
        Player->py = 2;
        n = new TCharakter;
        n->Zufall = 1;
        n->Geschwindigkeit = 4;
        Put(10, 10);
        n->x1 = 5, n->x2 = 15, n->y1 = 5, n->y2 = 15;
    }
    void Put(int x, int y) {
        n->px = (float)x;
        n->py = (float)y;
        n->ppx = x * 48;
        n->ppy = y * 48;
    }
    // One frame: mark the NPC's tile as the main loop does, then move it.
    void Frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            MapTiles((int)n->px, (int)n->py, 2) = 1;
            MoveNpc(n);
            SetVirtualMillis(Millis() + 16);
        }
    }
    TCharakter* n = nullptr;
};
} // namespace

TEST_F(NpcMoveTest, StepOfSpeedFourTakesTwelveFrames) {
    n->MoveStart = Millis() - 5000; // due at once
    int frames = 0;
    while (n->aa == 0 && frames < 200) Frame(), ++frames;
    ASSERT_EQ(n->aa, 1);
    int fromX = n->ppx / 48, fromY = n->ppy / 48;
    int steps = 0;
    while (n->aa == 1 && steps < 100) {
        EXPECT_EQ(MapTiles(fromX, fromY, 2), 1) << "old tile freed early";
        Frame();
        ++steps;
    }
    EXPECT_EQ(steps, 12);
    EXPECT_EQ(n->ppx, (int)n->px * 48);
    EXPECT_EQ(n->ppy, (int)n->py * 48);
    EXPECT_EQ(MapTiles(fromX, fromY, 2), 0);
}

TEST_F(NpcMoveTest, StandingNpcNeverMoves) {
    n->Zufall = 0;
    Frame(600);
    EXPECT_EQ(n->px, 10);
    EXPECT_EQ(n->py, 10);
    EXPECT_EQ(n->aa, 0);
}

TEST_F(NpcMoveTest, StaysInsideRectangleAndOffPlayersLines) {
    Player->px = 12;
    Player->py = 20; // far below, but column 12 is barred
    for (int i = 0; i < 60 * 120; ++i) {
        Frame();
        ASSERT_GE(n->px, n->x1);
        ASSERT_LE(n->px, n->x2);
        ASSERT_GE(n->py, n->y1);
        ASSERT_LE(n->py, n->y2);
        ASSERT_NE((int)n->px, 12);
    }
}

TEST_F(NpcMoveTest, SingleTileRectangleKeepsItInPlace) {
    n->x1 = n->x2 = 10;
    n->y1 = n->y2 = 10;
    Frame(60 * 30);
    EXPECT_EQ(n->px, 10);
    EXPECT_EQ(n->py, 10);
}

TEST_F(NpcMoveTest, WalksThroughTheWalkingFrames) {
    n->MoveStart = Millis() - 5000;
    std::vector<int> seen;
    for (int i = 0; i < 60 * 10; ++i) {
        Frame();
        if (seen.empty() || seen.back() != n->Frame) seen.push_back(n->Frame);
    }
    // Standing frame 1, walking shows 0 and 2 too.
    EXPECT_NE(std::find(seen.begin(), seen.end(), 0), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), 1), seen.end());
}
