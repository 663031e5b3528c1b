// Long play in one state must not grow: memory stays flat frame after frame.
#include "test_support.h"

#include "data/collections.h"
#include "shell/shell.h"

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
    // Hotkey 6 holds the bow; the off hand holds the arrows.
    InjectKey(VK_0 + 6, true);
    RunFrame();
    InjectKey(VK_0 + 6, false);
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
