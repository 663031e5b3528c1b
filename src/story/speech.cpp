// Speech files: tags and wrapped text of what an NPC says next.
#include "story/story.h"

#include "data/catalog.h"
#include "data/assets.h"
#include "story/text.h"

namespace {
// The most lines a speech may fill: Sprech holds four pages of five.
constexpr size_t kMaxSpeechLines = 20;

struct Speech {
    std::vector<Str> tags;
    std::vector<Str> lines;
};

// Reads and wraps a speech file; a speech longer than four pages stops
// the game naming the file.
Speech ReadSpeech(const Str& path) {
    Speech sp;
    Stream* s = OpenRequired(path);
    // A line is judged by its first byte: "[" starts a tag, anything else
    // (even the line break of an empty line) is text.
    Str text;
    while (!EndOfFile(s)) {
        char16_t first = (char16_t)ReadU8(s);
        Str rest = ReadTextLine(s);
        if (first == u'[')
            sp.tags.push_back(LeftOf(rest, (int)rest.size() - 1));
        else
            text += u" " + Str(1, first) + rest;
    }
    CloseFile(s);
    text += u" ";
    SetFont(FontChancery25);
    sp.lines = WrapText(text, 550, ToUtf8(path));
    if (sp.lines.size() > kMaxSpeechLines)
        FailData(path, "speech wraps into " + std::to_string(sp.lines.size()) +
                           " lines; a speech may fill at most 20 lines (four pages)");
    return sp;
}

Str SpeechPath(int id, int event, const Str& suffix) {
    return u"NPC-Sprech/NPC" + IntToString(id) + u"." + IntToString(event) + suffix + u".txt";
}
} // namespace

void LoadSpeech(TCharakter* npc, const Str& path) {
    for (Str& line : npc->Sprech) line.clear();
    Speech sp = ReadSpeech(path);
    for (const Str& tag : sp.tags) npc->EffektList->AddLast(tag);
    for (size_t k = 0; k < sp.lines.size(); ++k) npc->Sprech[k + 1] = sp.lines[k];
    npc->AnzahlZeilen = (uint16_t)(sp.lines.size() - 1);
}

void CheckFollowUpSpeech(int id) {
    // Checking must not change what the game loads later: the wrapper's
    // probe and the current font are put back as they were.
    uint16_t probe = WrapProbe;
    Font* font = CurrentFont();
    // An NPC's event grows only with the player's answer, so a follow-up
    // speech is always the "Ja" or the "Nein" one. Either answer can be
    // given: where one of the pair exists, the other must exist too.
    for (int event = 2;; ++event) {
        Str yes = SpeechPath(id, event, u"Ja"), no = SpeechPath(id, event, u"Nein");
        if (!FileExists(yes) && !FileExists(no)) break;
        ReadSpeech(yes);
        ReadSpeech(no);
    }
    WrapProbe = probe;
    SetFont(font);
}

void ReloadSpeechIfNeeded(TCharakter* npc) {
    if (npc->EreignisAlt >= npc->Ereignis) return;
    npc->EffektList->Clear();
    LoadSpeech(npc, SpeechPath(npc->ID, npc->Ereignis, npc->EreignisAnhang));
    npc->AnzahlZeilen = (uint16_t)(npc->AnzahlZeilen + 5 - npc->AnzahlZeilen % 5);
    npc->EreignisAlt = npc->Ereignis;
    npc->EreignisAnhang.clear();
}
