// The quest tool: sources compile into the game's quest files and back,
// and bad sources are refused naming the file and line.
#include "test_support.h"

#include "questfile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
std::string Compile(const std::string& text, std::string& bytes) {
    QuestSource q;
    std::string err = ParseQuestSource("q.txt", text, q);
    if (!err.empty()) return err;
    return EncodeQuestFile("q.vsq", q, bytes);
}

std::string ErrorOf(const std::string& text) {
    std::string bytes;
    return Compile(text, bytes);
}
} // namespace

TEST(QuestTool, EveryContentQuestSurvivesTheRoundTrip) {
    fs::path dir = fs::path(VESSARA_SOURCE_DIR) / "content" / "quests";
    int seen = 0;
    for (auto& e : fs::directory_iterator(dir)) {
        QuestSource a, b, c;
        ASSERT_EQ(ReadQuestSource(e.path().string(), a), "");
        std::string bytes, again;
        ASSERT_EQ(EncodeQuestFile("a.vsq", a, bytes), "");
        ASSERT_EQ(DecodeQuestFile("a.vsq", bytes, b), "");
        // The decompiled text compiles to the very same bytes.
        ASSERT_EQ(ParseQuestSource("b.txt", FormatQuestSource(b), c), "");
        ASSERT_EQ(EncodeQuestFile("c.vsq", c, again), "");
        EXPECT_EQ(again, bytes) << e.path();
        EXPECT_EQ(FormatQuestSource(c), FormatQuestSource(b));
        ++seen;
    }
    EXPECT_GE(seen, 2);
}

TEST(QuestTool, TheBinaryFormIsTextLinesAndLittleEndianNumbers) {
    std::string bytes;
    ASSERT_EQ(Compile("# ein Kommentar\nQuest: Grüße\nStart: rede mit NPC 6 1\n"
                      "Item bekommen 0 300   # Gold\nQuest abgeschlossen\n",
                      bytes),
              "");
    std::string expect = "Gr\xFC\xDF" "e\n\n\n";
    expect += std::string("\x01rede mit NPC\n\x06\x00\x01\x00", 18);
    expect += std::string("\x02Item bekommen\n\x00\x00\x2C\x01", 19);
    expect += std::string("\x02Quest abgeschlossen\n\x00\x00\x00\x00", 25);
    EXPECT_EQ(bytes, expect);
}

TEST(QuestTool, BadSourcesNameTheLine) {
    const std::string head = "Quest: Q\nStart: rede mit NPC 1 1\n";
    EXPECT_EQ(ErrorOf(head + "toete Drachen 3\n"), "q.txt:3: unknown task kind in \"toete Drachen 3\"");
    EXPECT_EQ(ErrorOf(head + "\nNPC Ereignis 4\n"),
              "q.txt:4: \"NPC Ereignis\" takes 2 numbers, found 1");
    EXPECT_EQ(ErrorOf(head + "Quest abgeschlossen 1\n"),
              "q.txt:3: \"Quest abgeschlossen\" takes 0 numbers, found 1");
    EXPECT_EQ(ErrorOf(head + "toete Gegner 70000\n"), "q.txt:3: 70000 is larger than 65535");
    EXPECT_EQ(ErrorOf(head + "toete Gegner x\n"),
              "q.txt:3: \"x\" is not a number from 0 to 65535");
    EXPECT_EQ(ErrorOf(head + "Item bekommen 11 256\n"),
              "q.txt:3: an item count is at most 255, found 256");
    EXPECT_EQ(ErrorOf(head + "Item bekommen 0 256\n"), "");
    EXPECT_EQ(ErrorOf("Quest: Q\nStart: toete Gruppe 3\n"),
              "q.txt:2: only \"rede mit NPC\" can start a quest, not \"toete Gruppe\"");
    EXPECT_EQ(ErrorOf("Quest: Q\nTagebucheintrag 1\n"),
              "q.txt:2: a task before the \"Start:\" line");
    EXPECT_EQ(ErrorOf("Quest: Q\n"), "q.txt: no \"Start:\" line");
    EXPECT_EQ(ErrorOf("Quest: Q\u20ac\nStart: rede mit NPC 1 1\n"),
              "q.txt:1: a character outside Latin-1");
}

TEST(QuestTool, BrokenQuestFilesAreRefusedNamingTheTask) {
    std::string bytes;
    ASSERT_EQ(Compile("Quest: Q\nStart: rede mit NPC 1 1\nTagebucheintrag 1\n", bytes), "");
    QuestSource q;
    EXPECT_EQ(DecodeQuestFile("q.vsq", bytes.substr(0, bytes.size() - 1), q),
              "q.vsq: task 1 ends before its two numbers");
    std::string odd = bytes;
    odd[odd.find("Tagebucheintrag") - 1] = 1; // an action stored as condition
    EXPECT_EQ(DecodeQuestFile("q.vsq", odd, q),
              "q.vsq: task 1 \"Tagebucheintrag\" has type 1, not 2");
    EXPECT_EQ(DecodeQuestFile("q.vsq", "Q\n\n\n", q), "q.vsq: no start task");
}

TEST(QuestTool, TheFolderBuildWantsQuestsWithoutAGapAndTheirJournalTexts) {
    fs::path dir = testsupport::ScratchDir() / "questbuild";
    fs::remove_all(dir);
    fs::create_directories(dir / "src");
    fs::create_directories(dir / "journal");
    auto write = [&](const std::string& name, const std::string& text) {
        ASSERT_TRUE(WriteWholeFile((dir / name).string(), text));
    };
    write("src/Quest1.txt", "Quest: A\nStart: rede mit NPC 1 1\nTagebucheintrag 5\n");
    write("src/Quest3.txt", "Quest: C\nStart: rede mit NPC 1 1\n");
    std::string src = (dir / "src").string(), dst = (dir / "out").string(),
                journal = (dir / "journal").string();
    EXPECT_NE(BuildQuestFolder(src, dst, journal).find("Quest2.txt is missing"),
              std::string::npos);
    write("src/Quest2.txt", "Quest: B\nStart: rede mit NPC 1 1\n");
    EXPECT_NE(BuildQuestFolder(src, dst, journal).find("5.vst does not exist"),
              std::string::npos);
    write("journal/5.vst", "Text\n");
    write("out/Quest7.vsq", "alt");
    EXPECT_EQ(BuildQuestFolder(src, dst, journal), "");
    EXPECT_TRUE(fs::exists(dir / "out" / "Quest3.vsq"));
    EXPECT_FALSE(fs::exists(dir / "out" / "Quest7.vsq")) << "a stale quest file was kept";
}
