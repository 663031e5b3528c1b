// Text streams, lists, file names and picture bounds of the media layer.
#include "test_support.h"

using testsupport::WriteFile;

TEST(Streams, LineRuleLfZeroCrAndEnd) {
    std::string p = WriteFile("lines.txt", std::string("eins\r\nzwei\0drei\n\nvier", 21));
    Stream* s = OpenTextFile(S(p));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(ReadTextLine(s), u"eins");
    EXPECT_EQ(ReadTextLine(s), u"zwei");
    EXPECT_EQ(ReadTextLine(s), u"drei");
    EXPECT_EQ(ReadTextLine(s), u"");
    EXPECT_EQ(EndOfFile(s), 0);
    EXPECT_EQ(ReadTextLine(s), u"vier");
    EXPECT_EQ(EndOfFile(s), 1);
    EXPECT_EQ(ReadTextLine(s), u""); // past the end
    CloseFile(s);
}

TEST(Streams, CrLfReadsLikeLf) {
    std::string a = WriteFile("lf.txt", "a\nb b\n");
    std::string b = WriteFile("crlf.txt", "a\r\nb b\r\n");
    Stream* sa = OpenTextFile(S(a));
    Stream* sb = OpenTextFile(S(b));
    while (!EndOfFile(sa) || !EndOfFile(sb)) EXPECT_EQ(ReadTextLine(sa), ReadTextLine(sb));
    CloseFile(sa);
    CloseFile(sb);
}

TEST(Streams, Latin1BytesBecomeSameCodes) {
    std::string p = WriteFile("latin1.txt", "Grafik/H\xE4ndlerInventar.png\n");
    Stream* s = OpenTextFile(S(p));
    Str line = ReadTextLine(s);
    CloseFile(s);
    EXPECT_EQ(line, S("Grafik/HändlerInventar.png"));
    EXPECT_EQ(line[8], (char16_t)228);
}

TEST(Streams, ReadU8U16PastTheEnd) {
    std::string p = WriteFile("bytes.bin", std::string("\x34\x12\xFF", 3));
    Stream* s = OpenTextFile(S(p));
    EXPECT_EQ(ReadU16(s), 0x1234);
    EXPECT_EQ(ReadU16(s), 0xFF); // one byte left: low byte, high 0
    EXPECT_EQ(ReadU16(s), 0);
    EXPECT_EQ(ReadU8(s), 0);
    EXPECT_EQ(EndOfFile(s), 1);
    CloseFile(s);
}

TEST(Streams, MissingFileGivesNullAndOpensUmlautNames) {
    EXPECT_EQ(OpenTextFile(u"/nonexistent/nothing.txt"), nullptr);
    std::string p = WriteFile("Behälter/Behälter1.txt", "Truhe\n");
    Stream* s = OpenTextFile(S(p)); // the UTF-8 spelling on disk
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(ReadTextLine(s), u"Truhe");
    CloseFile(s);
    EXPECT_TRUE(FileExists(S(p)));
}

