// The pictures of the game folder fit together: grass tiles meet without a
// seam (also on the maps as they are laid out), tree crowns sit on their
// trunks, doors are tall enough for the figures that walk through them,
// the dirt has no regular dots, and the enemies' health bars, drawn at one
// height over every enemy's cell, sit just above each enemy's head; the
// ruins' walls run on across their joins and the watchtower has a door
// and its light from the left and stands on blocked cells.
#include "test_support.h"

#include "data/map_format.h"
#include "mapfile.h"
#include "media/backend.h"
#include "../tools/artgen/tile_ids.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kT = 48;

struct Picture {
    Pixmap pm;
    uint32_t At(int x, int y) const {
        const uint8_t* p = &pm.rgba[(static_cast<size_t>(y) * pm.width + x) * 4];
        return static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    }
    // White is the mask of most pictures, this green that of the player's
    // layers.
    bool Painted(int x, int y) const {
        uint32_t c = At(x, y);
        return c != 0xFFFFFF && c != 0x209C00;
    }
};

const Picture& Load(const std::string& rel) {
    static std::map<std::string, Picture> cache;
    auto it = cache.find(rel);
    if (it != cache.end()) return it->second;
    Picture& p = cache[rel];
    std::string err;
    std::u8string u8 = (fs::path(testsupport::GameDir()) / fs::path(std::u8string(rel.begin(), rel.end()))).u8string();
    EXPECT_TRUE(LoadPixmapPNG(std::string(u8.begin(), u8.end()), p.pm, err)) << rel << ": " << err;
    return p;
}

int R(uint32_t c) { return c >> 16 & 255; }
int G(uint32_t c) { return c >> 8 & 255; }
int B(uint32_t c) { return c & 255; }
int Diff(uint32_t a, uint32_t b) {
    return std::abs(R(a) - R(b)) + std::abs(G(a) - G(b)) + std::abs(B(a) - B(b));
}
int Luma(uint32_t c) { return (R(c) * 30 + G(c) * 59 + B(c) * 11) / 100; }

// Pixel (x, y) of frame f of a 32-frame-wide tileset.
uint32_t TilePixel(const Picture& sheet, int f, int x, int y) {
    return sheet.At((f % 32) * kT + x, (f / 32) * kT + y);
}

// A map's ground seam between two neighbouring cells: how much more the
// colours change across their shared edge than they change one pixel
// inside each of the two tiles (RGB difference summed, mean over the edge).
double SeamExcess(const Picture& sheet, int fa, int fb, bool horizontal) {
    double across = 0, inside = 0;
    for (int k = 0; k < kT; ++k) {
        uint32_t a1, a0, b0, b1; // a1 a0 | b0 b1
        if (horizontal) {
            a1 = TilePixel(sheet, fa, 46, k), a0 = TilePixel(sheet, fa, 47, k);
            b0 = TilePixel(sheet, fb, 0, k), b1 = TilePixel(sheet, fb, 1, k);
        } else {
            a1 = TilePixel(sheet, fa, k, 46), a0 = TilePixel(sheet, fa, k, 47);
            b0 = TilePixel(sheet, fb, k, 0), b1 = TilePixel(sheet, fb, k, 1);
        }
        across += Diff(a0, b0);
        inside += (Diff(a1, a0) + Diff(b0, b1)) / 2.0;
    }
    return (across - inside) / kT;
}

} // namespace

TEST(ArtCoherence, GrassVariantsMeetPlainGrassWithoutASeam) {
    const Picture& sheet = Load("Grafik/Tileset1.png");
    for (int f = tiles::kGrass + 1; f <= tiles::kGrassTall; ++f) {
        int differing = 0;
        for (int k = 0; k < kT; ++k)
            for (auto [x, y] : {std::pair{k, 0}, {k, kT - 1}, {0, k}, {kT - 1, k}})
                differing += TilePixel(sheet, f, x, y) != TilePixel(sheet, tiles::kGrass, x, y);
        EXPECT_EQ(differing, 0) << "grass frame " << f << " differs from plain grass on its border";
    }
}

