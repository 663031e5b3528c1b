// The dump's view of the quests and the journal.
#include "replay/state_dump.h"

#include "data/collections.h"
#include "story/story.h"

void DumpQuests(Json& s) {
    Json quests = Json::Arr();
    for (const TQuest* q : *QuestBook) {
        Json j = Json::Obj();
        j.Set("ID", Json::Int(q->ID));
        j.Set("Name", Json::Text(ToUtf8(q->Name)));
        j.Set("GeschafftVar", Json::Int(q->GeschafftVar));
        j.Set("Abgeschlossen", Json::Int(q->Abgeschlossen));
        j.Set("tasks", Json::Int(q->QuestList->Count()));
        quests.Push(j);
    }
    s.Set("quests", quests);
    Json journal = Json::Obj();
    journal.Set("count", Json::Int(JournalEntryCount));
    journal.Set("entries", Json::Int(JournalList->Count()));
    journal.Set("JournalPage", Json::Int(JournalPage));
    journal.Set("JournalGuard", Json::Int(JournalGuard));
    const TEintrag* last = JournalList->Count() > 0 ? JournalList->Last() : nullptr;
    journal.Set("lastStamp", Json::Text(last ? ToUtf8(IntToString(last->Tag) + u". Tag, " +
                                                      last->UhrZeit)
                                             : ""));
    journal.Set("lastQuest", Json::Text(last ? ToUtf8(last->QuestName) : ""));
    journal.Set("lastLine", Json::Text(last ? ToUtf8(last->Inhalt[1]) : ""));
    s.Set("journal", journal);
}
