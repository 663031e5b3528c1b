// Story steps of the frame. NPCs, quests and the journal are not in the
// game yet: these steps do nothing until they are.
#include "story/story.h"

void MoveNpc(TCharakter* /*npc*/) {}
void NpcDialogue(TCharakter* /*npc*/) {}
void ReloadSpeechIfNeeded(TCharakter* /*npc*/) {}
void UpdateQuests() {}
void JournalScreen() {}
