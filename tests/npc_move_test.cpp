// NPCs wandering in their rectangles.
#include "test_support.h"

#include <set>

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
    n->MoveStart = Millis() - 5000; // a step would be due at once
    Frame(600);
    EXPECT_EQ(n->px, 10);
    EXPECT_EQ(n->py, 10);
    EXPECT_EQ(n->aa, 0);
    // The same NPC set wandering walks off within the same time.
    n->Zufall = 1;
    Frame(600);
    EXPECT_TRUE(n->px != 10 || n->py != 10 || n->aa != 0);
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
    EXPECT_EQ(n->aa, 0);
    // One tile more to the right, and within the same time it steps there.
    n->x2 = 11;
    int guard = 0;
    while (n->px == 10 && guard++ < 60 * 30) Frame();
    EXPECT_EQ(n->px, 11);
    EXPECT_EQ(n->py, 10);
}

TEST_F(NpcMoveTest, NeverStepsIntoThePlayersRowOrColumn) {
    // The player stands inside the rectangle: neither his row nor his
    // column is ever entered, though the NPC roams the rest of it.
    Player->px = 12;
    Player->py = 8;
    n->MoveStart = Millis() - 5000;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 60 * 240; ++i) {
        Frame();
        ASSERT_NE((int)n->px, 12);
        ASSERT_NE((int)n->py, 8);
        seen.insert({(int)n->px, (int)n->py});
    }
    // It does move: several tiles of its corner were visited.
    EXPECT_GT(seen.size(), 5u);
}

TEST_F(NpcMoveTest, KeepsToTheMapAtAllFourEdges) {
    // A rectangle larger than the map: the NPC reaches row and column 0 but
    // never the last row or column (MapWidth, MapHeight).
    n->x1 = -5, n->x2 = MapWidth + 5, n->y1 = -5, n->y2 = MapHeight + 5;
    Player->px = 100; // off the map: no row or column barred
    Player->py = 100;
    Put(MapWidth - 2, MapHeight - 2);
    n->MoveStart = Millis() - 5000;
    int maxX = 0, maxY = 0;
    for (int i = 0; i < 60 * 400; ++i) {
        Frame();
        ASSERT_LT((int)n->px, MapWidth);
        ASSERT_LT((int)n->py, MapHeight);
        maxX = std::max(maxX, (int)n->px);
        maxY = std::max(maxY, (int)n->py);
    }
    EXPECT_EQ(maxX, MapWidth - 1);
    EXPECT_EQ(maxY, MapHeight - 1);
    n->aa = 0; // picked up and put down elsewhere
    n->xo = 0;
    Put(1, 1);
    int minX = 99, minY = 99;
    for (int i = 0; i < 60 * 400; ++i) {
        Frame();
        ASSERT_GE((int)n->px, 0);
        ASSERT_GE((int)n->py, 0);
        minX = std::min(minX, (int)n->px);
        minY = std::min(minY, (int)n->py);
    }
    EXPECT_EQ(minX, 0);
    EXPECT_EQ(minY, 0);
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