TEST(Lists, RemoveWhileVisitingKeepsIteration) {
    TList<int> l;
    for (int i = 1; i <= 5; ++i) l.AddLast(i);
    std::vector<int> seen;
    for (int v : l) {
        seen.push_back(v);
        if (v == 2 || v == 3) l.Remove(v); // remove the visited record
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(l.ToVector(), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(l.Count(), 3);
}

TEST(Lists, RemoveFirstMatchOnlyAndAppendDuringVisit) {
    TList<int> l;
    for (int v : {7, 8, 7}) l.AddLast(v);
    EXPECT_TRUE(l.Remove(7));
    EXPECT_EQ(l.ToVector(), (std::vector<int>{8, 7}));
    EXPECT_FALSE(l.Remove(42));
    std::vector<int> seen;
    for (int v : l) {
        seen.push_back(v);
        if (v == 8) l.AddLast(9); // appended records are visited too
    }
    EXPECT_EQ(seen, (std::vector<int>{8, 7, 9}));
}

TEST(Lists, ClearDuringVisitEndsCleanly) {
    TList<int> l;
    for (int i = 0; i < 4; ++i) l.AddLast(i);
    int visits = 0;
    for (int v : l) {
        ++visits;
        if (v == 1) l.Clear();
    }
    EXPECT_EQ(visits, 2);
    EXPECT_TRUE(l.Empty());
    l.AddLast(5);
    EXPECT_EQ(l.ToVector(), std::vector<int>{5});
}

TEST(Pictures, SideLongerThanTheBoundIsRefused) {
    auto white = [](int, int) -> uint32_t { return 0xFFFFFFFF; };
    Pixmap pm;
    std::string err;
    std::string edge = testsupport::WritePng("pictures/edge.png", kMaxPictureSide, 1, white);
    EXPECT_TRUE(LoadPixmapPNG(edge, pm, err)) << err;
    EXPECT_EQ(pm.width, kMaxPictureSide);
    for (auto [w, h] : {std::pair{kMaxPictureSide + 1, 1}, std::pair{1, kMaxPictureSide + 1}}) {
        std::string p = testsupport::WritePng("pictures/wide.png", w, h, white);
        EXPECT_FALSE(LoadPixmapPNG(p, pm, err));
        EXPECT_EQ(err, "picture of " + std::to_string(w) + " x " + std::to_string(h) +
                           " pixels; the game takes pictures of 1 to 4096 pixels a side");
    }
}

namespace {
std::string Le32(uint32_t v) {
    return std::string{(char)v, (char)(v >> 8), (char)(v >> 16), (char)(v >> 24)};
}
// A RIFF/WAVE file of 8 kHz mono 16-bit PCM with data of n bytes that
// announces its data chunk as `announced` bytes, and any chunks after it.
std::string Wave(uint32_t n, uint32_t announced, const std::string& after = "") {
    std::string fmt = "fmt " + Le32(16) + std::string{1, 0, 1, 0} + Le32(8000) + Le32(16000) +
                      std::string{2, 0, 16, 0};
    std::string body = "WAVE" + fmt + "data" + Le32(announced) + std::string(n, '\0') + after;
    return "RIFF" + Le32((uint32_t)body.size()) + body;
}

std::string SoundError(const std::string& path) {
    try {
        LoadSoundFile(S(path), 0);
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}
} // namespace

// A chunk that announces more bytes than follow is a file cut short (or
// damaged): refused by name, never played short nor allocated for.
TEST(Sounds, ChunksCutShortAreRefusedNamingTheChunk) {
    std::string whole = testsupport::WriteFile("sounds/whole.wav", Wave(400, 400));
    EXPECT_EQ(SoundError(whole), "");
    EXPECT_NEAR(SoundLengthMs(LoadSoundFile(S(whole), 0)), 25.0, 0.01);
    std::string cut = testsupport::WriteFile("sounds/cut.wav", Wave(400, 800));
    EXPECT_EQ(SoundError(cut), cut + ": the WAV file is cut short: its \"data\" chunk announces "
                                     "800 bytes, 400 follow");
    std::string huge = testsupport::WriteFile("sounds/huge.wav", Wave(400, 0xFFFFFF00u));
    EXPECT_NE(SoundError(huge).find("\"data\" chunk announces 4294967040 bytes, 400 follow"),
              std::string::npos);
    // A chunk after the sound, cut short too.
    std::string tail = testsupport::WriteFile("sounds/tail.wav", Wave(400, 400, "LIST" + Le32(64)));
    EXPECT_EQ(SoundError(tail), tail + ": the WAV file is cut short: its \"LIST\" chunk announces "
                                       "64 bytes, 0 follow");
    // Chunks without the RIFF header in front (SDL would read them).
    std::string bare = testsupport::WriteFile("sounds/bare.wav", Wave(400, 400).substr(8));
    EXPECT_EQ(SoundError(bare), bare + ": not a WAV file (it does not begin with \"RIFF\" and \"WAVE\")");
    // An odd-sized last chunk without its pad byte is whole.
    std::string odd = testsupport::WriteFile("sounds/odd.wav", Wave(400, 400, "note" + Le32(3) + "abc"));
    EXPECT_EQ(SoundError(odd), "");
}
