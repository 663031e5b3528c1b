// The townsfolk: for every NPC a walking figure strip and a portrait for the
// dialogue box, both painted from one table entry (figure look and portrait
// look) in npcs.cpp.
#pragma once

#include "figures.h"
#include "output.h"

namespace art {

// What the portrait needs beyond the figure: background and face details.
struct PortraitLook {
    Color backTop = Rgb(120, 150, 170); // background gradient
    Color backBottom = Rgb(70, 90, 80);
    Color iris = Rgb(92, 70, 48);
    float age = 0.4f;       // 0 a child .. 1 old: face size, wrinkles
    float faceWidth = 1.0f; // round faces above 1
    bool feminine = false;  // fuller lips, lashes
    bool freckles = false;
    float smile = 0.6f; // 0 straight .. 1 broad
};

// The shady stranger's clothes, worn by the NPC and by his enemy twin.
FigureLook StrangerLook();

// A 12-cell NPC or enemy strip of 72 x 96 cells on the white mask colour.
Pixmap MakeCharacterStrip(const FigureLook& look);

// A 96 x 96 head-and-shoulders portrait on a painted background.
Pixmap MakePortrait(const FigureLook& look, const PortraitLook& portrait);

// Writes Grafik/NPCs/Charaktere/NPC<ID>.png and Grafik/NPCs/Faces/Face<ID>.png
// for every NPC.
void MakeNpcImages(const PictureSink& sink);

} // namespace art
