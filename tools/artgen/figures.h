// Walking figures: twelve-cell strips (3 columns x 4 rows; rows face up,
// right, down, left; columns are left leg forward, standing, right leg
// forward) painted from a description of body, face, hair and clothes.
//
// A figure is built from parts in design units of the large 72 x 96 cell and
// scaled to the requested cell size. Every part belongs to one layer; the
// game draws the player's layers as separate strips on top of each other, so
// a layer's strip keeps only the pixels of that layer that are visible once
// the layers below it are drawn (a hand in front of the tunic stays in the
// body strip and is cut out of the clothes strip).
#pragma once

#include "canvas.h"

namespace art {

enum FigureLayer : unsigned {
    kLayerBody = 1,
    kLayerFace = 2,
    kLayerHair = 4,
    kLayerClothes = 8,
    kLayerAll = 15,
};

enum class HairStyle { None, Short, Long };

struct FigureLook {
    // body
    Color skin = Rgb(234, 186, 146);
    Color under = Rgb(176, 166, 150); // sleeveless undershirt and shorts
    float build = 1.0f;               // shoulder and hip width factor
    // face
    Color eyes = Rgb(52, 38, 30);
    Color mouth = Rgb(150, 78, 66);
    bool beard = false;
    // hair
    HairStyle hair = HairStyle::Short;
    Color hairColor = Rgb(112, 70, 36);
    // clothes
    bool tunic = true;
    Color tunicColor = Rgb(206, 188, 146);
    Color trimColor = Rgb(176, 152, 110);
    float tunicHem = 77.0f; // lower edge of the tunic in design units
    int sleeves = 1;        // 0 none, 1 short, 2 long
    bool belt = true;
    Color beltColor = Rgb(98, 62, 36);
    Color buckleColor = Rgb(216, 182, 84);
    bool trousers = true;
    Color trouserColor = Rgb(112, 90, 66);
    bool boots = true;
    Color bootColor = Rgb(76, 52, 36);
};

// Paints a strip of 3 x 4 cells of cellW x cellH on the green mask colour.
// `include` names the layers that take part in the picture, `keep` those
// whose visible pixels are written. A player layer L is made with include =
// every layer up to L and keep = L; a finished NPC with kLayerAll for both.
Pixmap MakeFigureStrip(const FigureLook& look, unsigned include, unsigned keep, int cellW,
                       int cellH);

// The player's look (a human in starting clothes, short brown hair).
FigureLook PlayerLook();

} // namespace art
