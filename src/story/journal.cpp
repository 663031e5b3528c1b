// The journal: entries written by quests, each stamped with the quest's
// name, the day and the time, and the open book with two entries a spread.
#include "story/story.h"

#include "data/assets.h"
#include "data/catalog.h"
#include "data/clock_state.h"
#include "data/window_state.h"
#include "story/text.h"

uint16_t JournalEntryCount = 0;
uint8_t JournalGuard = 0;
uint16_t JournalPage = 0;

namespace {
constexpr int kJournalWidth = 350;

Str JournalPath(int n) {
    return u"Data/Tagebuch/" + IntToString(n) + u".vst";
}

// Reads and wraps a journal text; a text that does not fit the page stops
// the game naming the file.
std::vector<Str> WrapJournalText(const Str& path) {
    std::vector<Str> lines = ReadAllLines(path);
    SetFont(FontChancery20);
    std::vector<Str> out = WrapText(JoinTextLines(lines), kJournalWidth, ToUtf8(path));
    if (out.size() > kMaxJournalLines)
        FailData(path, "journal text wraps into " + std::to_string(out.size()) +
                           " lines; a page holds at most " +
                           std::to_string(kMaxJournalLines));
    return out;
}

bool PointerIn(int x, int y, const Image* img) {
    return MouseX >= x && MouseX <= x + ImageWidthOf(img) && MouseY >= y &&
           MouseY <= y + ImageHeightOf(img);
}

void DrawEntry(const TEintrag* e, int x, int top) {
    SetFont(FontChancery25);
    SetColor(0, 0, 200);
    DrawString(IntToString(e->Tag) + u". Tag, " + e->UhrZeit, x, top + 20);
    SetColor(0, 0, 0);
    DrawString(u"Quest: " + e->QuestName, x, top + 50);
    SetFont(FontChancery20);
    for (int i = 0; i <= (int)kMaxJournalLines; ++i) DrawString(e->Inhalt[i], x, top + 80 + 20 * i);
}
} // namespace

Str ClockText() {
    int h = ClockHour, m = ClockMinutes - 60 * ClockHour;
    return IntToString(h) + (m < 10 ? u" : 0" : u" : ") + IntToString(m) + u" Uhr";
}

void CheckJournalTexts() {
    // Checking must not change what the game wraps later: the probe, which
    // carries over from one text to the next, and the font are put back.
    uint16_t probe = WrapProbe;
    Font* font = CurrentFont();
    for (TQuest* q : *QuestBook)
        for (TAufgabe* t : *q->QuestList) {
            if (t->Typ != 2 || t->Art != u"Tagebucheintrag") continue;
            Str path = JournalPath(t->ParamX);
            if (!FileExists(path))
                FailData(path, "the journal text of quest " + std::to_string(q->ID) + " (\"" +
                                   ToUtf8(q->Name) + "\") is missing");
            // Where a line breaks depends on the probe the text meets; every
            // start within one step of ten is tried.
            for (uint16_t p = 1; p <= 10; ++p) {
                WrapProbe = p;
                WrapJournalText(path);
            }
        }
    WrapProbe = probe;
    SetFont(font);
}

void WriteJournalEntry(int n, const Str& questName) {
    if (JournalGuard == 1) return;
    std::vector<Str> lines = WrapJournalText(JournalPath(n));
    ++JournalEntryCount;
    CurrentEntry = new TEintrag;
    CurrentEntry->ID = JournalEntryCount;
    CurrentEntry->QuestName = questName;
    CurrentEntry->Tag = GameDay;
    CurrentEntry->UhrZeit = ClockText();
    for (size_t k = 0; k < lines.size(); ++k) CurrentEntry->Inhalt[k + 1] = lines[k];
    JournalList->AddLast(CurrentEntry);
    JournalGuard = 1;
}

void DrawJournal() {
    int W = ScreenWidth(), H = ScreenHeight();
    int w = ImageWidthOf(ImgTagebuch), h = ImageHeightOf(ImgTagebuch);
    int L = W / 2 - w / 2, T = H / 2 - h / 2, B = H / 2 + h / 2;
    SetBlend(ALPHABLEND);
    SetAlpha(1.0);
    SetColor(255, 255, 255);
    DrawImageFrame(ImgTagebuch, L, T, 0);
    int lx = L + ImageWidthOf(ImgPfeil1), rx = W / 2 + w / 2 - ImageWidthOf(ImgPfeil2) - 30;
    int ay = B - 20;
    SetColor(150, 150, 150);
    DrawImageFrame(ImgPfeil1, lx, ay, 0);
    DrawImageFrame(ImgPfeil2, rx, ay, 0);
    for (const TEintrag* e : *JournalList) {
        if (e->ID == 2 * JournalPage + 1) DrawEntry(e, L + 40, T);
        if (e->ID == 2 * JournalPage + 2) DrawEntry(e, W / 2 + 20, T);
    }
    SetFont(FontChancery20);
    SetColor(0, 0, 0);
    DrawString(IntToString(2 * JournalPage + 1), W / 2 - w / 4, B - 30);
    DrawString(IntToString(2 * JournalPage + 2), W / 2 + w / 4, B - 30);
    if (PointerIn(lx, ay, ImgPfeil1) && JournalPage > 0) {
        SetColor(255, 255, 255);
        DrawImageFrame(ImgPfeil1, lx, ay, 0);
        if (MouseClicked >= 1) --JournalPage;
    }
    if (PointerIn(rx, ay, ImgPfeil2) && 2 * (JournalPage + 1) < JournalEntryCount) {
        SetColor(255, 255, 255);
        DrawImageFrame(ImgPfeil2, rx, ay, 0);
        if (MouseClicked >= 1) ++JournalPage;
    }
    SetBlend(MASKBLEND);
}

void JournalScreen() {
    DrawJournal();
}