// A blend frame whose four corners are all terrain is the plain terrain
// tile, pixel for pixel, so the inside of a pond or a road meets its
// blended rim without a change of tone.
TEST(ArtCoherence, FullBlendFramesAreThePlainTerrain) {
    const Picture& sheet = Load("Grafik/Tileset1.png");
    const std::pair<int, int> terrains[] = {{tiles::kDirtBlend, tiles::kDirt},
                                            {tiles::kSandBlend, tiles::kSand},
                                            {tiles::kWaterBlend, tiles::kWater},
                                            {tiles::kCobbleBlend, tiles::kCobble}};
    for (auto [blend, plain] : terrains) {
        int differing = 0;
        for (int y = 0; y < kT; ++y)
            for (int x = 0; x < kT; ++x)
                differing += TilePixel(sheet, blend + 15, x, y) != TilePixel(sheet, plain, x, y);
        EXPECT_EQ(differing, 0) << "blend frame " << blend + 15 << " against frame " << plain;
    }
}

// Where two ground frames may show an edge: a dirt road meeting
// cobblestones, the edge of a ploughed field, a bridge or a floor.
bool MaterialEdge(int a, int b) {
    auto made = [](int f) {
        return (f >= tiles::kStoneFloor && f <= tiles::kBridgeV) ||
               (f >= tiles::kBridgeHShore && f < tiles::kBridgeVShore + 16);
    };
    auto dirt = [](int f) {
        return f == tiles::kDirt || f == tiles::kDirtStones ||
               (f >= tiles::kDirtBlend && f < tiles::kDirtBlend + 16);
    };
    auto cobble = [](int f) {
        return f == tiles::kCobble || f == tiles::kCobbleMossy ||
               (f >= tiles::kCobbleBlend && f < tiles::kCobbleBlend + 16);
    };
    // a road running up to a bridge over a river ends at the bank
    auto water = [](int f) { return f >= tiles::kWaterBlend && f < tiles::kWaterBlend + 16; };
    return made(a) || made(b) || (dirt(a) && (cobble(b) || water(b))) ||
           (dirt(b) && (cobble(a) || water(a)));
}

// Every map of the game folder, read, with its file name.
std::vector<std::pair<std::string, MapData>> GameMaps() {
    std::vector<std::pair<std::string, MapData>> maps;
    fs::path dir = fs::path(testsupport::GameDir()) / "Data" / "Maps";
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".Map") continue;
        MapData m;
        EXPECT_EQ(ReadMapFile(e.path().string(), m), "");
        maps.emplace_back(e.path().filename().string(), std::move(m));
    }
    return maps;
}

// A bridge's strips beside its beams continue what lies above and below it
// (left and right of a bridge from top to bottom): open water in the
// middle, the bank at its ends.
TEST(ArtCoherence, BridgesContinueTheBankBesideThem) {
    const Picture& sheet = Load("Grafik/Tileset1.png");
    int bridges = 0;
    for (const auto& [name, m] : GameMaps()) {
        for (int x = 0; x < m.w; ++x)
            for (int y = 0; y < m.h; ++y) {
                int f = m.Tile(x, y, 0);
                if (m.Sheet(x, y, 0) != 0) continue;
                bool across = f == tiles::kBridgeH || (f >= tiles::kBridgeHShore && f < tiles::kBridgeHShore + 16);
                bool down = f == tiles::kBridgeV || (f >= tiles::kBridgeVShore && f < tiles::kBridgeVShore + 16);
                if (!across && !down) continue;
                ++bridges;
                // across: the cells above and below; down: left and right
                int dx = down ? 1 : 0, dy = across ? 1 : 0;
                for (int side : {-1, 1}) {
                    int nx = x + side * dx, ny = y + side * dy;
                    if (!m.Inside(nx, ny) || m.Sheet(nx, ny, 0) != 0) continue;
                    int g = m.Tile(nx, ny, 0);
                    double s = side < 0 ? SeamExcess(sheet, g, f, down) : SeamExcess(sheet, f, g, down);
                    EXPECT_LE(s, 40) << name << ": bridge frame " << f << " at "
                                     << x << "," << y << " against frame " << g;
                }
            }
    }
    EXPECT_GT(bridges, 0);
}

