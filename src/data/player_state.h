// What the game knows of the player beyond his record: his name and race,
// the skill groups, the skill slots of the moment, his gold.
//
// Lifetime: per run. The skill slots are recomputed every frame.
#pragma once

#include "media/strings.h"

#include <cstdint>

extern Str PlayerName, PlayerRace, PlayerTitle;
// Skill slots (indexes into Player->Fertigkeiten) of the two groups of the
// character sheet.
extern uint8_t MajorSkills[5];
extern uint8_t MinorSkills[10];
// The skill slot of the weapon or spell in hand, of the body armour, helmet
// and shield (10 "Keine Ruestung" when none is worn).
extern uint8_t ActiveSkill, ArmourSkill, HelmetSkill, ShieldSkill;
extern int32_t Gold;
// Start time of the inventory's turning figure.
extern int32_t DollFrameTime;

void ResetPlayerState();

// Skill slot 10 "Keine Ruestung": the slot of armour not worn.
constexpr uint8_t kNoArmourSkill = 10;
