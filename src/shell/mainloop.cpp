// The main loop: one frame per pass, in a fixed order of steps.
#include "shell/shell.h"

#include "data/records.h"
#include "shell/assets.h"
#include "world/world.h"

uint8_t DialogueOpen = 0;
uint8_t InventoryOpen = 0;
uint8_t SheetOpen = 0;
uint8_t JournalOpen = 0;
uint8_t TradeOpen = 0;
uint8_t InventoryTab = 0;
uint8_t PointerShown = 0;
uint16_t MouseX = 0, MouseY = 0;
uint8_t MouseClicked = 0;
uint8_t SelectedHotkey = 0;
uint8_t HotkeyBarVisible = 1;
uint8_t ActiveSkill = 0, ArmourSkill = 0, HelmetSkill = 0, ShieldSkill = 0;
uint8_t ScreenshotCounter = 0;
int64_t FrameCounter = 0;

bool RunFrame() {
    ClearScreen();
    SetColor(255, 255, 255);
    DrawImageFrame(ImgMaus, MouseX, MouseY, 0);
    SetColor(255, 255, 255);
    FlipFrame(-1);
    ++FrameCounter;
    if (KeyIsDown(VK_ESCAPE) || CloseRequested()) return false;
    return true;
}

void MainLoop() {
    while (RunFrame()) {}
}
