// Story: the NPC catalogue, NPC movement and dialogue, quests and the
// journal.
#pragma once

#include "data/collections.h"
#include "media/media.h"

// Reads "Data/NPCs/NPC.txt" into NpcList, with each NPC's pictures and
// first speech.
void LoadNpcFile();

// Dialogue state. Lifetime: per dialogue page.
extern uint16_t DialogueTyped[5];
extern uint8_t DialoguePageDone;
extern uint8_t DialogueChoice; // 0 answer pending, 1 none, 2 "Ja", 3 "Nein"

// Reads a speech file into the NPC: its tags into EffektList and its text,
// wrapped, into Sprech from index 1; AnzahlZeilen = lines - 1. A speech
// that would need more lines than Sprech holds stops the game.
void LoadSpeech(TCharakter* npc, const Str& path);
// Loads the NPC's next speech when its event number grew.
void ReloadSpeechIfNeeded(TCharakter* npc);
void NpcDialogue(TCharakter* npc);
void MoveNpc(TCharakter* npc);
void UpdateQuests();
void JournalScreen();

// Closes the dialogue state: no page typed, no answer pending.
void ResetStoryState();
