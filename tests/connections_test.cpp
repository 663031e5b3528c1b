// Map connections: the binary file, the loader's refusals, the exit check
// of walking and the map change with its camera.
#include "test_support.h"

#include "data/collections.h"
#include "data/connection_format.h"
#include "shell/shell.h"
#include "world/world.h"

#include <tuple>

namespace fs = std::filesystem;

namespace {
TVerbindung Link(const Str& from, int x, int y, const Str& to, int zx, int zy) {
    TVerbindung v;
    v.StartMap = from;
    v.X = (uint16_t)x;
    v.Y = (uint16_t)y;
    v.ZielMap = to;
    v.ZielX = (uint16_t)zx;
    v.ZielY = (uint16_t)zy;
    return v;
}

bool Same(const TVerbindung& a, const TVerbindung& b) {
    return a.StartMap == b.StartMap && a.X == b.X && a.Y == b.Y && a.ZielMap == b.ZielMap &&
           a.ZielX == b.ZielX && a.ZielY == b.ZielY;
}

// One marker in layer 1: cell, tileset, frame.
using Marker = std::tuple<int, int, int, int>;

class ConnectionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = testsupport::ScratchDir() / "connections" / info->name();
        fs::create_directories(dir_ / "Data/Maps");
        ASSERT_TRUE(ChangeDirectory(dir_.string()));
        // "Dorf" 30 x 20 with the two exit markers and two look-alikes that
        // are none; "Wald" 40 x 30; "Hoehle" 25 x 18.
        WriteMap("Dorf", 30, 20, {{5, 5, 0, 577}, {6, 5, 1, 100}, {7, 5, 1, 577}, {8, 5, 0, 100}});
        WriteMap("Wald", 40, 30, {});
        WriteMap("Hoehle", 25, 18, {});
        LoadMap(u"Dorf");
        CurrentMapName = u"Dorf";
    }

    void WriteMap(const std::string& name, int cols, int rows, const std::vector<Marker>& marks) {
        MapGrid m;
        m.Create(cols, rows);
        for (auto [x, y, sheet, frame] : marks) {
            m.Tile(x, y, 1) = (uint16_t)frame;
            m.Sheet(x, y, 1) = (uint8_t)sheet;
        }
        ASSERT_TRUE(WriteWholeFile((dir_ / "Data/Maps" / (name + ".Map")).string(), EncodeMap(m)));
    }

    void WriteLinks(const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile((dir_ / "Data/Verbindungen.link").string(), bytes));
    }

    void Use(const std::vector<TVerbindung>& links) {
        for (const TVerbindung& v : links) ConnectionList->AddLast(new TVerbindung(v));
    }

    static void Place(int x, int y) {
        TCharakter& p = *Player;
        p.px = (float)x;
        p.py = (float)y;
        p.px_alt = x;
        p.py_alt = y;
        p.ppx = x * kCell;
        p.ppy = y * kCell;
        p.aa = 0;
    }

    // The error LoadConnections stops with ("" when it loads).
    static std::string LoadError() {
        try {
            LoadConnections();
        } catch (const DataError& e) {
            return e.where + ": " + e.reason;
        }
        return "";
    }

    fs::path dir_;
};
} // namespace

TEST(ConnectionFormat, RecordsSurviveEncodingAndAnEmptyFileHoldsNone) {
    std::vector<TVerbindung> in = {Link(u"TestMap", 62, 30, u"Waldweg", 1, 11),
                                   Link(u"H\u00f6hle", 65535, 0, u"", 0, 258)};
    std::vector<TVerbindung> out;
    int bad = -1;
    ASSERT_EQ(ParseConnections(EncodeConnections(in), out, bad), "");
    ASSERT_EQ(out.size(), 2u);
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_TRUE(Same(in[i], out[i])) << i;
        EXPECT_EQ(out[i].Nr, i);
    }
    // The name is one byte a character, the numbers little-endian.
    EXPECT_EQ(EncodeConnections({in[1]}),
              std::string("H\xf6hle\n\xff\xff\x00\x00\n\x00\x00\x02\x01", 15));
    EXPECT_EQ(ParseConnections("", out, bad), "");
    EXPECT_TRUE(out.empty());
}