// Every ground cell of every map of the game folder meets its right and
// lower neighbour without a visible seam, except where two materials meet
// (MaterialEdge).
TEST(ArtCoherence, MapsShowNoSeamsOnTheGround) {
    const Picture& sheet = Load("Grafik/Tileset1.png");
    int maps = 0;
    for (const auto& [name, m] : GameMaps()) {
        ++maps;
        std::map<std::string, std::string> seams; // frames -> where first seen
        for (int x = 0; x < m.w; ++x)
            for (int y = 0; y < m.h; ++y) {
                if (m.Sheet(x, y, 0) != 0) continue;
                for (bool horizontal : {true, false}) {
                    int nx = x + horizontal, ny = y + !horizontal;
                    if (!m.Inside(nx, ny) || m.Sheet(nx, ny, 0) != 0) continue;
                    int fa = m.Tile(x, y, 0), fb = m.Tile(nx, ny, 0);
                    // (a frame repeats seamlessly against itself: see the tile tests)
                    if (fa == fb || MaterialEdge(fa, fb)) continue;
                    double s = SeamExcess(sheet, fa, fb, horizontal);
                    std::string pair = std::to_string(fa) + (horizontal ? " | " : " / ") + std::to_string(fb);
                    if (s > 40 && !seams.count(pair))
                        seams[pair] = "first at cell " + std::to_string(x) + "," + std::to_string(y);
                }
            }
        std::string list;
        for (const auto& [pair, where] : seams) list += "\n  " + pair + ", " + where;
        EXPECT_TRUE(seams.empty()) << name << " has ground seams:" << list;
    }
    EXPECT_GE(maps, 2);
}

TEST(ArtCoherence, TreeCrownsRestOnTheirTrunks) {
    const Picture& sheet = Load("Grafik/Tileset2.png");
    const std::pair<int, int> trees[] = {{tiles::kOakCrown, tiles::kOakTrunk},
                                         {tiles::kFirCrown, tiles::kFirTrunk},
                                         {tiles::kBirchCrown, tiles::kBirchTrunk}};
    for (auto [crown, trunk] : trees) {
        SCOPED_TRACE("crown frame " + std::to_string(crown));
        int trunkColumns = 0, open = 0;
        for (int half = 0; half < 2; ++half)
            for (int x = 0; x < kT; ++x) {
                if (!sheet.Painted((trunk % 32 + half) * kT + x, (trunk / 32) * kT)) continue;
                ++trunkColumns;
                // the crown's lowest row (bottom row of its 2 x 2 frames)
                int cx = (crown % 32 + half) * kT + x, cy = (crown / 32 + 1) * kT + kT - 1;
                open += !sheet.Painted(cx, cy);
            }
        EXPECT_GT(trunkColumns, 6);
        EXPECT_EQ(open, 0) << "columns where the trunk's top shows no crown above it";
    }
}

// The tallest standing figure (the player's layers and every NPC) in its
// 72 x 96 cell, facing the viewer.
int FigureHeight() {
    std::vector<std::string> strips = {"Grafik/Charakter/Groß/Körper_Mensch.png",
                                       "Grafik/Charakter/Groß/Haare3.png",
                                       "Grafik/Items/Groß/Startkleidung.png"};
    for (const auto& e : fs::directory_iterator(fs::path(testsupport::GameDir()) / "Grafik/NPCs/Charaktere"))
        strips.push_back("Grafik/NPCs/Charaktere/" + e.path().filename().string());
    int top = 96, bottom = -1, tallest = 0;
    for (const std::string& s : strips) {
        const Picture& p = Load(s);
        bool player = s.find("Charakter/") != std::string::npos || s.find("Items/") != std::string::npos;
        if (!player) top = 96, bottom = -1;
        for (int y = 0; y < 96; ++y)
            for (int x = 72; x < 144; ++x) // standing, facing down: column 1, row 2
                if (p.Painted(x, 2 * 96 + y)) top = std::min(top, y), bottom = std::max(bottom, y);
        tallest = std::max(tallest, bottom - top + 1);
    }
    return tallest;
}

