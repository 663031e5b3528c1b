// Walking over the blocking layer: key priority, probe points, wall stops,
// map edges, the animation and the camera.
#include "test_support.h"

#include "data/collections.h"
#include "shell/shell.h"
#include "world/world.h"

namespace {
class WalkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        FlushInput();
        SetVirtualMillis(1000);
        CreateMap(59, 44);
        if (!ContainerList) ContainerList = new TList<TBehaelter*>;
        if (!ConnectionList) ConnectionList = new TList<TVerbindung*>;
        Player = new TCharakter;
        Place(10, 10);
        Player->SFrame = 6;
        Player->Richtung = 3;
        Player->Geschwindigkeit = 3.0f;
        CameraX = 0;
        CameraY = 0;
    }
    void TearDown() override { FlushInput(); }
    static void Place(int x, int y) {
        Player->px = (float)x;
        Player->py = (float)y;
        Player->ppx = x * 48;
        Player->ppy = y * 48;
        Player->px_alt = x;
        Player->py_alt = y;
    }
    // One frame of walking: the step of the last key, then the keys.
    static void Frame(int n = 1) {
        for (int i = 0; i < n; ++i) {
            UpdatePlayer();
            SetVirtualMillis(Millis() + 16);
        }
    }
    static void Wall(int x, int y) { MapTiles(x, y, 2) = 5; }
};
} // namespace

TEST_F(WalkTest, RightWinsOverUpAndStepIsTwoFrames) {
    InjectKey(VK_RIGHT, true);
    InjectKey(VK_UP, true);
    Frame(); // the key sets the pending step
    EXPECT_EQ(Player->aa, 1);
    EXPECT_EQ(Player->Move, 4);
    EXPECT_EQ(Player->ppx, 480);
    Frame(); // the step happens, and the key asks for the next one
    EXPECT_EQ(Player->ppx, 483);
    EXPECT_EQ(Player->ppy, 480);
    Frame(10);
    EXPECT_EQ(Player->ppx, 513);
    EXPECT_EQ(Player->ppy, 480);
    EXPECT_EQ(Player->SFrame, 3);
    EXPECT_EQ(Player->Richtung, 2);
    InjectKey(VK_RIGHT, false);
    InjectKey(VK_UP, false);
    Frame(); // the pending step still happens, then he stands
    Frame(3);
    EXPECT_EQ(Player->ppx, 516);
    EXPECT_EQ(Player->aa, 0);
    EXPECT_EQ(Player->Frame, 1); // standing frame
}

TEST_F(WalkTest, WallToTheRightTurnsAndStopsNinePixelsIn) {
    Player->SFrame = 6;
    Wall(11, 10);
    InjectKey(VK_RIGHT, true);
    Frame(30);
    EXPECT_EQ(Player->SFrame, 3); // turned to face the wall
    EXPECT_EQ(Player->ppx, 480 + 9);
    EXPECT_EQ((int)Player->px, 10); // never in the wall's cell
    EXPECT_EQ(Player->aa, 0);
}

TEST_F(WalkTest, WallBelowBlocksFromAlignedPosition) {
    Wall(10, 11);
    InjectKey(VK_DOWN, true);
    Frame(30);
    EXPECT_EQ(Player->SFrame, 6);
    // The lower probes start in the own cell's bottom row and reach the wall
    // at once: no pixel is walked.
    EXPECT_EQ(Player->ppy, 480);
}

TEST_F(WalkTest, RightEdgeStopsAtSecondLastColumn) {
    Place(50, 10);
    CameraX = Player->ppx - ScreenWidth() / 2;
    InjectKey(VK_RIGHT, true);
    Frame(200);
    // The cell is the rounded pixel position: he stops once it reads the
    // second-last column, a little short of that cell's left edge.
    EXPECT_EQ((int)Player->px, MapWidth - 1);
    EXPECT_LE(Player->ppx, (MapWidth - 1) * 48);
    EXPECT_GT(Player->ppx, (MapWidth - 2) * 48 + 20);
    EXPECT_EQ(CameraX, MapWidth * 48 - ScreenWidth()); // camera clamped at the edge
}

TEST_F(WalkTest, LeftAndTopEdgesStopAtZero) {
    Place(2, 2);
    InjectKey(VK_LEFT, true);
    Frame(100);
    EXPECT_EQ((int)Player->px, 0);
    EXPECT_LE(Player->ppx, 24);
    InjectKey(VK_LEFT, false);
    Frame(2);
    InjectKey(VK_UP, true);
    Frame(100);
    EXPECT_EQ((int)Player->py, 0);
    EXPECT_LE(Player->ppy, 24);
    EXPECT_EQ(CameraX, 0);
    EXPECT_EQ(CameraY, 0);
}

TEST_F(WalkTest, CameraFollowsAndStaysInside) {
    Place(10, 22);
    CameraX = Player->ppx - 512;
    CameraY = Player->ppy - 384;
    InjectKey(VK_RIGHT, true);
    for (int i = 0; i < 400; ++i) {
        Frame();
        ASSERT_GE(CameraX, 0);
        ASSERT_LE(CameraX, MapWidth * 48 - 1024);
        ASSERT_GE(CameraY, 0);
        ASSERT_LE(CameraY, MapHeight * 48 - 768);
        // In the middle stretch the player keeps his place on the screen.
        if (Player->ppx > 600 && Player->ppx < 2200) {
            ASSERT_NEAR(Player->ppx - CameraX, 512, 3);
        }
    }
    EXPECT_GT(Player->ppx, 1600);
    InjectKey(VK_RIGHT, false);
}

