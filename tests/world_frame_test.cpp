// Whole frames of the real game: small maps, daylight on other maps, and
// windows that stop the world.
#include "test_support.h"

#include "data/collections.h"
#include "shell/shell.h"
#include "world/world.h"
#include "data/geometry.h"

namespace {
class WorldFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(testsupport::FreshGame(), ""); }
    static double Brightness() {
        Pixmap pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight() - 100);
        double sum = 0;
        for (size_t i = 0; i < pm.rgba.size(); i += 4)
            sum += pm.rgba[i] + pm.rgba[i + 1] + pm.rgba[i + 2];
        double n = pm.rgba.size() / 4.0 * 3.0;
        return sum / n;
    }
};
} // namespace

TEST_F(WorldFrameTest, MapSmallerThanScreenKeepsCameraAtOrigin) {
    std::string m = std::string{9, 0, 5, 0} + std::string(10 * 6 * 12, '\0');
    testsupport::WriteFile("Data/Maps/Klein.Map", m);
    ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
    LoadMap(u"Klein");
    CurrentMapName = u"Klein";
    for (int i = 0; i < 3; ++i) RunFrame();
    EXPECT_EQ(CameraX, 0);
    EXPECT_EQ(CameraY, 0);
}

TEST_F(WorldFrameTest, NightDarkensOnlyTheHomeMap) {
    DaylightLevel = 255;
    DayPhase = 0;
    ClockMinutes = 700;
    RunFrame();
    double day = Brightness();
    DaylightLevel = 50;
    ClockMinutes = 1300; // dusk: the level stays at its floor
    RunFrame();
    double night = Brightness();
    EXPECT_LT(night, day * 0.4);
    LoadMap(u"Waldweg");
    CurrentMapName = u"Waldweg";
    RunFrame();
    RunFrame();
    double forest = Brightness();
    EXPECT_GT(forest, night * 2); // full brightness at night away from home
}

TEST_F(WorldFrameTest, EnemyInFrontOfThePlayerKeepsItsHitFlash) {
    TGegner* e = nullptr;
    for (TGegner* g : *EnemyList)
        if (g->NPC == 0 && g->Exist == 1 && g->Image) e = g;
    ASSERT_TRUE(e);
    int px = (int)Player->px, py = (int)Player->py;
    e->MapName = CurrentMapName;
    e->px = px;
    e->py = py + 1; // in front of the player: drawn again after him
    e->ppx = e->px * kCell;
    e->ppy = e->py * kCell;
    // The enemy's cell and the one above it, drawn without and with a hit.
    auto render = [&](bool hit) {
        e->Angegriffen = hit ? 1 : 0;
        e->EffektVar = hit ? 1 : 0;
        ClearScreen();
        DrawWorld();
        return GrabScreenRect(e->ppx - CameraX - kFigureDX, e->ppy - CameraY - kFigureDY, 72, 96);
    };
    Pixmap plain = render(false), flash = render(true);
    int changed = 0, green = 0;
    for (size_t i = 0; i < plain.rgba.size(); i += 4) {
        if (plain.rgba[i] == flash.rgba[i] && plain.rgba[i + 1] == flash.rgba[i + 1]) continue;
        ++changed;
        green += flash.rgba[i + 1] > 8;
    }
    // The figure turns red: many pixels change, and none keeps its green.
    EXPECT_GT(changed, 300);
    EXPECT_EQ(green, 0);
}
