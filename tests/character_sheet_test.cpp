// The character sheet: which skill the pointer picks, the size and place
// of its box, the experience bar in it, and the life bar.
#include "test_support.h"

#include "data/assets.h"
#include "data/collections.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "shell/shell.h"
#include "ui/ui.h"

#include <algorithm>

namespace {
// The sheet's picture is 640 x 600: it stands at (192, 84) on the screen.
constexpr int kT = 84;
constexpr int kColumnLeft = 512 + 25, kColumnRight = 512 + 195;
int MajorRow(int i) {
    return kT + 170 + 25 * i;
}
int MinorRow(int i) {
    return kT + 330 + 25 * i;
}

class CharacterSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        SheetOpen = 1;
    }
    static void PointAt(int x, int y) {
        MouseX = (uint16_t)x;
        MouseY = (uint16_t)y;
        ClearScreen();
        CharacterSheet();
    }
    static int RowHeight() {
        SetFont(FontChancery20);
        return FontHeight();
    }
    static uint32_t Pixel(int x, int y) { return testsupport::ScreenPixel(x, y); }
    // A description line of at least `w` pixels.
    static Str WideLine(int w) {
        SetFont(FontNarrow18);
        Str l;
        while (StringWidth(l) < w) l += u'M';
        return l;
    }
};
} // namespace

TEST_F(CharacterSheetTest, PointingAtARowDescribesThatSlotsSkill) {
    PointAt(600, MinorRow(3) + 2);
    ASSERT_EQ(TooltipShown, 1);
    EXPECT_EQ(SheetTooltipGroup, kSheetMinor);
    EXPECT_EQ(SheetTooltipEntry, 3);
    // The box measures the description of slot MinorSkills[3] in the
    // narrow font: widest line + 12, 18 pixels a line + 42.
    const TList<Str>& lines = *SkillDescriptions[MinorSkills[3]];
    SetFont(FontNarrow18);
    int widest = 0;
    for (const Str& l : lines) widest = std::max(widest, StringWidth(l));
    EXPECT_EQ(TooltipWidth, widest + 12);
    EXPECT_EQ(TooltipHeight, lines.Count() * 18 + 42);
    std::vector<Str> shown = SkillTooltipLines();
    ASSERT_EQ(shown.size(), (size_t)lines.Count() + 1);
    EXPECT_EQ(shown[0], Player->Fertigkeiten[MinorSkills[3]]->Name);
    EXPECT_EQ(shown[1], lines.First());
    EXPECT_EQ(TooltipX, 600 + ImageWidthOf(ImgMaus));
    EXPECT_EQ(TooltipY, MinorRow(3) + 2);

    // Both ends of the column count; the first major row at its top.
    PointAt(kColumnLeft, MajorRow(0));
    EXPECT_EQ(SheetTooltipGroup, kSheetMajor);
    EXPECT_EQ(SheetTooltipEntry, 0);
    EXPECT_EQ(SkillTooltipLines()[0], u"Kampfmagie");
    PointAt(kColumnRight, MajorRow(4) + 1);
    EXPECT_EQ(TooltipShown, 1);
    EXPECT_EQ(SheetTooltipEntry, 4);
}

TEST_F(CharacterSheetTest, TheBoxStaysBetweenTheListsAndGoesOffTheColumnOrTheLists) {
    int h = RowHeight();
    // Rows 25 pixels apart in a taller font overlap: the lower row wins.
    if (h > 25) {
        PointAt(600, MajorRow(1) + 1);
        EXPECT_EQ(SheetTooltipEntry, 1);
    }
    PointAt(600, MajorRow(4) + 3);
    ASSERT_EQ(SheetTooltipEntry, 4);
    // Between the two lists, under the heading of the second: row 4 stays.
    ASSERT_LT(MajorRow(4) + h + 1, MinorRow(0));
    PointAt(600, MajorRow(4) + h + 1);
    EXPECT_EQ(TooltipShown, 1);
    PointAt(600, MinorRow(0) - 2);
    EXPECT_EQ(TooltipShown, 1);
    EXPECT_EQ(SheetTooltipGroup, kSheetMajor);
    EXPECT_EQ(SheetTooltipEntry, 4);
    // Off the column on either side, above the first row, under the last.
    for (auto [x, y] : {std::pair{kColumnLeft - 1, MajorRow(2) + 3},
                        {kColumnRight + 1, MajorRow(2) + 3},
                        {600, MajorRow(0) - 1},
                        {600, MinorRow(9) + h + 1}}) {
        PointAt(600, MajorRow(2) + 3);
        ASSERT_EQ(TooltipShown, 1);
        PointAt(x, y);
        EXPECT_EQ(TooltipShown, 0) << x << "," << y;
    }
}

