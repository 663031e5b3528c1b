// Speech files: tags and wrapped text of what an NPC says next.
#include "story/story.h"

#include "data/catalog.h"
#include "data/assets.h"
#include "story/text.h"

void LoadSpeech(TCharakter* npc, const Str& path) {
    for (Str& line : npc->Sprech) line.clear();
    Stream* s = OpenRequired(path);
    // A line is judged by its first byte: "[" starts a tag, anything else
    // (even the line break of an empty line) is text.
    Str text;
    while (!EndOfFile(s)) {
        char16_t first = (char16_t)ReadU8(s);
        Str rest = ReadTextLine(s);
        if (first == u'[')
            npc->EffektList->AddLast(LeftOf(rest, (int)rest.size() - 1));
        else
            text += u" " + Str(1, first) + rest;
    }
    CloseFile(s);
    text += u" ";
    SetFont(FontChancery25);
    std::vector<Str> lines = WrapText(text, 550);
    if (lines.size() > 20)
        FailData(path, "speech wraps into " + std::to_string(lines.size()) +
                            " lines; a speech may fill at most 20 lines (four pages)");
    for (size_t k = 0; k < lines.size(); ++k) npc->Sprech[k + 1] = lines[k];
    npc->AnzahlZeilen = (uint16_t)(lines.size() - 1);
}

void ReloadSpeechIfNeeded(TCharakter* npc) {
    if (npc->EreignisAlt >= npc->Ereignis) return;
    npc->EffektList->Clear();
    LoadSpeech(npc, u"NPC-Sprech/NPC" + IntToString(npc->ID) + u"." + IntToString(npc->Ereignis) +
                        npc->EreignisAnhang + u".txt");
    npc->AnzahlZeilen = (uint16_t)(npc->AnzahlZeilen + 5 - npc->AnzahlZeilen % 5);
    npc->EreignisAlt = npc->Ereignis;
    npc->EreignisAnhang.clear();
}
