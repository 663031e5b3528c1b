// Long play in one state must not grow: memory stays flat frame after frame.
#include "test_support.h"

#include "data/collections.h"
#include "shell/shell.h"
#include "ui/ui.h"

#include <fstream>

namespace {
// Resident memory of this process in KiB.
long ResidentKiB() {
    std::ifstream f("/proc/self/statm");
    long size = 0, resident = 0;
    f >> size >> resident;
    return resident * 4; // pages of 4 KiB
}
} // namespace

TEST(LongPlay, BowWithInventoryOpenKeepsMemoryFlat) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    // The bow (cell 0, 4) in the hand, the arrows (cell 2, 2) in the off hand.
    UseInventoryCell(0, 4);
    UseInventoryCell(2, 2);
    ASSERT_TRUE(CurrentWeapon);
    ASSERT_EQ(CurrentWeapon->Fertigkeit, u"Schiessen");
    InjectKey(VK_I, true);
    RunFrame();
    InjectKey(VK_I, false);
    ASSERT_EQ(InventoryOpen, 1);
    for (int i = 0; i < 60; ++i) RunFrame();
    long before = ResidentKiB();
    for (int i = 0; i < 600; ++i) RunFrame();
    long grown = ResidentKiB() - before;
    // Loading the two arrow strips once costs about 0.6 MiB; 600 frames of
    // loading them anew cost hundreds.
    EXPECT_LT(grown, 2048) << "memory grew by " << grown << " KiB in 600 frames";
    EXPECT_EQ(InventoryOpen, 1);
}
