// The game shell: start-up, the main loop with its window flags, and the
// game clock.
#pragma once

#include "media/media.h"

#include <cstdint>

// Window flags (0 = closed).
extern uint8_t DialogueOpen;
extern uint8_t InventoryOpen;
extern uint8_t SheetOpen;
extern uint8_t JournalOpen;
extern uint8_t TradeOpen;
extern uint8_t InventoryTab;

// Pointer and mouse, refreshed only while a window wants the pointer.
extern uint8_t PointerShown;
extern uint16_t MouseX, MouseY;
extern uint8_t MouseClicked;

extern uint8_t SelectedHotkey;
extern uint8_t HotkeyBarVisible;
extern uint8_t ActiveSkill, ArmourSkill, HelmetSkill, ShieldSkill;
extern uint8_t ScreenshotCounter;

extern Str PlayerName, PlayerRace, PlayerTitle;
extern uint8_t MajorSkills[5];
extern uint8_t MinorSkills[10];
extern int32_t Gold;
// Start time of the inventory's turning figure.
extern int32_t DollFrameTime;

// Game clock.
extern uint16_t ClockMinutes;
extern uint8_t ClockHour;
extern uint16_t GameDay;
extern uint8_t DayPhase;
extern uint8_t DaylightLevel;
extern int32_t ClockTickTime;
extern int32_t DaylightTickTime;

void AdvanceClock();
void DrawClock();
// The tint of the map and its figures for the time of day.
void SetDaylightTint();

// Runs every start-up step; throws AssetError when a file is missing.
void StartUp();
// One pass of the main loop; false once the game should end.
bool RunFrame();
// Runs frames until the game ends.
void MainLoop();
// Frames run since start-up.
extern int64_t FrameCounter;
