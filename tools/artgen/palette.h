// The named colours of the game's pictures, by material. Painters take
// their colours from here; shading (Scale, Lighter, Darker, Mix) is done
// where the colour is used.
#pragma once

#include "color.h"

namespace art::pal {

// What Lighter and Darker mix towards.
constexpr Color kWarmWhite = Rgb(252, 246, 228);
constexpr Color kNearBlack = Rgb(20, 14, 10);

// ---- skin, lips and blush
namespace skin {
constexpr Color kAlwine = Rgb(228, 190, 166);
constexpr Color kAlwineLips = Rgb(146, 86, 84);
constexpr Color kDeepRed = Rgb(66, 40, 34);
constexpr Color kDefault = Rgb(234, 186, 146);
constexpr Color kDefaultLips = Rgb(150, 78, 66);
constexpr Color kDietmar = Rgb(226, 174, 134);
constexpr Color kHelka = Rgb(232, 192, 164);
constexpr Color kHelkaLips = Rgb(150, 82, 78);
constexpr Color kJost = Rgb(236, 184, 142);
constexpr Color kLene = Rgb(242, 196, 160);
constexpr Color kLeneLips = Rgb(180, 90, 86);
constexpr Color kLightRed = Rgb(232, 120, 110);
constexpr Color kLightSalmon = Rgb(222, 170, 128);
constexpr Color kOlive = Rgb(116, 158, 70);
constexpr Color kOrtwin = Rgb(238, 178, 142);
constexpr Color kRuna = Rgb(236, 186, 150);
constexpr Color kRunaLips = Rgb(160, 80, 70);
constexpr Color kStranger = Rgb(210, 168, 136);
} // namespace skin

// ---- hair, brows and beards
namespace hair {
constexpr Color kAlwine = Rgb(208, 208, 204);
constexpr Color kDeepRust = Rgb(60, 40, 28);
constexpr Color kDefault = Rgb(112, 70, 36);
constexpr Color kDietmar = Rgb(94, 62, 38);
constexpr Color kHelka = Rgb(176, 176, 180);
constexpr Color kJost = Rgb(232, 196, 104);
constexpr Color kLene = Rgb(124, 76, 40);
constexpr Color kOrtwin = Rgb(118, 72, 38);
constexpr Color kRuna = Rgb(190, 70, 34);
constexpr Color kStranger = Rgb(40, 34, 32);
} // namespace hair

// ---- eyes
namespace eyes {
constexpr Color kAlwine = Rgb(110, 120, 70);
constexpr Color kDefaultEyes = Rgb(52, 38, 30);
constexpr Color kDietmar = Rgb(80, 100, 130);
constexpr Color kGold = Rgb(246, 206, 60);
constexpr Color kHelka = Rgb(70, 110, 96);
constexpr Color kJost = Rgb(70, 120, 170);
constexpr Color kKaspar = Rgb(120, 110, 70);
constexpr Color kLene = Rgb(110, 80, 44);
constexpr Color kOrtwin = Rgb(96, 62, 36);
constexpr Color kPortrait = Rgb(92, 70, 48);
constexpr Color kRuna = Rgb(84, 120, 70);
} // namespace eyes

// ---- cloth: tunics, trousers, cloaks, aprons, scarves
namespace cloth {
constexpr Color kAlwineSleeves = Rgb(106, 62, 134);
constexpr Color kAlwineTrim = Rgb(90, 78, 62);
constexpr Color kAlwineTunic = Rgb(112, 98, 80);
constexpr Color kBlack = Rgb(10, 8, 14);
constexpr Color kBlackEyes = Rgb(26, 20, 22);
constexpr Color kBlackHoodUp = Rgb(18, 14, 24);
constexpr Color kBrown = Rgb(150, 120, 70);
constexpr Color kDarkBrown = Rgb(88, 64, 40);
constexpr Color kDarkBrownBlade = Rgb(120, 96, 60);
constexpr Color kDarkBrownTunic = Rgb(112, 84, 54);
constexpr Color kDarkDullBrown = Rgb(86, 72, 52);
constexpr Color kDarkDullBrownUnder = Rgb(100, 84, 60);
constexpr Color kDarkDullRust = Rgb(70, 54, 40);
constexpr Color kDarkDullRustCloth = Rgb(70, 56, 50);
constexpr Color kDarkRust = Rgb(84, 54, 30);
constexpr Color kDarkRustCloak = Rgb(120, 80, 44);
constexpr Color kDarkRustGoblin = Rgb(86, 52, 30);
constexpr Color kDarkRustGoblin2 = Rgb(120, 74, 40);
constexpr Color kDarkRustHat = Rgb(134, 92, 54);
constexpr Color kDarkRustRobber = Rgb(126, 84, 46);
constexpr Color kDarkRustTunic = Rgb(112, 74, 42);
constexpr Color kDarkWarmGrey = Rgb(70, 64, 56);
constexpr Color kDeepRed = Rgb(60, 36, 30);
constexpr Color kDeepRust = Rgb(70, 44, 30);
constexpr Color kDefaultApron = Rgb(120, 82, 50);
constexpr Color kDefaultCloak = Rgb(70, 50, 90);
constexpr Color kDefaultHat = Rgb(222, 190, 112);
constexpr Color kDefaultHatBand = Rgb(132, 60, 44);
constexpr Color kDefaultHeadband = Rgb(190, 64, 60);
constexpr Color kDefaultScarf = Rgb(128, 128, 124);
constexpr Color kDefaultTabard = Rgb(52, 84, 160);
constexpr Color kDefaultTabardTrim = Rgb(214, 178, 80);
constexpr Color kDefaultTrim = Rgb(176, 152, 110);
constexpr Color kDefaultTrousers = Rgb(112, 90, 66);
constexpr Color kDefaultTunic = Rgb(206, 188, 146);
constexpr Color kDefaultUndershirt = Rgb(176, 166, 150);
constexpr Color kDietmarHat = Rgb(172, 178, 188);
constexpr Color kDietmarTabard = Rgb(46, 80, 164);
constexpr Color kDietmarTabardTrim = Rgb(222, 186, 76);
constexpr Color kDietmarTrim = Rgb(120, 126, 136);
constexpr Color kDietmarTrousers = Rgb(116, 82, 52);
constexpr Color kDietmarTunic = Rgb(150, 156, 166);
constexpr Color kDullTan = Rgb(158, 146, 120);
constexpr Color kGreen = Rgb(86, 140, 64);
constexpr Color kGreenOuterwear = Rgb(104, 156, 70);
constexpr Color kGrey = Rgb(150, 150, 156);
constexpr Color kHelkaTrim = Rgb(200, 166, 78);
constexpr Color kHelkaTunic = Rgb(40, 96, 62);
constexpr Color kJostTrim = Rgb(110, 74, 44);
constexpr Color kJostTrousers = Rgb(62, 90, 156);
constexpr Color kJostTunic = Rgb(138, 94, 58);
constexpr Color kLeneHeadband = Rgb(60, 132, 196);
constexpr Color kLeneTrim = Rgb(222, 160, 46);
constexpr Color kLeneTunic = Rgb(238, 198, 62);
constexpr Color kLightSand = Rgb(214, 200, 150);
constexpr Color kLightSandFace = Rgb(200, 190, 150);
constexpr Color kLightTan = Rgb(226, 214, 180);
constexpr Color kLightWarmGrey = Rgb(190, 186, 180);
constexpr Color kOrtwinApron = Rgb(146, 100, 60);
constexpr Color kOrtwinTrim = Rgb(132, 34, 32);
constexpr Color kOrtwinTrousers = Rgb(86, 68, 54);
constexpr Color kOrtwinTunic = Rgb(178, 46, 42);
constexpr Color kPaleDullBlue = Rgb(206, 212, 222);
constexpr Color kPaleSand = Rgb(226, 216, 186);
constexpr Color kPaleWarmGrey = Rgb(242, 238, 230);
constexpr Color kPurple = Rgb(170, 110, 190);
constexpr Color kRed = Rgb(170, 40, 44);
constexpr Color kRedChain = Rgb(176, 38, 46);
constexpr Color kRedGoblin = Rgb(196, 60, 48);
constexpr Color kRedMouth = Rgb(196, 80, 86);
constexpr Color kRunaApron = Rgb(48, 44, 46);
constexpr Color kRunaTrim = Rgb(108, 110, 114);
constexpr Color kRunaTrousers = Rgb(80, 66, 56);
constexpr Color kRunaTunic = Rgb(134, 136, 140);
constexpr Color kRust = Rgb(140, 96, 52);
constexpr Color kStrangerScarf = Rgb(134, 134, 130);
constexpr Color kStrangerSleeves = Rgb(42, 40, 48);
constexpr Color kStrangerTrim = Rgb(48, 46, 52);
constexpr Color kStrangerTrousers = Rgb(54, 50, 54);
constexpr Color kStrangerTunic = Rgb(60, 58, 64);
constexpr Color kTan = Rgb(206, 168, 80);
constexpr Color kTanOuterwear = Rgb(206, 170, 84);
constexpr Color kWhite = Rgb(246, 246, 240);
constexpr Color kWhiteEyes = Rgb(250, 250, 245);
} // namespace cloth

// ---- leather: belts, boots, pouches
namespace leather {
constexpr Color kAlwineBoots = Rgb(84, 60, 44);
constexpr Color kDeepRust = Rgb(52, 36, 24);
constexpr Color kDeepRustBelt = Rgb(66, 46, 30);
constexpr Color kDeepRustBoot = Rgb(58, 40, 28);
constexpr Color kDefaultBelt = Rgb(98, 62, 36);
constexpr Color kDefaultBoots = Rgb(76, 52, 36);
constexpr Color kDefaultPouch = Rgb(132, 90, 52);
constexpr Color kDietmarBelt = Rgb(66, 44, 30);
constexpr Color kDietmarBoots = Rgb(64, 46, 34);
constexpr Color kHelkaBoots = Rgb(70, 50, 40);
constexpr Color kJostBelt = Rgb(178, 156, 104);
constexpr Color kJostBoots = Rgb(96, 66, 40);
constexpr Color kLeneBoots = Rgb(120, 78, 44);
constexpr Color kOrtwinBelt = Rgb(84, 54, 32);
constexpr Color kOrtwinBoots = Rgb(70, 46, 30);
constexpr Color kRunaBelt = Rgb(60, 44, 34);
constexpr Color kRunaBoots = Rgb(52, 44, 40);
constexpr Color kStrangerBelt = Rgb(40, 30, 26);
constexpr Color kStrangerBoots = Rgb(40, 34, 30);
constexpr Color kJerkin = Rgb(132, 86, 48);
constexpr Color kJerkinDark = Rgb(96, 60, 34);
constexpr Color kJerkinStitch = Rgb(204, 170, 116);
constexpr Color kCap = Rgb(124, 82, 46);
constexpr Color kShieldStrap = Rgb(88, 56, 32);
constexpr Color kGrip = Rgb(74, 48, 30);
} // namespace leather

// ---- metal: steel, iron, gold, bronze
namespace metal {
constexpr Color kCoolGrey = Rgb(110, 116, 128);
constexpr Color kCoolGreyBattleAxe = Rgb(140, 148, 160);
constexpr Color kDarkBrown = Rgb(96, 70, 44);
constexpr Color kDarkRust = Rgb(84, 56, 34);
constexpr Color kDeepRust = Rgb(60, 40, 30);
constexpr Color kDefaultBuckle = Rgb(216, 182, 84);
constexpr Color kDefaultChain = Rgb(226, 184, 72);
constexpr Color kJostBuckle = Rgb(150, 128, 84);
constexpr Color kLightCoolGrey = Rgb(150, 158, 172);
constexpr Color kLightDullBlue = Rgb(150, 160, 176);
constexpr Color kLightDullBlueMace = Rgb(176, 184, 196);
constexpr Color kPaleBlue = Rgb(226, 232, 240);
constexpr Color kPaleCoolGrey = Rgb(230, 234, 240);
constexpr Color kPaleCoolGreyMace = Rgb(232, 236, 242);
constexpr Color kRust = Rgb(150, 78, 40);
constexpr Color kTan = Rgb(200, 166, 74);
constexpr Color kTanLongsword = Rgb(212, 176, 80);
constexpr Color kWarmGrey = Rgb(150, 140, 120);
constexpr Color kCoinGold = Rgb(232, 188, 64);
constexpr Color kCoinGoldDark = Rgb(186, 136, 40);
constexpr Color kCopper = Rgb(196, 112, 64);
constexpr Color kSilver = Rgb(196, 202, 212);
constexpr Color kIron = Rgb(128, 134, 146);
constexpr Color kIronDark = Rgb(92, 96, 108);
constexpr Color kMail = Rgb(150, 156, 166);
constexpr Color kPlate = Rgb(176, 184, 198);
constexpr Color kPlateRivet = Rgb(226, 230, 238);
constexpr Color kArrowHead = Rgb(120, 126, 136);
} // namespace metal

// ---- wood
namespace wood {
constexpr Color kBrown = Rgb(150, 104, 58);
constexpr Color kBrownBarrelAt = Rgb(170, 120, 70);
constexpr Color kBrownCrateAt = Rgb(160, 112, 62);
constexpr Color kBrownLogPile = Rgb(170, 126, 80);
constexpr Color kBrownSignpost = Rgb(176, 130, 78);
constexpr Color kBrownStump = Rgb(160, 120, 76);
constexpr Color kDarkBrown = Rgb(84, 60, 30);
constexpr Color kDarkDullBlue = Rgb(60, 80, 110);
constexpr Color kDarkGrey = Rgb(80, 76, 74);
constexpr Color kDarkRust = Rgb(90, 60, 34);
constexpr Color kDarkRustBarrelAt = Rgb(120, 78, 42);
constexpr Color kDarkRustBattleAxe = Rgb(132, 88, 50);
constexpr Color kDarkRustBridge = Rgb(92, 60, 34);
constexpr Color kDarkRustCrateAt = Rgb(110, 74, 40);
constexpr Color kDarkRustCrateAt2 = Rgb(130, 88, 48);
constexpr Color kDarkRustHuntingBow = Rgb(90, 60, 40);
constexpr Color kDarkRustLogPile = Rgb(96, 62, 34);
constexpr Color kDarkRustLongsword = Rgb(96, 60, 36);
constexpr Color kDarkRustMace = Rgb(112, 76, 44);
constexpr Color kDarkRustPost = Rgb(124, 84, 48);
constexpr Color kDarkRustSignpost = Rgb(110, 74, 42);
constexpr Color kDarkRustStump = Rgb(100, 66, 36);
constexpr Color kDarkRustStump2 = Rgb(84, 54, 30);
constexpr Color kDarkRustStump3 = Rgb(110, 72, 40);
constexpr Color kDarkRustTrunk = Rgb(96, 64, 40);
constexpr Color kDarkRustTrunk2 = Rgb(112, 78, 46);
constexpr Color kDarkRustWood = Rgb(140, 84, 44);
constexpr Color kDarkWarmGrey = Rgb(60, 56, 52);
constexpr Color kDarkWarmGreySignpost = Rgb(90, 80, 70);
constexpr Color kDeepBrown = Rgb(40, 30, 20);
constexpr Color kDeepGrey = Rgb(40, 36, 34);
constexpr Color kDeepRust = Rgb(50, 30, 18);
constexpr Color kDeepRustCol = Rgb(70, 46, 28);
constexpr Color kDeepRustDagger = Rgb(70, 46, 30);
constexpr Color kLightTan = Rgb(206, 166, 112);
constexpr Color kLightTanExitDoorstep = Rgb(238, 196, 90);
constexpr Color kPaleDullTan = Rgb(214, 210, 200);
constexpr Color kPaleSand = Rgb(232, 222, 190);
constexpr Color kPaleSky = Rgb(200, 226, 236);
constexpr Color kRust = Rgb(150, 98, 50);
constexpr Color kRustBarrelAt = Rgb(150, 98, 52);
constexpr Color kRustBridge = Rgb(150, 106, 64);
constexpr Color kRustSignpost = Rgb(140, 96, 56);
constexpr Color kRustSpear = Rgb(150, 104, 60);
constexpr Color kSky = Rgb(120, 160, 190);
constexpr Color kTan = Rgb(196, 150, 92);
constexpr Color kTanBand = Rgb(206, 168, 72);
constexpr Color kTanChest = Rgb(236, 190, 70);
constexpr Color kTanStump = Rgb(200, 160, 108);
constexpr Color kWarmGrey = Rgb(156, 150, 140);
constexpr Color kShieldPlank = Rgb(168, 116, 64);
constexpr Color kArrowShaft = Rgb(196, 156, 100);
constexpr Color kCork = Rgb(176, 132, 82);
} // namespace wood

// ---- straw, wicker and rope
namespace straw {
constexpr Color kBrown = Rgb(170, 140, 62);
constexpr Color kBrownWicker = Rgb(176, 130, 72);
constexpr Color kDarkBrown = Rgb(130, 90, 50);
constexpr Color kDarkBrownSack = Rgb(110, 80, 46);
constexpr Color kLightTan = Rgb(236, 206, 120);
constexpr Color kTan = Rgb(180, 156, 110);
constexpr Color kTanHayBale = Rgb(214, 182, 92);
constexpr Color kTanSack = Rgb(190, 166, 120);
constexpr Color kCord = Rgb(150, 108, 66);
} // namespace straw

// ---- grass, leaves and bushes
namespace foliage {
constexpr Color kBlue = Rgb(92, 120, 220);
constexpr Color kBrown = Rgb(200, 120, 40);
constexpr Color kDarkGreen = Rgb(44, 98, 60);
constexpr Color kDarkGreenBush = Rgb(60, 122, 48);
constexpr Color kDarkGreenCrown = Rgb(70, 130, 50);
constexpr Color kDarkGreenGrassVariant = Rgb(56, 104, 38);
constexpr Color kDarkGreenGrassVariant2 = Rgb(60, 112, 40);
constexpr Color kDarkGreenGrassVariant3 = Rgb(66, 120, 46);
constexpr Color kDarkGreenGrassVariant4 = Rgb(70, 132, 52);
constexpr Color kGold = Rgb(238, 206, 60);
constexpr Color kGreen = Rgb(84, 142, 54);
constexpr Color kGreenBush = Rgb(86, 140, 60);
constexpr Color kGreenGrassVariant = Rgb(100, 160, 60);
constexpr Color kLightRose = Rgb(236, 150, 190);
constexpr Color kOlive = Rgb(118, 150, 62);
constexpr Color kPaleTan = Rgb(236, 226, 200);
constexpr Color kPaleTanGrassVariant = Rgb(246, 240, 230);
constexpr Color kPaleWarmGrey = Rgb(246, 244, 236);
constexpr Color kRed = Rgb(180, 30, 50);
constexpr Color kRedGrassVariant = Rgb(190, 50, 40);
constexpr Color kRedGrassVariant2 = Rgb(214, 52, 48);
constexpr Color kRust = Rgb(180, 80, 30);
constexpr Color kRustCrown = Rgb(196, 110, 40);
constexpr Color kTan = Rgb(210, 150, 50);
constexpr Color kTanGrassVariant = Rgb(214, 170, 60);
} // namespace foliage

// ---- flowers and berries
namespace flowers {
constexpr Color kDarkGreen = Rgb(50, 100, 36);
constexpr Color kDarkGreenFlowerPot = Rgb(64, 130, 52);
constexpr Color kLightGold = Rgb(240, 210, 80);
constexpr Color kRust = Rgb(184, 96, 60);
constexpr Color kSalmon = Rgb(200, 112, 72);
constexpr Color kSalmonFlowerPot = Rgb(206, 124, 84);
} // namespace flowers

// ---- earth, sand and fields
namespace earth {
constexpr Color kBrown = Rgb(152, 114, 74);
constexpr Color kDarkRust = Rgb(112, 78, 48);
constexpr Color kLightTan = Rgb(224, 202, 142);
constexpr Color kWarmGrey = Rgb(128, 116, 100);
} // namespace earth

// ---- stone, cobbles and walls
namespace stone {
constexpr Color kBlack = Rgb(30, 24, 18);
constexpr Color kBlue = Rgb(92, 120, 220);
constexpr Color kBrown = Rgb(200, 120, 40);
constexpr Color kCoolGrey = Rgb(100, 100, 108);
constexpr Color kDarkBrown = Rgb(84, 60, 30);
constexpr Color kDarkBrownExitRoadMarker = Rgb(120, 96, 64);
constexpr Color kDarkDullBrown = Rgb(82, 70, 52);
constexpr Color kDarkDullBrownOut = Rgb(112, 96, 64);
constexpr Color kDarkGreen = Rgb(62, 116, 40);
constexpr Color kDarkGrey = Rgb(60, 56, 54);
constexpr Color kDarkRust = Rgb(84, 54, 32);
constexpr Color kDarkRustGroundSheet = Rgb(116, 76, 46);
constexpr Color kDarkRustWallPiece = Rgb(96, 70, 46);
constexpr Color kDarkRustWallPiece2 = Rgb(128, 84, 48);
constexpr Color kDarkWarmGrey = Rgb(70, 64, 58);
constexpr Color kDarkWarmGreyCobbleAt = Rgb(92, 84, 72);
constexpr Color kDarkWarmGreyFlagstoneAt = Rgb(96, 90, 82);
constexpr Color kDarkWarmGreyPebble = Rgb(70, 66, 60);
constexpr Color kDarkWarmGreyRock = Rgb(90, 86, 80);
constexpr Color kDeepRust = Rgb(70, 44, 26);
constexpr Color kDullSky = Rgb(90, 126, 160);
constexpr Color kGold = Rgb(238, 206, 60);
constexpr Color kGreen = Rgb(110, 180, 70);
constexpr Color kGreenDetailTile = Rgb(100, 160, 60);
constexpr Color kGreenGroundSheet = Rgb(70, 140, 60);
constexpr Color kGreenGroundSheet2 = Rgb(90, 130, 60);
constexpr Color kGreenGroundSheet3 = Rgb(90, 160, 60);
constexpr Color kGrey = Rgb(150, 150, 156);
constexpr Color kLightDullTan = Rgb(186, 178, 164);
constexpr Color kLightSalmon = Rgb(200, 170, 150);
constexpr Color kLightSky = Rgb(170, 200, 220);
constexpr Color kLightSkyBlendTile = Rgb(170, 210, 220);
constexpr Color kLightTan = Rgb(226, 214, 180);
constexpr Color kLightTanExitRoadMarker = Rgb(240, 200, 96);
constexpr Color kLightWarmGrey = Rgb(168, 162, 150);
constexpr Color kLightWarmGreyCap = Rgb(186, 180, 170);
constexpr Color kPaleRose = Rgb(240, 190, 210);
constexpr Color kPaleTan = Rgb(240, 226, 210);
constexpr Color kRed = Rgb(214, 52, 48);
constexpr Color kRust = Rgb(170, 120, 72);
constexpr Color kRustDetailTile = Rgb(176, 70, 30);
constexpr Color kTan = Rgb(210, 176, 80);
constexpr Color kViolet = Rgb(150, 90, 210);
constexpr Color kWarmGrey = Rgb(110, 104, 96);
constexpr Color kWarmGreyBase = Rgb(140, 136, 128);
constexpr Color kWarmGreyCobbleAt = Rgb(150, 146, 138);
constexpr Color kWarmGreyStone = Rgb(150, 144, 134);
constexpr Color kWarmGreyStone2 = Rgb(156, 150, 140);
constexpr Color kWarmGreyWallPiece = Rgb(120, 114, 106);
constexpr Color kWarmGreyWallPiece2 = Rgb(158, 150, 138);
} // namespace stone

// ---- roof tiles and slates
namespace roof {
constexpr Color kDarkRust = Rgb(80, 52, 30);
constexpr Color kDarkRustRoofPiece = Rgb(82, 52, 30);
constexpr Color kDarkRustRoofPiece2 = Rgb(96, 62, 36);
constexpr Color kDeepRust = Rgb(40, 26, 16);
constexpr Color kDullBlue = Rgb(86, 100, 122);
constexpr Color kRed = Rgb(176, 72, 48);
} // namespace roof

// ---- water
namespace water {
constexpr Color kBlue = Rgb(56, 108, 168);
constexpr Color kDarkDullBlue = Rgb(40, 56, 74);
constexpr Color kDarkDullBlueWellSmall = Rgb(50, 70, 90);
constexpr Color kDarkDullRust = Rgb(70, 60, 50);
constexpr Color kDarkRust = Rgb(100, 66, 38);
constexpr Color kDarkRustWellBig = Rgb(110, 74, 44);
constexpr Color kDarkRustWellBig2 = Rgb(120, 84, 50);
constexpr Color kDarkWarmGrey = Rgb(96, 92, 86);
constexpr Color kDullSky = Rgb(90, 130, 160);
constexpr Color kLightSky = Rgb(150, 196, 226);
constexpr Color kLightWarmGrey = Rgb(170, 164, 154);
constexpr Color kRust = Rgb(160, 70, 46);
constexpr Color kRustWellBig = Rgb(176, 80, 52);
constexpr Color kWarmGrey = Rgb(100, 96, 90);
constexpr Color kWarmGreyWellBig = Rgb(140, 134, 124);
constexpr Color kWarmGreyWellBig2 = Rgb(150, 144, 134);
constexpr Color kWarmGreyWellSmall = Rgb(120, 116, 108);
constexpr Color kWarmGreyWellSmall2 = Rgb(140, 136, 128);
constexpr Color kWarmGreyWellSmall3 = Rgb(160, 156, 146);
} // namespace water

// ---- glass, potions, gems and feathers
namespace glass {
constexpr Color kFlask = Rgb(196, 214, 222);
constexpr Color kGlint = Rgb(254, 254, 254);
constexpr Color kHealing = Rgb(204, 36, 44);
constexpr Color kMana = Rgb(44, 90, 210);
constexpr Color kEmerald = Rgb(60, 170, 96);
constexpr Color kSapphire = Rgb(70, 120, 230);
constexpr Color kRuby = Rgb(200, 40, 52);
constexpr Color kFeather = Rgb(232, 226, 212);
constexpr Color kFeatherRed = Rgb(180, 52, 44);
} // namespace glass

// ---- fur of the wolves
namespace fur {
constexpr Color kBlue = Rgb(52, 84, 150);
constexpr Color kBlueSpiritWolf = Rgb(96, 146, 206);
constexpr Color kDarkCoolGrey = Rgb(84, 86, 92);
constexpr Color kDeepGrey = Rgb(34, 30, 32);
constexpr Color kDullRed = Rgb(150, 110, 110);
constexpr Color kGrey = Rgb(138, 138, 140);
constexpr Color kLightBlue = Rgb(110, 170, 230);
constexpr Color kLightDullTan = Rgb(196, 190, 178);
constexpr Color kLightDullTanWolf = Rgb(206, 200, 188);
constexpr Color kLightSky = Rgb(132, 186, 236);
constexpr Color kLightSkySpiritWolf = Rgb(146, 192, 234);
constexpr Color kPaleSky = Rgb(190, 226, 248);
constexpr Color kPaleSkySpiritWolf = Rgb(196, 230, 252);
constexpr Color kPaleSkySpiritWolf2 = Rgb(204, 232, 250);
constexpr Color kPaleSkySpiritWolf3 = Rgb(236, 252, 255);
constexpr Color kTan = Rgb(214, 156, 54);
constexpr Color kPelt = Rgb(150, 150, 154);
constexpr Color kPeltBelly = Rgb(198, 194, 186);
constexpr Color kPeltDark = Rgb(104, 104, 110);
} // namespace fur

// ---- bone
namespace bone {
constexpr Color kDarkDullRust = Rgb(92, 70, 52);
constexpr Color kDarkRust = Rgb(78, 56, 40);
constexpr Color kDeepWarmGrey = Rgb(46, 38, 36);
constexpr Color kLightTan = Rgb(206, 194, 164);
constexpr Color kPaleTan = Rgb(224, 214, 186);
constexpr Color kRed = Rgb(236, 84, 48);
constexpr Color kWarmGrey = Rgb(160, 152, 142);
} // namespace bone

// ---- interface: parchment, bronze frames, wood, ink
namespace ui {
constexpr Color kBlue = Rgb(60, 110, 200);
constexpr Color kBronze = Rgb(178, 128, 58);
constexpr Color kBronzeDark = Rgb(96, 62, 28);
constexpr Color kBronzeLight = Rgb(232, 192, 104);
constexpr Color kBrown = Rgb(196, 140, 52);
constexpr Color kDarkBrown = Rgb(84, 54, 22);
constexpr Color kDarkBrownGoldPile = Rgb(160, 112, 28);
constexpr Color kDarkBrownRim = Rgb(150, 104, 24);
constexpr Color kDarkBrownSheetBox = Rgb(120, 94, 64);
constexpr Color kDarkDullBrown = Rgb(92, 74, 56);
constexpr Color kDarkDullBrownCloth = Rgb(96, 84, 70);
constexpr Color kDarkDullRust = Rgb(70, 54, 44);
constexpr Color kDarkPurple = Rgb(96, 52, 110);
constexpr Color kDarkRed = Rgb(104, 40, 30);
constexpr Color kDarkRedBlood = Rgb(132, 14, 12);
constexpr Color kDarkRedCorpse = Rgb(110, 16, 14);
constexpr Color kDarkRedJournal = Rgb(150, 30, 40);
constexpr Color kDarkRedWarriorEmblem = Rgb(150, 40, 36);
constexpr Color kDarkRust = Rgb(110, 80, 50);
constexpr Color kDarkRustCorpse = Rgb(80, 56, 36);
constexpr Color kDarkRustDialogueButton = Rgb(74, 48, 30);
constexpr Color kDarkRustLeather = Rgb(70, 48, 32);
constexpr Color kDarkRustPortraitFrame = Rgb(92, 60, 36);
constexpr Color kDarkRustTab = Rgb(96, 62, 36);
constexpr Color kDarkRustTab2 = Rgb(110, 74, 44);
constexpr Color kDarkRustTradeButton = Rgb(100, 66, 38);
constexpr Color kDarkRustWarriorEmblem = Rgb(90, 50, 30);
constexpr Color kDeepBrown = Rgb(50, 40, 26);
constexpr Color kDeepBrownGoldPile = Rgb(90, 56, 10);
constexpr Color kDeepDullRust = Rgb(40, 30, 24);
constexpr Color kDeepDullViolet = Rgb(40, 30, 52);
constexpr Color kDeepRust = Rgb(60, 38, 20);
constexpr Color kDeepRustBar = Rgb(70, 44, 18);
constexpr Color kDeepRustBronzeFrame = Rgb(40, 24, 12);
constexpr Color kDeepRustCorner = Rgb(60, 36, 14);
constexpr Color kDeepRustCorpse = Rgb(34, 24, 18);
constexpr Color kDeepRustCorpse2 = Rgb(60, 40, 30);
constexpr Color kDeepRustPointer = Rgb(40, 22, 8);
constexpr Color kDeepRustRivet = Rgb(50, 30, 14);
constexpr Color kDeepRustTab = Rgb(70, 46, 26);
constexpr Color kDeepRustWarriorEmblem = Rgb(40, 22, 10);
constexpr Color kDullBrown = Rgb(120, 96, 70);
constexpr Color kDullBrownInventory = Rgb(150, 124, 86);
constexpr Color kDullTan = Rgb(164, 138, 102);
constexpr Color kDullTanInventory = Rgb(168, 140, 98);
constexpr Color kDullViolet = Rgb(120, 80, 140);
constexpr Color kInk = Rgb(60, 36, 20);
constexpr Color kLightCoolGrey = Rgb(160, 168, 180);
constexpr Color kLightGold = Rgb(252, 232, 150);
constexpr Color kLightSalmon = Rgb(200, 168, 140);
constexpr Color kLightTan = Rgb(200, 184, 146);
constexpr Color kLightTanGoldPile = Rgb(244, 206, 100);
constexpr Color kLightTanInventory = Rgb(196, 172, 126);
constexpr Color kLightTanPageArrow = Rgb(214, 190, 140);
constexpr Color kLightTanSpellBook = Rgb(226, 212, 176);
constexpr Color kPaleCoolGrey = Rgb(226, 230, 236);
constexpr Color kPaleGold = Rgb(252, 248, 220);
constexpr Color kPaleGoldPageArrow = Rgb(250, 240, 210);
constexpr Color kPaleGoldPointer = Rgb(252, 232, 160);
constexpr Color kPaleTan = Rgb(236, 222, 184);
constexpr Color kParchment = Rgb(228, 208, 164);
constexpr Color kRed = Rgb(170, 30, 30);
constexpr Color kRedBloodStain = Rgb(176, 40, 34);
constexpr Color kRust = Rgb(140, 100, 60);
constexpr Color kSlot = Rgb(46, 32, 24);
constexpr Color kTan = Rgb(210, 170, 90);
constexpr Color kTanGold = Rgb(226, 178, 52);
constexpr Color kTanSheetBox = Rgb(190, 164, 124);
constexpr Color kViolet = Rgb(150, 90, 200);
constexpr Color kWood = Rgb(86, 56, 34);
constexpr Color kWoodDark = Rgb(52, 33, 20);
} // namespace ui

// ---- effects: glows, fire, ice, shadow, blood
namespace fx {
constexpr Color kBlue = Rgb(40, 80, 150);
constexpr Color kBlue2 = Rgb(58, 130, 204);
constexpr Color kBlue3 = Rgb(70, 122, 200);
constexpr Color kBlue4 = Rgb(90, 150, 222);
constexpr Color kBlueDeep = Rgb(96, 146, 208);
constexpr Color kBlueSpiritWolfIcon = Rgb(50, 80, 140);
constexpr Color kBrown = Rgb(164, 116, 66);
constexpr Color kDarkBlue = Rgb(20, 60, 112);
constexpr Color kDarkBlue2 = Rgb(24, 48, 96);
constexpr Color kDarkBlue3 = Rgb(30, 60, 122);
constexpr Color kDarkDullBlue = Rgb(46, 56, 78);
constexpr Color kDarkDullBrown = Rgb(72, 60, 46);
constexpr Color kDarkOlive = Rgb(74, 110, 26);
constexpr Color kDarkRed = Rgb(110, 24, 10);
constexpr Color kDarkRed2 = Rgb(156, 36, 14);
constexpr Color kDarkRust = Rgb(120, 60, 10);
constexpr Color kDarkViolet = Rgb(66, 20, 98);
constexpr Color kDarkViolet2 = Rgb(74, 22, 116);
constexpr Color kDarkVioletOrb = Rgb(80, 26, 120);
constexpr Color kDeepGrey = Rgb(42, 36, 36);
constexpr Color kDeepOchre = Rgb(72, 58, 12);
constexpr Color kDeepOlive = Rgb(34, 54, 12);
constexpr Color kDeepRed = Rgb(60, 14, 6);
constexpr Color kDeepRed2 = Rgb(66, 6, 10);
constexpr Color kDeepRed3 = Rgb(74, 20, 10);
constexpr Color kDeepViolet = Rgb(14, 4, 22);
constexpr Color kDeepViolet2 = Rgb(22, 6, 32);
constexpr Color kDeepVioletShadowBurst = Rgb(16, 4, 24);
constexpr Color kDullBlue = Rgb(118, 138, 168);
constexpr Color kDullTan = Rgb(172, 152, 122);
constexpr Color kGreen = Rgb(130, 200, 70);
constexpr Color kLightBlue = Rgb(110, 170, 230);
constexpr Color kLightCoolGrey = Rgb(176, 182, 192);
constexpr Color kLightGold = Rgb(230, 222, 92);
constexpr Color kLightGold2 = Rgb(255, 232, 124);
constexpr Color kLightGoldHealingIcon = Rgb(236, 228, 100);
constexpr Color kLightSky = Rgb(142, 212, 246);
constexpr Color kLightSkyFur = Rgb(150, 196, 236);
constexpr Color kLightSkyIceMid = Rgb(150, 206, 240);
constexpr Color kLightSkyMid = Rgb(146, 204, 240);
constexpr Color kLightViolet = Rgb(214, 152, 250);
constexpr Color kOlive = Rgb(156, 186, 52);
constexpr Color kPaleBlue = Rgb(170, 208, 250);
constexpr Color kPaleBlue2 = Rgb(208, 220, 238);
constexpr Color kPaleGold = Rgb(255, 248, 200);
constexpr Color kPaleGold2 = Rgb(255, 250, 216);
constexpr Color kPaleGold3 = Rgb(255, 252, 212);
constexpr Color kPaleGoldFireballIcon = Rgb(255, 248, 206);
constexpr Color kPaleGoldHealingIcon = Rgb(255, 252, 220);
constexpr Color kPalePurple = Rgb(248, 228, 254);
constexpr Color kPaleSalmon = Rgb(255, 202, 170);
constexpr Color kPaleSky = Rgb(182, 222, 250);
constexpr Color kPaleSky2 = Rgb(236, 250, 254);
constexpr Color kPaleSky3 = Rgb(240, 250, 254);
constexpr Color kPaleSkyIceLight = Rgb(220, 242, 252);
constexpr Color kPaleSkyLight = Rgb(222, 244, 254);
constexpr Color kPaleSkyPale = Rgb(206, 232, 250);
constexpr Color kPaleSkySpiritWolfIcon = Rgb(236, 252, 255);
constexpr Color kPaleTan = Rgb(228, 218, 190);
constexpr Color kPaleTanTooth = Rgb(240, 232, 212);
constexpr Color kRed = Rgb(176, 20, 26);
constexpr Color kRed2 = Rgb(238, 78, 58);
constexpr Color kRedArrow = Rgb(196, 54, 44);
constexpr Color kRust = Rgb(220, 80, 20);
constexpr Color kRust2 = Rgb(226, 92, 22);
constexpr Color kSky = Rgb(80, 146, 208);
constexpr Color kSkyIceDark = Rgb(84, 150, 210);
constexpr Color kTan = Rgb(236, 160, 40);
constexpr Color kTan2 = Rgb(250, 172, 44);
constexpr Color kTanFireballIcon = Rgb(252, 180, 48);
constexpr Color kViolet = Rgb(152, 62, 214);
constexpr Color kWarmGrey = Rgb(112, 102, 96);
constexpr Color kWhite = Rgb(246, 250, 254);
constexpr Color kWhite2 = Rgb(250, 252, 254);
// poison: the venom bolt and its green cloud
constexpr Color kPoisonDeep = Rgb(28, 52, 18);
constexpr Color kPoisonDark = Rgb(58, 104, 30);
constexpr Color kPoisonMid = Rgb(120, 178, 44);
constexpr Color kPoisonLight = Rgb(190, 228, 96);
constexpr Color kPoisonPale = Rgb(236, 250, 190);
} // namespace fx

// ---- portrait backgrounds
namespace backdrop {
constexpr Color kAlwineBottom = Rgb(70, 92, 62);
constexpr Color kAlwineTop = Rgb(170, 190, 150);
constexpr Color kDietmarBottom = Rgb(84, 88, 100);
constexpr Color kDietmarTop = Rgb(150, 160, 176);
constexpr Color kHelkaBottom = Rgb(104, 112, 78);
constexpr Color kHelkaTop = Rgb(196, 182, 140);
constexpr Color kJostBottom = Rgb(118, 156, 74);
constexpr Color kJostTop = Rgb(150, 196, 226);
constexpr Color kKasparBottom = Rgb(22, 24, 38);
constexpr Color kKasparTop = Rgb(58, 66, 96);
constexpr Color kLeneBottom = Rgb(150, 196, 110);
constexpr Color kLeneTop = Rgb(180, 214, 236);
constexpr Color kOrtwinBottom = Rgb(122, 80, 48);
constexpr Color kOrtwinTop = Rgb(214, 176, 108);
constexpr Color kPortraitBottom = Rgb(70, 90, 80);
constexpr Color kPortraitTop = Rgb(120, 150, 170);
constexpr Color kRunaBottom = Rgb(76, 42, 34);
constexpr Color kRunaTop = Rgb(236, 150, 70);
} // namespace backdrop

// ---- light and shadow
namespace light {
constexpr Color kDarkViolet = Rgb(54, 38, 78);
constexpr Color kDeepGrey = Rgb(30, 22, 24);
constexpr Color kDeepGreyHeadSkin = Rgb(34, 26, 30);
constexpr Color kPaleTan = Rgb(255, 240, 214);
} // namespace light

} // namespace art::pal