TEST_F(CharacterSheetTest, NearTheBottomTheBoxOpensAboveAndNearTheRightEdgeToTheLeft) {
    // A longer description makes the box of the last row reach the bottom.
    TList<Str>* lines = SkillDescriptions[MinorSkills[9]];
    for (int i = 0; i < 4; ++i) lines->AddLast(u"Zeile");
    int y = MinorRow(9) + 2;
    PointAt(600, y);
    ASSERT_EQ(TooltipShown, 1);
    ASSERT_GE(y + TooltipHeight, 768);
    EXPECT_EQ(TooltipX, 600);
    EXPECT_EQ(TooltipY, y - TooltipHeight);
    // One line too wide for the room right of the pointer as well.
    lines->AddLast(WideLine(450));
    PointAt(600, y);
    ASSERT_GE(600 + TooltipWidth, 1024);
    EXPECT_EQ(TooltipX, 600 - TooltipWidth);
    EXPECT_EQ(TooltipY, y - TooltipHeight);
    // Only too wide: beside the pointer's row, to its left.
    PointAt(600, MinorRow(0) + 2);
    lines = SkillDescriptions[MinorSkills[0]];
    lines->AddLast(WideLine(450));
    PointAt(600, MinorRow(0) + 2);
    EXPECT_EQ(TooltipX, 600 - TooltipWidth);
    EXPECT_EQ(TooltipY, MinorRow(0) + 2);
}

TEST_F(CharacterSheetTest, ExperienceBarFillsByActExpAndIsEmptyWithoutAThreshold) {
    TFertigkeit* sk = Player->Fertigkeiten[MajorSkills[0]];
    const uint32_t grey = 0x7F7F7F, white = 0xFFFFFF;
    auto bar = [&](float act, uint16_t next, int dx) {
        sk->ActExp = act;
        sk->NextExp = next;
        PointAt(600, MajorRow(0) + 2);
        return Pixel(TooltipX + dx, TooltipY + 13);
    };
    // The fill starts 13 pixels in and is 154 wide when full; beyond it the
    // white frame.
    EXPECT_EQ(bar(500, 500, 13), grey);
    EXPECT_EQ(bar(500, 500, 13 + 153), grey);
    EXPECT_EQ(bar(500, 500, 13 + 154), white);
    // More experience than needed still stops at the frame.
    EXPECT_EQ(bar(5000, 500, 13 + 154), white);
    // None collected, or no threshold to measure against: empty.
    EXPECT_EQ(bar(0, 500, 13), white);
    EXPECT_EQ(bar(80, 0, 13), white);
    EXPECT_EQ(bar(80, 0, 13 + 153), white);
}

TEST_F(CharacterSheetTest, LifeBarFillsByHpOverHpMax) {
    // The fill starts at (W/2 - 97, T + 33); 37.9 of 80 is 72.96 pixels.
    Player->HPMax = 80;
    Player->HP = 37.9f;
    PointAt(0, 0);
    const uint32_t red = 0xC80000, white = 0xFFFFFF;
    int x0 = 512 - 97, y = kT + 33;
    EXPECT_EQ(Pixel(x0, y), red);
    EXPECT_EQ(Pixel(x0 + 71, y), red);
    EXPECT_EQ(Pixel(x0 + 74, y), white);
    // Nothing for a negative value; never past the frame.
    Player->HP = -5;
    PointAt(0, 0);
    EXPECT_EQ(Pixel(x0, y), white);
    EXPECT_NE(Pixel(x0 - 4, y), red);
    Player->HP = 500;
    PointAt(0, 0);
    EXPECT_EQ(Pixel(x0 + 153, y), red);
    EXPECT_EQ(Pixel(x0 + 154, y), white);
}