TEST(ConnectionFormat, CarriageReturnsAreDroppedAndAZeroByteEndsAName) {
    using namespace std::string_literals;
    std::string bytes = "Dorf\r\n\x05\x00\x06\x00"s + "Wa\rld\0\x07\x00\x08\x00"s;
    std::vector<TVerbindung> out;
    int bad = 0;
    ASSERT_EQ(ParseConnections(bytes, out, bad), "");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_TRUE(Same(out[0], Link(u"Dorf", 5, 6, u"Wald", 7, 8)));
}

TEST(ConnectionFormat, AFileCutInsideARecordNamesThatRecord) {
    std::string one = EncodeConnections({Link(u"Dorf", 5, 5, u"Wald", 3, 3)});
    std::string two = one + EncodeConnections({Link(u"Wald", 1, 2, u"Dorf", 4, 4)});
    std::vector<TVerbindung> out;
    for (size_t cut = 1; cut < two.size(); ++cut) {
        int bad = 0;
        std::string why = ParseConnections(two.substr(0, cut), out, bad);
        if (cut == one.size()) {
            EXPECT_EQ(why, "") << cut;
            EXPECT_EQ(out.size(), 1u);
        } else {
            EXPECT_NE(why, "") << cut;
            EXPECT_EQ(bad, cut < one.size() ? 1 : 2) << cut;
        }
    }
    // A line feed too many after the last record starts a record of its own.
    int bad = 0;
    EXPECT_NE(ParseConnections(two + "\n", out, bad), "");
    EXPECT_EQ(bad, 3);
}

