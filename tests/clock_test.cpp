// The game clock: minutes, day change, phases and the daylight level.
#include "test_support.h"

#include "shell/shell.h"
#include "world/world.h"

namespace {
class ClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        SetVirtualMillis(50000);
        ClockMinutes = 960;
        GameDay = 1;
        DayPhase = 0;
        DaylightLevel = 255;
        ClockTickTime = DaylightTickTime = Millis();
    }
    // Advances the clock once per 60 Hz frame for ms of game time.
    static void Run(int ms) {
        for (int t = 0; t < ms; t += 16) {
            SetVirtualMillis(Millis() + 16);
            AdvanceClock();
        }
    }
};
} // namespace

TEST_F(ClockTest, OneMinutePer1600Ms) {
    SetVirtualMillis(Millis() + 1599);
    AdvanceClock();
    EXPECT_EQ(ClockMinutes, 960);
    SetVirtualMillis(Millis() + 1);
    AdvanceClock();
    EXPECT_EQ(ClockMinutes, 961);
    EXPECT_EQ(ClockHour, 16);
}

TEST_F(ClockTest, MidnightStartsTheNextDay) {
    ClockMinutes = 1439;
    SetVirtualMillis(Millis() + 1600);
    AdvanceClock();
    EXPECT_EQ(ClockMinutes, 0);
    EXPECT_EQ(GameDay, 2);
    EXPECT_EQ(ClockHour, 0);
}

TEST_F(ClockTest, PhaseBoundsLaterTestWins) {
    ClockMinutes = 1320;
    AdvanceClock();
    EXPECT_EQ(DayPhase, 1);
    ClockMinutes = 230;
    AdvanceClock();
    EXPECT_EQ(DayPhase, 2);
    ClockMinutes = 1321;
    AdvanceClock();
    EXPECT_EQ(DayPhase, 0);
    ClockMinutes = 700; // keeps the phase it had
    AdvanceClock();
    EXPECT_EQ(DayPhase, 0);
}

TEST_F(ClockTest, DuskDarkensToFiftyAndDawnBrightens) {
    ClockMinutes = 1100;
    Run(1600 * 300);
    EXPECT_EQ(DaylightLevel, 50);
    ClockMinutes = 300;
    Run(1600 * 10);
    EXPECT_GE(DaylightLevel, 58);
    EXPECT_LE(DaylightLevel, 61);
}

TEST_F(ClockTest, LongPauseAdvancesOnlyOneMinute) {
    SetVirtualMillis(Millis() + 600000); // a window was open for ten minutes
    AdvanceClock();
    EXPECT_EQ(ClockMinutes, 961);
}

TEST_F(ClockTest, TintOnlyOnTheHomeMap) {
    DaylightLevel = 80;
    CurrentMapName = u"TestMap";
    SetDaylightTint();
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(r, 80);
    CurrentMapName = u"Waldweg";
    SetDaylightTint();
    GetColor(r, g, b);
    EXPECT_EQ(r, 255);
    CurrentMapName = u"TestMap";
    SetColor(255, 255, 255);
}
