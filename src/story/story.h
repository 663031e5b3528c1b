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

// Quests. Reads "Data/Quests/Quest" + n + ".vsq", n = 1, 2, ... into
// QuestBook and numbers the steps of their tasks; then checks every
// journal text the quests write.
void LoadQuests();
// Starts the quests whose start conversation has ended and runs the tasks
// of every started, unfinished quest, in QuestBook order.
void UpdateQuests();

// Journal state. Lifetime: per run.
extern uint16_t JournalEntryCount; // entries written so far; IDs are 1, 2, ...
// 1 once an entry has been written; a step condition met clears it.
extern uint8_t JournalGuard;
// The spread shown: entries 2 x JournalPage + 1 and + 2.
extern uint16_t JournalPage;
// An entry holds its text in Inhalt[1..24].
constexpr size_t kMaxJournalLines = 24;

// The time of day as the journal stamps it: "16 : 05 Uhr" with the hour
// and minute without leading zeros, the minute's zero from the text.
Str ClockText();
// Writes journal entry "Data/Tagebuch/" + n + ".vst" for the quest
// questName, unless an entry was written since the last step condition.
void WriteJournalEntry(int n, const Str& questName);
// Every "Tagebucheintrag" of QuestBook must name a journal text that
// exists and fits a page; otherwise the game stops naming the file.
void CheckJournalTexts();
void DrawJournal();
void JournalScreen();

// Closes the dialogue state: no page typed, no answer pending.
void ResetStoryState();
