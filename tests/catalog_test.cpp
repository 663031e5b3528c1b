// The shared catalogue reader: conversions, record lists, blocks, families.
#include "test_support.h"

#include "data/catalog.h"

using testsupport::WriteFile;

TEST(Catalog, ConversionsCutToFieldWidth) {
    EXPECT_EQ(ToU8(u"  12abc"), 12);
    EXPECT_EQ(ToU16(u"-1"), 65535);
    EXPECT_EQ(ToU8(u"$1F"), 31);
    EXPECT_EQ(ToU8(u"%101"), 5);
    EXPECT_EQ(ToU8(u"300"), 44);
    EXPECT_EQ(ToU16(u"70000"), 4464);
    EXPECT_EQ(ToU16AsI32(u"-1"), 65535); // cut to 16 bits before it is stored
    EXPECT_FLOAT_EQ(ToU16AsFloat(u"65537"), 1.0f);
    EXPECT_FLOAT_EQ(ToDecimal(u"1,5"), 1.0f);
    EXPECT_FLOAT_EQ(ToDecimal(u"0.75"), 0.75f);
    EXPECT_EQ(ToU8(u"keine Zahl"), 0);
}

namespace {
// The error a record list of three-line records gives, or "" when it loads.
std::string ListError(const std::string& name, const std::string& text, int* records = nullptr) {
    std::string p = WriteFile(name, text);
    int n = 0;
    try {
        ReadRecordList(S(p), 3, [&](RecordReader& r) {
            ++n;
            for (int i = 0; i < 3; ++i) r.Next();
        });
    } catch (const DataError& e) {
        return e.what();
    }
    if (records) *records = n;
    return "";
}
} // namespace

TEST(Catalog, RecordListWithoutRecordsIsRefused) {
    for (const char* text : {"", "\n", "  \n\t\n\r\n"}) {
        std::string p = (testsupport::ScratchDir() / "records/empty.txt").string();
        EXPECT_EQ(ListError("records/empty.txt", text),
                  p + ": no records (the file is empty or blank)")
            << "text: " << text;
    }
}

TEST(Catalog, BlankLinesAfterTheLastRecordAreNoRecord) {
    int records = 0;
    EXPECT_EQ(ListError("records/tail.txt", "1\nEins\n-\n\n", &records), "");
    EXPECT_EQ(records, 1);
    EXPECT_EQ(ListError("records/tail.txt", "1\nEins\n-\n \r\n\t\n\n\n\n\n", &records), "");
    EXPECT_EQ(records, 1);
    // Blank lines that end the last record are its empty fields.
    EXPECT_EQ(ListError("records/tail.txt", "1\nEins\n-\n2\n\n\n", &records), "");
    EXPECT_EQ(records, 2);
}

TEST(Catalog, RecordCutShortIsRefusedNamingIt) {
    std::string p = (testsupport::ScratchDir() / "records/cut.txt").string();
    EXPECT_EQ(ListError("records/cut.txt", "1\nEins\n-\n2"),
              p + ", record 2: the record ends after line 1 of 3");
    EXPECT_EQ(ListError("records/cut.txt", "1\nEins\n-\n2\nZwei"),
              p + ", record 2: the record ends after line 2 of 3");
    EXPECT_EQ(ListError("records/cut.txt", "1\nEins\n"),
              p + ", record 1: the record ends after line 2 of 3");
}

TEST(Catalog, RecordListCrLfAndRecordNumbers) {
    std::string lf = WriteFile("records/lf.txt", "1\nEins\n-\n2\nZwei\n-\n");
    std::string crlf = WriteFile("records/crlf.txt", "1\r\nEins\r\n-\r\n2\r\nZwei\r\n-\r\n");
    for (const std::string& p : {lf, crlf}) {
        std::vector<std::pair<int, Str>> got;
        std::vector<std::string> where;
        ReadRecordList(S(p), 3, [&](RecordReader& r) {
            int id = ToU16(r.Next());
            got.emplace_back(id, r.Next());
            r.Next();
            where.push_back(r.Where());
        });
        ASSERT_EQ(got.size(), 2u) << p;
        EXPECT_EQ(got[1].second, u"Zwei");
        EXPECT_EQ(where[1], p + ", record 2");
    }
}

TEST(Catalog, BlockThreeOfSevenStartsAtLineSixteen) {
    std::string text;
    for (int i = 1; i <= 30; ++i) text += "L" + std::to_string(i) + "\n";
    std::string p = WriteFile("blocks/seven.txt", text);
    std::vector<Str> b = ReadBlock(S(p), 3, 7, 5);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0], u"L16"); // the heading (line 15) is skipped
    EXPECT_EQ(b[4], u"L20");
    std::vector<Str> beyond = ReadBlock(S(p), 9, 7, 3); // past the end: empty lines
    EXPECT_EQ(beyond[0], u"");
    EXPECT_EQ(ToU8(beyond[1]), 0);
    EXPECT_THROW(ReadBlock(u"/nonexistent/blocks.txt", 1, 7, 5), DataError);
}

TEST(Catalog, NumberedFamilyStopsAtFirstGap) {
    WriteFile("family/Kiste1.txt", "a");
    WriteFile("family/Kiste2.txt", "b");
    WriteFile("family/Kiste4.txt", "d");
    std::vector<int> seen;
    int n = ForEachNumberedFile(S((testsupport::ScratchDir() / "family/Kiste").string()), u".txt",
                                [&](int i, const Str&) { seen.push_back(i); });
    EXPECT_EQ(n, 2);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(Catalog, MissingRequiredFileNamesIt) {
    try {
        ReadAllLines(u"Data/NPCs/Fehlt.txt");
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/NPCs/Fehlt.txt");
    }
}
