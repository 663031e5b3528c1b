// Story: NPC movement and dialogue, quests and the journal.
#pragma once

#include "data/records.h"

void MoveNpc(TCharakter* npc);
void NpcDialogue(TCharakter* npc);
// Loads the NPC's next speech when its event number grew.
void ReloadSpeechIfNeeded(TCharakter* npc);
void UpdateQuests();
void JournalScreen();
