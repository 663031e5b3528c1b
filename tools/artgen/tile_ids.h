// Frame numbers of the two tilesets made by vessara-artgen, for map authors
// and map-building code. A map cell names a sheet (0 = Tileset1, 1 =
// Tileset2) and a frame; frame n lies at column n % 32, row n / 32.
//
// Terrain blends (dirt, sand, water, cobblestone over grass) are sets of 16
// frames: frame = base + corner mask, where the mask has bit 1 for the
// cell's top-left corner, 2 top-right, 4 bottom-left and 8 bottom-right set
// when that corner is covered by the terrain (mask 15 = all terrain, 0 = all
// grass). Fences and stone walls are sets of 16 too: frame = base + joins,
// with bit 1 = joins north, 2 = east, 4 = south, 8 = west.
#pragma once

namespace tiles {

constexpr int kSheetGround = 0;  // Tileset1.png
constexpr int kSheetObjects = 1; // Tileset2.png

// ---- Tileset1 (sheet 0): ground, layers 0 and 1
constexpr int kGrass = 1; // plain grass: default ground, also the invisible obstacle mark
constexpr int kGrassDark = 2;
constexpr int kGrassLight = 3;
constexpr int kGrassTufts = 4;
constexpr int kGrassPebbles = 5;
constexpr int kGrassFlowersRed = 6;
constexpr int kGrassFlowersBlue = 7;
constexpr int kGrassClover = 8;
constexpr int kGrassMushrooms = 9;
constexpr int kGrassLeaves = 10;
constexpr int kGrassTall = 11;
constexpr int kDirt = 16;
constexpr int kDirtStones = 17;
constexpr int kSand = 18;
constexpr int kSandShells = 19;
constexpr int kCobble = 20;
constexpr int kCobbleMossy = 21;
constexpr int kStoneFloor = 22;
constexpr int kStoneFloorWorn = 23;
constexpr int kWoodFloor = 24;
constexpr int kWoodFloorDark = 25;
constexpr int kWater = 26;
constexpr int kWaterLilies = 27;
constexpr int kFarmland = 28;
constexpr int kFarmlandSprouts = 29;
constexpr int kBridgeH = 30; // planks crossing water from left to right
constexpr int kBridgeV = 31; // planks crossing water from top to bottom

constexpr int kDirtBlend = 32;   // + corner mask (32..47)
constexpr int kSandBlend = 48;   // + corner mask (48..63)
constexpr int kWaterBlend = 64;  // + corner mask (64..79), grass shore
constexpr int kCobbleBlend = 80; // + corner mask (80..95)
// the end cells of a bridge, laid over the water blend of the same corner
// mask, so that the strips beside the beams continue the bank; a sill beam
// where an end rests on land
constexpr int kBridgeHShore = 96;  // + corner mask (96..111)
constexpr int kBridgeVShore = 112; // + corner mask (112..127)

// ground details (layer 1, transparent around the picture)
constexpr int kDetailFlowers = 576;
constexpr int kExitMarker = 577; // map exit: stone doorstep with arrows
constexpr int kDetailPebbles = 578;
constexpr int kDetailTuft = 579;
constexpr int kDetailLeaves = 580;
constexpr int kDetailPuddle = 581;
constexpr int kOldFlagstones = 582; // 582 whole, 583 broken and mossy, 584 a few slabs in the grass

// ---- Tileset2 (sheet 1): objects (layer 2, blocking) and overhead parts (layer 3)
constexpr int kBush = 1;
constexpr int kBushBerries = 2;
constexpr int kShrubFlowers = 3;
constexpr int kRockSmall = 4;
constexpr int kRockLarge = 5;
constexpr int kRockMossy = 6;
constexpr int kBarrel = 7;
constexpr int kBarrels = 8;
constexpr int kCrate = 9;
constexpr int kCrates = 10;
constexpr int kChest = 11;
constexpr int kChestOpen = 12;
constexpr int kSignpost = 13;
constexpr int kPotRed = 14;
constexpr int kPotYellow = 15;
constexpr int kPotBlue = 16;
constexpr int kStump = 17;
constexpr int kLogPile = 18;
constexpr int kHayBale = 19;
constexpr int kSack = 20;
constexpr int kWellSmall = 21;
constexpr int kGravestone = 22;

// trees: crown 2 x 2 (overhead, rows 1-2), trunk 2 x 1 below it (object, row 3)
constexpr int kOakCrown = 32;        // 32, 33 / 64, 65
constexpr int kOakTrunk = 96;        // 96, 97
constexpr int kFirCrown = 34;        // 34, 35 / 66, 67
constexpr int kFirTrunk = 98;        // 98, 99
constexpr int kExitMarkerRoad = 100; // map exit (layer 1): ring of stones round an arrow
constexpr int kBirchCrown = 37;      // 37, 38 / 69, 70
constexpr int kBirchTrunk = 101;     // 101, 102

constexpr int kFence = 128;     // + joins (128..143)
constexpr int kStoneWall = 144; // + joins (144..159)

// roofs (overhead): 3 x 3 pieces, columns left / middle (repeat) / right,
// rows ridge / slope (repeat) / eaves
constexpr int kRoofRed = 192;   // 192..194, 224..226, 256..258
constexpr int kRoofSlate = 196; // 196..198, 228..230, 260..262

// house walls (object): upper row 288.., lower row 320..; columns left
// corner, plain, window, door, right corner
constexpr int kTimberWallUpper = 288;
constexpr int kTimberWallLower = 320;
constexpr int kStoneHouseUpper = 296;
constexpr int kStoneHouseLower = 328;
constexpr int kWallLeft = 0, kWallPlain = 1, kWallWindow = 2, kWallDoor = 3, kWallRight = 4;

// well with roof: roof 352, 353 (overhead), base 384, 385 (object)
constexpr int kWellRoof = 352;
constexpr int kWellBase = 384;
// gate arch: arch 355..357 (overhead), pillars 387 and 389 (object), 388 is the passage
constexpr int kGateArch = 355;
constexpr int kGatePillarLeft = 387;
constexpr int kGatePillarRight = 389;

// the old mine: a rock outcrop 3 x 2 (object) with the timbered opening in
// the middle of its lower row, a spoil heap and an ore cart on rails
constexpr int kMineFace = 416; // 416..418 top row, 448..450 bottom row
constexpr int kSpoilHeap = 419;
constexpr int kOreCart = 420;

// the old ruins: broken stone walls, + joins like the garden wall (480..495),
// a pillar's stump, a column lying two cells long (left 497, right 498) and
// a heap of cut blocks
constexpr int kRuinWall = 480;
constexpr int kBrokenPillar = 496;
constexpr int kFallenColumn = 497;
constexpr int kRuinRubble = 499;

// the watchtower, 3 cells wide and 6 high: frame kTower + row * 32 + col;
// rows 0..3 overhead, rows 4 and 5 (with the door) objects
constexpr int kTower = 544;

} // namespace tiles
