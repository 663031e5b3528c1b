// The player's globals beyond his record.
#include "data/player_state.h"

Str PlayerName, PlayerRace, PlayerTitle;
uint8_t MajorSkills[5];
uint8_t MinorSkills[10];
uint8_t ActiveSkill, ArmourSkill, HelmetSkill, ShieldSkill;
int32_t Gold;
int32_t DollFrameTime;

void ResetPlayerState() {
    PlayerName.clear();
    PlayerRace.clear();
    PlayerTitle.clear();
    for (auto& s : MajorSkills) s = 0;
    for (auto& s : MinorSkills) s = 0;
    ActiveSkill = ArmourSkill = HelmetSkill = ShieldSkill = 0;
    Gold = 0;
    DollFrameTime = 0;
}
