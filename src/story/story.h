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
// Reads every follow-up speech of NPC `id`: events 2, 3, ... up to the
// first without a file, each with the answers "Ja" and "Nein" (a pair must
// be complete). So a speech that is missing or cannot be shown stops the
// game at start-up rather than in the middle of play. Loads nothing and
// leaves the wrapper's probe and the font as it found them.
void CheckFollowUpSpeech(int id);
// Loads the NPC's next speech when its event number grew.
void ReloadSpeechIfNeeded(TCharakter* npc);
void NpcDialogue(TCharakter* npc);
void MoveNpc(TCharakter* npc);
void UpdateQuests();
void JournalScreen();

// Closes the dialogue state: no page typed, no answer pending.
void ResetStoryState();
