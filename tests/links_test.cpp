// The connection tool's readable form: parsing with its messages, writing
// it back, and the checks against the maps.
#include "test_support.h"

#include "data/map_format.h"
#include "linkfile.h"

namespace {
std::vector<LinkEntry> Parse(const std::string& text, std::string& err) {
    std::vector<LinkEntry> out;
    err = ParseLinkText(text, "links.txt", out);
    return out;
}

std::string ErrorOf(const std::string& text) {
    std::string err;
    Parse(text, err);
    return err;
}

std::string Binary(const std::vector<LinkEntry>& list) {
    std::vector<TVerbindung> links;
    for (const LinkEntry& e : list) links.push_back(e.link);
    return EncodeConnections(links);
}
} // namespace

TEST(LinkSource, LinesCommentsAndQuotedNames) {
    std::string err;
    auto list = Parse("# the village\n\n"
                      "TestMap 62 30 -> Waldweg 1 11   # east gate\n"
                      "  \"Alter Wald\"\t0 65535 ->\t\"H\xc3\xb6hle\" 7 8\r\n",
                      err);
    ASSERT_EQ(err, "");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].line, 3);
    EXPECT_EQ(list[0].link.StartMap, u"TestMap");
    EXPECT_EQ(list[0].link.ZielY, 11);
    EXPECT_EQ(list[1].line, 4);
    EXPECT_EQ(list[1].link.StartMap, u"Alter Wald");
    EXPECT_EQ(list[1].link.Y, 65535);
    EXPECT_EQ(list[1].link.ZielMap, u"H\u00f6hle");
    EXPECT_EQ(list[1].link.Nr, 1);
}

TEST(LinkSource, FaultsNameTheFileAndLine) {
    EXPECT_EQ(ErrorOf("# x\nA 1 2 => B 3 4\n"),
              "links.txt:2: expected 'START X Y -> DEST X Y', found \"A 1 2 => B 3 4\"");
    EXPECT_EQ(ErrorOf("A 1 2 -> B 3\n").substr(0, 12), "links.txt:1:");
    EXPECT_EQ(ErrorOf("A 1 2 -> B 3 4\nA 1 65536 -> B 3 4\n"),
              "links.txt:2: a cell coordinate is a whole number from 0 to 65535, found \"65536\"");
    EXPECT_EQ(ErrorOf("A -1 2 -> B 3 4\n").substr(0, 12), "links.txt:1:");
    EXPECT_EQ(ErrorOf("\n\nWald\xe2\x82\xac 1 2 -> B 3 4\n"),
              "links.txt:3: the map name \"Wald\xe2\x82\xac\" has a character outside Latin-1");
    EXPECT_EQ(ErrorOf("\"Alter Wald 1 2 -> B 3 4\n"),
              "links.txt:1: a quoted name has no closing '\"'");
}

TEST(LinkSource, SourceAndBinaryGoRoundUnchanged) {
    std::string err;
    auto first = Parse("TestMap 62 30 -> Waldweg 1 11\n"
                       "\"Alter Wald\" 0 0 -> \"\" 9 9 # an empty name\n"
                       "H\xc3\xb6hle 65535 3 -> TestMap 4 5\n",
                       err);
    ASSERT_EQ(err, "");
    std::string text;
    ASSERT_EQ(FormatLinkText(first, text), "");
    auto second = Parse(text, err);
    ASSERT_EQ(err, "") << text;
    EXPECT_EQ(Binary(second), Binary(first));
    std::string again;
    ASSERT_EQ(FormatLinkText(second, again), "");
    EXPECT_EQ(again, text);
    // A name the source cannot write is refused, not garbled.
    second[0].link.ZielMap = u"Der \"Wald\"";
    EXPECT_NE(FormatLinkText(second, text), "");
}

TEST(LinkSource, ConnectionsAreCheckedAgainstTheMaps) {
    std::string dir = (testsupport::ScratchDir() / "link-maps").string();
    MapGrid dorf;
    dorf.Create(10, 8);
    dorf.Tile(2, 3, 1) = 577; // the exit marker
    dorf.Tile(4, 4, 2) = 150; // a wall
    testsupport::WriteFile("link-maps/Dorf.Map", EncodeMap(dorf));
    auto check = [&](const std::string& line) {
        std::string err;
        auto list = Parse("# maps\n" + line + "\n", err);
        EXPECT_EQ(err, "");
        return CheckLinksAgainstMaps(list, "links.txt", dir);
    };
    EXPECT_EQ(check("Dorf 2 3 -> Dorf 9 7"), "");
    EXPECT_EQ(check("Dorf 2 3 -> Wald 1 1"),
              "links.txt:2: there is no map \"Wald\" (" + dir + "/Wald.Map)");
    EXPECT_EQ(check("Dorf 2 8 -> Dorf 1 1"),
              "links.txt:2: the start cell (2, 8) lies outside Dorf of 10 x 8 cells");
    EXPECT_NE(check("Dorf 3 3 -> Dorf 1 1").find("carries no exit marker"), std::string::npos);
    EXPECT_EQ(check("Dorf 2 3 -> Dorf 10 0"),
              "links.txt:2: the destination cell (10, 0) lies outside Dorf of 10 x 8 cells");
    EXPECT_EQ(check("Dorf 2 3 -> Dorf 4 4"),
              "links.txt:2: the destination cell (4, 4) of Dorf is blocked in layer 2");
}