TEST_F(WalkTest, MarksOwnCellAndFreesTheOldOne) {
    InjectKey(VK_DOWN, true);
    Frame(1);
    EXPECT_EQ(MapTiles(10, 10, 2), 1);
    Frame(17); // 16 steps of 3 pixels: past the middle of the next cell
    InjectKey(VK_DOWN, false);
    Frame(2);
    EXPECT_EQ((int)Player->py, 11);
    EXPECT_EQ(MapTiles(10, 11, 2), 1);
    EXPECT_EQ(MapTiles(10, 10, 2), 0);
}

TEST_F(WalkTest, WalkingFramesRunOneZeroOneTwo) {
    InjectKey(VK_DOWN, true);
    std::vector<int> frames;
    int last = -1;
    for (int i = 0; i < 60; ++i) {
        Frame();
        if (Player->Frame != last) frames.push_back(Player->Frame);
        last = Player->Frame;
    }
    InjectKey(VK_DOWN, false);
    ASSERT_GE(frames.size(), 4u);
    // The cycle 1, 0, 1, 2 repeats, one frame per 180 ms.
    std::vector<int> expect = {1, 0, 1, 2, 1};
    for (size_t i = 0; i < std::min(frames.size(), expect.size()); ++i)
        EXPECT_EQ(frames[i], expect[i]) << i;
}

TEST_F(WalkTest, OccupiedNeighbourBlocksLikeAWall) {
    MapTiles(9, 10, 2) = 1; // an NPC or a loot pile
    InjectKey(VK_LEFT, true);
    Frame(40);
    EXPECT_EQ(Player->SFrame, 9);
    EXPECT_EQ((int)Player->px, 10);
    EXPECT_GE(Player->ppx, 480 - 9);
}

TEST_F(WalkTest, UpFromAShiftedStandUsesTheOwnCellException) {
    // Twelve pixels right of his cell's edge, the upper-left probe still
    // lies in his own (occupied) cell and the upper-right one in the free
    // cell to his right: the own-cell exception lets him walk up.
    InjectKey(VK_RIGHT, true);
    Frame(4); // a pending step, then four steps of 3 pixels
    InjectKey(VK_RIGHT, false);
    Frame(2);
    ASSERT_EQ(Player->ppx, 480 + 12);
    ASSERT_EQ((int)Player->px, 10);
    ASSERT_EQ(Player->aa, 0);
    InjectKey(VK_UP, true);
    Frame(10);
    EXPECT_EQ(Player->SFrame, 0);
    EXPECT_LT(Player->ppy, 480 - 20);
    EXPECT_EQ(Player->ppx, 480 + 12);
}

TEST_F(WalkTest, CellChangesOneStepBeforeTheMiddle) {
    // The cell is rounded from the pixel position plus one step: at speed 3
    // he enters the next cell 21 pixels (not 24) into the way, whichever
    // way he walks, as the step is always added.
    auto switchAt = [](int key) {
        int start = (int)Player->px;
        InjectKey(key, true);
        int guard = 0;
        while ((int)Player->px == start && guard++ < 60) Frame();
        InjectKey(key, false);
        int at = Player->ppx;
        Frame(3);
        return at;
    };
    EXPECT_EQ(switchAt(VK_RIGHT), 480 + 21);
    Place(10, 10);
    // Leftwards the same added step delays it: 30 pixels, not 27.
    EXPECT_EQ(switchAt(VK_LEFT), 480 - 30);
    // Down as well.
    Place(10, 10);
    InjectKey(VK_DOWN, true);
    int guard = 0;
    while ((int)Player->py == 10 && guard++ < 60) Frame();
    InjectKey(VK_DOWN, false);
    EXPECT_EQ(Player->ppy, 480 + 21);
}

TEST_F(WalkTest, CameraStopsScrollingDownOneCellBeforeTheBottom) {
    // Downwards the camera follows only while the player is more than half
    // a screen and one cell above the map's bottom.
    Place(10, 20);
    CameraX = 0;
    CameraY = Player->ppy - 384;
    InjectKey(VK_DOWN, true);
    int limit = MapHeight * 48 - 384 - 48;
    int lastCam = CameraY;
    int followed = 0;
    for (int i = 0; i < 400; ++i) {
        int before = Player->ppy;
        Frame();
        if (Player->ppy == before) continue;
        // Each step compares the new position with the bound.
        if (Player->ppy < limit && Player->ppy > 384) {
            ASSERT_EQ(CameraY, lastCam + 3) << "at ppy " << Player->ppy;
            ++followed;
        } else {
            ASSERT_EQ(CameraY, lastCam) << "at ppy " << Player->ppy;
        }
        lastCam = CameraY;
    }
    InjectKey(VK_DOWN, false);
    EXPECT_GT(followed, 100);
    EXPECT_GT(Player->ppy, limit + 48);       // he walked on to the bottom
    EXPECT_EQ(CameraY, limit - 3 - 384);      // from his last step below the bound
    EXPECT_LT(CameraY, MapHeight * 48 - 768); // short of the clamp
}