// The door of a house wall: the run of dark (wood, frame, iron) pixels up
// its middle, from the step in the lower piece into the upper piece.
int DoorHeight(const Picture& sheet, int upper, int lower) {
    int run = 0, best = 0;
    for (int y = 0; y < 2 * kT; ++y) {
        int f = y < kT ? upper : lower;
        bool dark = Luma(TilePixel(sheet, f, 24, y % kT)) < 100;
        run = dark ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

TEST(ArtCoherence, DoorsAreTallerThanTheFigures) {
    const Picture& sheet = Load("Grafik/Tileset2.png");
    int figure = FigureHeight();
    EXPECT_GT(figure, 50);
    using namespace tiles;
    EXPECT_GE(DoorHeight(sheet, kTimberWallUpper + kWallDoor, kTimberWallLower + kWallDoor), figure);
    EXPECT_GE(DoorHeight(sheet, kStoneHouseUpper + kWallDoor, kStoneHouseLower + kWallDoor), figure);
}

TEST(ArtCoherence, DirtHasNoFlatDotsOrGreySpots) {
    const Picture& sheet = Load("Grafik/Tileset1.png");
    for (int f : {tiles::kDirt, tiles::kDirtBlend + 15}) {
        SCOPED_TRACE("frame " + std::to_string(f));
        std::vector<int> warmth;
        for (int y = 0; y < kT; ++y)
            for (int x = 0; x < kT; ++x) {
                uint32_t c = TilePixel(sheet, f, x, y);
                warmth.push_back(R(c) - B(c));
            }
        std::vector<int> sorted = warmth;
        std::sort(sorted.begin(), sorted.end());
        int median = sorted[sorted.size() / 2];
        int grey = static_cast<int>(std::count_if(warmth.begin(), warmth.end(),
                                                  [&](int w) { return w * 2 < median; }));
        EXPECT_EQ(grey, 0) << "pixels much greyer than the earth around them";
        // a dot of one flat colour, 3 x 3 pixels, would repeat on every tile
        int flat = 0;
        for (int y = 0; y + 2 < kT; ++y)
            for (int x = 0; x + 2 < kT; ++x) {
                uint32_t c = TilePixel(sheet, f, x, y);
                bool same = true;
                for (int j = 0; j < 3 && same; ++j)
                    for (int i = 0; i < 3 && same; ++i) same = TilePixel(sheet, f, x + i, y + j) == c;
                flat += same;
            }
        EXPECT_EQ(flat, 0);
    }
}

// The game draws a small health bar 43 px above an enemy's map cell, that is
// at rows 5..9 of its 72 x 96 picture cell: every enemy's head (or ears)
// must come within a short gap under it in every frame (the goblin, the
// smallest, leaves the largest, 28 px), not float far below it nor reach
// into it.
TEST(ArtCoherence, HealthBarSitsJustAboveEveryEnemy) {
    for (int n = 1; n <= 6; ++n) {
        std::string path = "Grafik/Gegner/Gegner" + std::to_string(n) + ".png";
        const Picture& p = Load(path);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col) {
                int top = 96;
                for (int y = 0; y < 96 && top == 96; ++y)
                    for (int x = 0; x < 72; ++x)
                        if (p.Painted(col * 72 + x, row * 96 + y)) {
                            top = y;
                            break;
                        }
                EXPECT_GE(top, 12) << path << " cell " << col << "," << row;
                EXPECT_LE(top, 38) << path << " cell " << col << "," << row;
            }
    }
}

// A broken wall runs on into the next cell at its full height: where one
// piece joins east (or south) and the next joins west (or north), the two
// border columns (rows) show the same stones, so a wall of any pieces
// shows no step or gap at the cell border.
TEST(ArtCoherence, RuinWallsRunOnAcrossTheirJoins) {
    const Picture& sheet = Load("Grafik/Tileset2.png");
    for (int a = 0; a < 16; ++a)
        for (int b = 0; b < 16; ++b)
            for (bool horizontal : {true, false}) {
                int out = horizontal ? 2 : 4, in = horizontal ? 8 : 1;
                if (!(a & out) || !(b & in)) continue;
                int fa = tiles::kRuinWall + a, fb = tiles::kRuinWall + b;
                int gaps = 0, painted = 0;
                double across = 0, inside = 0;
                for (int k = 0; k < kT; ++k) {
                    // a1 a0 | b0 b1 across the border
                    auto at = [&](int f, int d) {
                        return horizontal ? std::pair{(f % 32) * kT + d, (f / 32) * kT + k}
                                          : std::pair{(f % 32) * kT + k, (f / 32) * kT + d};
                    };
                    auto [a1x, a1y] = at(fa, kT - 2);
                    auto [a0x, a0y] = at(fa, kT - 1);
                    auto [b0x, b0y] = at(fb, 0);
                    auto [b1x, b1y] = at(fb, 1);
                    bool pa = sheet.Painted(a0x, a0y), pb = sheet.Painted(b0x, b0y);
                    gaps += pa != pb;
                    if (!pa || !pb || !sheet.Painted(a1x, a1y) || !sheet.Painted(b1x, b1y)) continue;
                    ++painted;
                    across += Diff(sheet.At(a0x, a0y), sheet.At(b0x, b0y));
                    inside += (Diff(sheet.At(a1x, a1y), sheet.At(a0x, a0y)) +
                               Diff(sheet.At(b0x, b0y), sheet.At(b1x, b1y))) / 2.0;
                }
                SCOPED_TRACE("ruin wall " + std::to_string(a) + (horizontal ? " | " : " / ") + std::to_string(b));
                EXPECT_EQ(gaps, 0) << "the wall's outline steps at the border";
                EXPECT_GT(painted, 10);
                if (painted > 0) {
                    // no more change across the border than a pixel inside
                    EXPECT_LT((across - inside) / painted, 40) << "the stones change at the border";
                }
            }
}

// The watchtower's door is tall enough for the figures, and the tower is
// lit from the left like every other picture: its shaft is brighter on the
// left of its middle than on the right.
TEST(ArtCoherence, WatchtowerHasADoorAndItsLightFromTheLeft) {
    const Picture& sheet = Load("Grafik/Tileset2.png");
    using namespace tiles;
    EXPECT_GE(DoorHeight(sheet, kTower + 4 * 32 + 1, kTower + 5 * 32 + 1), FigureHeight());
    long left = 0, right = 0;
    for (int y = 0; y < kT; ++y) // the shaft's middle, between battlements and door
        for (int x = 0; x < kT; ++x) {
            left += Luma(TilePixel(sheet, kTower + 3 * 32 + 0, x, y));
            right += Luma(TilePixel(sheet, kTower + 3 * 32 + 2, kT - 1 - x, y));
        }
    EXPECT_GT(left, right * 11 / 10);
}

// Figures must not walk into the watchtower: every overhead piece of its
// body stands over an obstacle, and its foot is an object, on every map
// that raises it.
TEST(ArtCoherence, WatchtowerStandsOnBlockedCells) {
    int towers = 0;
    for (const auto& [name, m] : GameMaps())
        for (int x = 0; x < m.w; ++x)
            for (int y = 0; y < m.h; ++y)
                for (int layer : {2, 3}) {
                    if (m.Sheet(x, y, layer) != tiles::kSheetObjects) continue;
                    int f = m.Tile(x, y, layer), row = (f - tiles::kTower) / 32, col = (f - tiles::kTower) % 32;
                    if (f < tiles::kTower || row > 5 || col > 2) continue;
                    if (layer == 3) {
                        ++towers;
                        EXPECT_NE(m.Tile(x, y, 2), 0) << name << " " << x << "," << y << ": the tower over a free cell";
                        EXPECT_LE(row, 3) << name << " " << x << "," << y;
                    } else {
                        EXPECT_GE(row, 4) << name << " " << x << "," << y << ": the tower's body in the object layer";
                    }
                }
    EXPECT_GT(towers, 0);
}