TEST_F(ConnectionsTest, LoaderReadsInFileOrderOrStopsNamingTheRecord) {
    WriteLinks("");
    EXPECT_EQ(LoadError(), "");
    EXPECT_TRUE(ConnectionList->Empty());

    std::vector<TVerbindung> good = {Link(u"Dorf", 5, 5, u"Wald", 39, 29),
                                     Link(u"Wald", 1, 1, u"Dorf", 0, 0)};
    WriteLinks(EncodeConnections(good));
    EXPECT_EQ(LoadError(), "");
    ASSERT_EQ(ConnectionList->Count(), 2);
    EXPECT_TRUE(Same(*ConnectionList->First(), good[0]));
    EXPECT_EQ(ConnectionList->First()->Nr, 0);

    // A destination map without a file, in the second record.
    ConnectionList->Clear();
    WriteLinks(EncodeConnections({good[0], Link(u"Wald", 1, 1, u"Sumpf", 2, 2)}));
    EXPECT_EQ(LoadError(), "Data/Verbindungen.link, record 2: names the map \"Sumpf\", but "
                           "Data/Maps/Sumpf.Map is missing");
    // A destination cell outside its map.
    ConnectionList->Clear();
    WriteLinks(EncodeConnections({Link(u"Dorf", 5, 5, u"Wald", 40, 3)}));
    EXPECT_EQ(LoadError(), "Data/Verbindungen.link, record 1: the destination cell (40, 3) lies "
                           "outside the map \"Wald\" of 40 x 30 cells");
    // A file that stops inside its second record.
    ConnectionList->Clear();
    std::string bytes = EncodeConnections(good);
    WriteLinks(bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(LoadError(), "Data/Verbindungen.link, record 2: the file ends inside this "
                           "record: the destination cell is cut short");
    // No file at all.
    fs::remove(dir_ / "Data/Verbindungen.link");
    EXPECT_NE(LoadError().find("Data/Verbindungen.link: "), std::string::npos);
}

TEST_F(ConnectionsTest, OnlyAnExitMarkerUnderAStandingPlayerChangesTheMap) {
    Use({Link(u"Dorf", 7, 5, u"Wald", 1, 1), Link(u"Dorf", 8, 5, u"Wald", 1, 1),
         Link(u"Dorf", 9, 5, u"Wald", 1, 1), Link(u"Wald", 5, 5, u"Hoehle", 1, 1)});
    // Frame 577 of tileset 1, frame 100 of tileset 0, and no marker at all.
    for (int x : {7, 8, 9}) {
        Place(x, 5);
        CheckMapExit();
        EXPECT_EQ(CurrentMapName, u"Dorf") << x;
    }
    // The marker cell, but the connection starts on another map.
    Place(5, 5);
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Dorf");

    // Both markers work, but not while a step is pending.
    ConnectionList->Clear();
    Use({Link(u"Dorf", 5, 5, u"Wald", 20, 15), Link(u"Dorf", 6, 5, u"Wald", 21, 15)});
    Place(6, 5);
    Player->aa = 1;
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Dorf");
    Player->aa = 0;
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Wald");
    EXPECT_EQ(Player->px, 21);
    EXPECT_EQ(Map.w, 40);
    LoadMap(u"Dorf");
    CurrentMapName = u"Dorf";
    Place(5, 5);
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Wald");
    EXPECT_EQ(Player->px, 20);
    EXPECT_EQ(Player->py, 15);
}

TEST_F(ConnectionsTest, TheScanGoesOnFromTheNewMapAfterAChange) {
    // Two connections from one cell: the first is taken; the second then
    // starts on the old map and is passed over; the third starts where the
    // first arrived and is taken at once, though that cell has no marker.
    Use({Link(u"Dorf", 5, 5, u"Wald", 3, 3), Link(u"Dorf", 5, 5, u"Hoehle", 2, 2),
         Link(u"Wald", 3, 3, u"Dorf", 10, 10)});
    Place(5, 5);
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Dorf");
    EXPECT_EQ(Player->px, 10);
    EXPECT_EQ(Player->py, 10);
    EXPECT_EQ(CurrentConnection, ConnectionList->Last());

    // With the order turned round, the first taken leads to "Hoehle".
    ConnectionList->Clear();
    Use({Link(u"Dorf", 5, 5, u"Hoehle", 2, 2), Link(u"Dorf", 5, 5, u"Wald", 3, 3)});
    Place(5, 5);
    CheckMapExit();
    EXPECT_EQ(CurrentMapName, u"Hoehle");
    EXPECT_EQ(Map.w, 25);
}

TEST_F(ConnectionsTest, TheCameraCentresOnTheArrivalAsFarAsTheMapAllows) {
    struct {
        int x, y, camX, camY;
    } cases[] = {
        {20, 15, 20 * 48 - 512, 15 * 48 - 384}, // the middle: centred
        {1, 1, 0, 0},                            // the top left corner
        {38, 28, 39 * 48 - 1024, 29 * 48 - 768}, // the bottom right corner
        {1, 28, 0, 29 * 48 - 768},
    };
    for (const auto& c : cases) {
        ConnectionList->Clear();
        Use({Link(u"Dorf", 5, 5, u"Wald", c.x, c.y)});
        LoadMap(u"Dorf");
        CurrentMapName = u"Dorf";
        Place(5, 5);
        CameraX = CameraY = 0;
        UpdatePlayer();
        EXPECT_EQ(CurrentMapName, u"Wald");
        EXPECT_EQ(CameraX, c.camX) << c.x << "," << c.y;
        EXPECT_EQ(CameraY, c.camY) << c.x << "," << c.y;
        // He holds his new cell.
        EXPECT_EQ(MapTiles(c.x, c.y, 2), 1);
        EXPECT_EQ(Player->ppx, c.x * 48);
        EXPECT_EQ(Player->px_alt, c.x);
    }
}
