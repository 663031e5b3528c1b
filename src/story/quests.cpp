// Quests: reading the quest files into QuestBook, numbering their steps and
// evaluating every running quest once a frame.
#include "story/story.h"

#include "data/catalog.h"
#include "data/inventory_ops.h"
#include "data/player_state.h"

namespace {
// Reads one u16, least significant byte first; a file that ends inside it
// is broken.
uint16_t ReadWord(Stream* s, const Str& path, const std::string& what) {
    if (EndOfFile(s)) FailData(path, what + " ends before its numbers");
    int lo = ReadU8(s);
    if (EndOfFile(s)) FailData(path, what + " ends inside a number");
    int hi = ReadU8(s);
    return (uint16_t)(lo | (hi << 8));
}

TAufgabe* ReadTask(Stream* s, const Str& path, const std::string& what) {
    TAufgabe* t = new TAufgabe;
    t->Typ = (uint8_t)ReadU8(s);
    if (EndOfFile(s)) FailData(path, what + " ends after its type byte");
    t->Art = ReadTextLine(s);
    t->ParamX = ReadWord(s, path, what);
    t->ParamY = ReadWord(s, path, what);
    return t;
}

TQuest* ReadQuest(int n, const Str& path) {
    Stream* s = OpenRequired(path);
    TQuest* q = new TQuest;
    q->ID = (uint16_t)n;
    q->Name = ReadTextLine(s);
    q->StartBedingung = ReadTextLine(s);
    q->StartBedingungParam = ReadTextLine(s);
    if (EndOfFile(s)) FailData(path, "the quest has no start task");
    q->StartList->AddLast(ReadTask(s, path, "the start task"));
    for (int k = 1; !EndOfFile(s); ++k)
        q->QuestList->AddLast(ReadTask(s, path, "task " + std::to_string(k)));
    CloseFile(s);
    return q;
}

// Every condition opens the next step; actions belong to the step opened
// last (step 1 before the first condition).
void AssignSteps(TQuest* q) {
    uint8_t step = 1;
    for (TAufgabe* t : *q->QuestList) {
        if (t->Typ == 1) ++step;
        t->GeschafftVar = step;
    }
}

bool TalkedTo(TCharakter* n, uint16_t event) {
    return n->Ereignis == event && n->Geredet == n->Ereignis;
}

void StartIfTalkedTo(TQuest* q) {
    for (TAufgabe* t : *q->StartList) {
        if (t->Typ != 1 || t->Art != u"rede mit NPC") continue;
        for (TCharakter* n : *NpcList)
            if (n->ID == t->ParamX && TalkedTo(n, t->ParamY)) {
                q->GeschafftVar = 1;
                n->Geredet = 0;
            }
    }
}

bool ConditionMet(const TAufgabe* t) {
    bool met = false;
    if (t->Art == u"rede mit NPC" || t->Art == u"rede mit Gruppe") {
        bool group = t->Art == u"rede mit Gruppe";
        for (TCharakter* n : *NpcList) {
            if ((group ? n->Gruppe : n->ID) != t->ParamX || !TalkedTo(n, t->ParamY)) continue;
            n->Geredet = 0;
            met = true;
        }
    } else if (t->Art == u"toete Gegner") {
        for (TGegner* e : *EnemyList)
            if (e->ID == t->ParamX && e->Exist == 0) met = true;
    } else if (t->Art == u"toete Gruppe") {
        int alive = 0;
        for (TGegner* e : *EnemyList)
            if (e->Gruppe == t->ParamX && e->Exist == 1) ++alive;
        met = alive == 0;
    } else if (t->Art == u"Item besitzen") {
        met = InventoryHasItem(t->ParamX, (uint8_t)t->ParamY, 0) == 1;
    }
    return met;
}

void PerformAction(TQuest* q, const TAufgabe* t) {
    if (t->Art == u"NPC Ereignis") {
        for (TCharakter* n : *NpcList)
            if (n->ID == t->ParamX) n->Ereignis = t->ParamY;
    } else if (t->Art == u"Tagebucheintrag") {
        WriteJournalEntry(t->ParamX, q->Name);
    } else if (t->Art == u"Item bekommen") {
        if (t->ParamX > 0)
            PlaceItem(t->ParamX, (uint8_t)t->ParamY, 1, 0);
        else
            Gold += t->ParamY;
    } else if (t->Art == u"Item entfernen") {
        // A quest that asks for items takes them: the units leave the first
        // cell that holds enough of them.
        if (t->ParamX > 0)
            RemoveInventoryItem(t->ParamX, (uint8_t)t->ParamY);
        else
            Gold -= t->ParamY;
    } else if (t->Art == u"NPC feindlich") {
        for (TCharakter* n : *NpcList)
            if (n->ID == t->ParamX) n->Feindlich = 1;
    } else if (t->Art == u"Quest abgeschlossen") {
        q->Abgeschlossen = 1;
    }
}

void RunQuest(TQuest* q) {
    // A condition that stays met (an item kept in the pack) sets its step
    // again on every frame. Only one that moves the quest beyond the step it
    // was in when the frame began frees the journal, so that every entry,
    // this quest's and the others', is written once.
    const uint8_t before = q->GeschafftVar;
    for (TAufgabe* t : *q->QuestList) {
        if (t->Typ == 1) {
            if (!ConditionMet(t)) continue;
            if (t->GeschafftVar > before) JournalGuard = 0;
            q->GeschafftVar = t->GeschafftVar;
        } else if (t->Typ == 2 && t->GeschafftVar == q->GeschafftVar) {
            PerformAction(q, t);
        }
    }
}

// An NPC moved to another event by a quest reads that event's speech the
// next time the player faces it: the file must be there from the start,
// not found missing in the middle of play.
void CheckEventSpeech(const TQuest* q, const Str& path) {
    for (const TAufgabe* t : *q->QuestList) {
        if (t->Typ != 2 || t->Art != u"NPC Ereignis") continue;
        Str speech = u"NPC-Sprech/NPC" + IntToString(t->ParamX) + u"." + IntToString(t->ParamY) +
                     u".txt";
        bool npc = false;
        for (const TCharakter* n : *NpcList) npc = npc || n->ID == t->ParamX;
        if (npc && !FileExists(speech))
            FailData(speech, "the speech of NPC " + std::to_string(t->ParamX) + " in event " +
                                 std::to_string(t->ParamY) + ", which " + ToUtf8(path) +
                                 " sets, is missing");
    }
}
} // namespace

void LoadQuests() {
    ForEachNumberedFile(u"Data/Quests/Quest", u".vsq", [](int n, const Str& path) {
        CurrentQuest = ReadQuest(n, path);
        AssignSteps(CurrentQuest);
        CheckEventSpeech(CurrentQuest, path);
        QuestBook->AddLast(CurrentQuest);
    });
    CheckJournalTexts();
}

void UpdateQuests() {
    for (TQuest* q : *QuestBook) {
        CurrentQuest = q;
        if (q->GeschafftVar == 0 && q->Abgeschlossen == 0) StartIfTalkedTo(q);
        if (q->GeschafftVar > 0 && q->Abgeschlossen == 0) RunQuest(q);
    }
}
