// The text wrapper and speech files.
#include "test_support.h"

#include "data/assets.h"
#include "story/story.h"
#include "story/text.h"

using testsupport::WriteFile;

namespace {
class SpeechTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        if (!FontChancery25)
            FontChancery25 = LoadFontFile(S(testsupport::GameDir() + "/Chancery.ttf"), 25, 4);
        // A probe as the game has it after the skill descriptions; the probe
        // carries over between calls, so tests set it themselves.
        WrapProbe = 60;
        npc = new TCharakter;
    }
    // Words separated by single spaces, for comparing texts.
    static Str Words(const std::vector<Str>& lines) {
        Str all;
        for (const Str& l : lines) all += TrimOf(l) + u" ";
        return all;
    }
    TCharakter* npc = nullptr;
};
} // namespace

TEST_F(SpeechTest, WrapKeepsEveryWordAndStaysNearTheLimit) {
    SetFont(FontChancery25);
    WrapProbe = 1;
    Str text = u" Seit dem letzten Vollmond kommen die Wölfe bis an unsere Zäune, und auf dem "
               u"Waldweg im Osten "
               u"treiben sich Räuber herum. Unsere Wache allein schafft das nicht. ";
    std::vector<Str> lines = WrapText(text, 300, "test");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Words(lines), TrimOf(text) + u" ");
    for (const Str& l : lines) {
        EXPECT_FALSE(l.empty());
        EXPECT_NE(l.front(), u' ');
        EXPECT_NE(l.back(), u' ');
        // The probe goes on in steps of ten letters: a line may end up to
        // nine letters past the first position that reaches the limit.
        EXPECT_LT(StringWidth(l), 300 + StringWidth(u"WWWWWWWWW"));
    }
}

TEST_F(SpeechTest, ProbeCarriesOverBetweenCalls) {
    SetFont(FontChancery25);
    // A fresh probe of 1 moves to 11 and, the whole text fitting, backs off
    // to the space before it: the first line is cut short.
    WrapProbe = 1;
    std::vector<Str> lines = WrapText(u" Erste Zeile. Zweite Zeile. ", 550, "test");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], u"Erste");
    EXPECT_EQ(Words(lines), u"Erste Zeile. Zweite Zeile. ");
    EXPECT_EQ(lines, (std::vector<Str>{u"Erste", u"Zeile. Zweite", u"Zeile."}));
    EXPECT_EQ(WrapProbe, 7); // left at the last cut
    // Once the probe has grown, the same text fits on one line.
    WrapProbe = 60;
    lines = WrapText(u" Erste Zeile. Zweite Zeile. ", 550, "test");
    EXPECT_EQ(lines, std::vector<Str>{u"Erste Zeile. Zweite Zeile."});
    EXPECT_EQ(WrapProbe, 28); // left at the last cut
}

TEST_F(SpeechTest, OverlongWordGetsALineOfItsOwn) {
    SetFont(FontChancery25);
    WrapProbe = 1;
    std::vector<Str> lines =
        WrapText(u" Ein Donaudampfschifffahrtsgesellschaftskapitän kam. ", 120, "test");
    ASSERT_GE(lines.size(), 2u);
    bool alone = false;
    for (const Str& l : lines) alone |= l == u"Donaudampfschifffahrtsgesellschaftskapitän";
    EXPECT_TRUE(alone);
    EXPECT_EQ(Words(lines), u"Ein Donaudampfschifffahrtsgesellschaftskapitän kam. ");
}

TEST_F(SpeechTest, TagsAreCollectedAndTextJoined) {
    std::string p = WriteFile("speech/tags.txt", "Erste Zeile.\r\n[Ja/Nein]\r\nZweite Zeile.\r\n");
    LoadSpeech(npc, S(p));
    EXPECT_EQ(npc->EffektList->ToVector(), std::vector<Str>{u"Ja/Nein"});
    EXPECT_EQ(npc->Sprech[1], u"Erste Zeile. Zweite Zeile.");
    EXPECT_EQ(npc->Sprech[2], u"");
    EXPECT_EQ(npc->AnzahlZeilen, 0); // one line, minus one
}

TEST_F(SpeechTest, EmptyLineJoinsTheNextWithoutItsSpace) {
    // The empty line's line feed becomes a character of the text, and the
    // following line is read as the rest of that line.
    std::string p = WriteFile("speech/empty.txt", "Hallo\n\nWelt\n");
    LoadSpeech(npc, S(p));
    EXPECT_EQ(npc->Sprech[1], u"Hallo \nWelt");
}

TEST_F(SpeechTest, SevenLinesFillTwoPages) {
    std::string text;
    for (int i = 0; i < 7; ++i)
        text +=
            "Diese Zeile ist lang genug, um fast die ganze Breite der Box zu fuellen und mehr.\n";
    std::string p = WriteFile("NPC-Sprech/NPC9.2.txt", text);
    (void)p;
    ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
    npc->ID = 9;
    npc->Ereignis = 2;
    ReloadSpeechIfNeeded(npc);
    EXPECT_EQ(npc->EreignisAlt, 2);
    int lines = 0;
    for (int i = 1; i <= 20; ++i) lines += !npc->Sprech[i].empty();
    ASSERT_GT(lines, 5);
    ASSERT_LE(lines, 10);
    EXPECT_EQ(npc->AnzahlZeilen, 10);
    // A lower event number keeps the loaded speech.
    npc->Ereignis = 1;
    npc->Sprech[1] = u"unverändert";
    ReloadSpeechIfNeeded(npc);
    EXPECT_EQ(npc->Sprech[1], u"unverändert");
}

TEST_F(SpeechTest, SpeechLongerThanFourPagesIsRefused) {
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "Eine Zeile, die ziemlich lang ist und die Box zur Hälfte füllt, mindestens.\n";
    std::string p = WriteFile("speech/long.txt", text);
    try {
        LoadSpeech(npc, S(p));
        FAIL() << "a speech of more than 20 lines was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, p);
    }
}

TEST_F(SpeechTest, TextTooLongForTheWrapperIsRefusedAndEnds) {
    // Zero-width control characters before a long word once let the probe
    // run past 65535 and wrap around, so that wrapping never ended.
    std::string hang = std::string(66000, '\x01') + std::string(100, 'W') + "\n";
    std::string p = WriteFile("speech/hang.txt", hang);
    try {
        LoadSpeech(npc, S(p));
        FAIL() << "a text of 66000 characters was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, p);
        EXPECT_EQ(e.reason, "text of 66102 characters; a text may hold at most 8000");
    }
    // At the bound the wrapper still ends, whatever probe it starts with.
    SetFont(FontChancery25);
    for (uint16_t probe : {60, 65535}) {
        WrapProbe = probe;
        Str text = Str(kMaxWrapText - 101, u'\x01') + Str(100, u'W');
        std::vector<Str> lines = WrapText(text, 550, "test");
        EXPECT_EQ(lines.size(), 1u) << probe;
    }
    EXPECT_THROW(WrapText(Str(kMaxWrapText + 1, u'a'), 550, "test"), DataError);
}
