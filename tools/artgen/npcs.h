// The townsfolk: for every NPC a walking figure strip and a portrait for the
// dialogue box, both painted from one table entry (figure look and portrait
// look) in npcs.cpp.
#pragma once

#include "figures.h"
#include "portrait.h"
#include "output.h"

namespace art {

// The shady stranger's clothes, worn by the NPC and by his enemy twin.
FigureLook StrangerLook();

// A 12-cell NPC or enemy strip of 72 x 96 cells on the white mask colour.
Pixmap MakeCharacterStrip(const FigureLook& look);

// Writes Grafik/NPCs/Charaktere/NPC<ID>.png and Grafik/NPCs/Faces/Face<ID>.png
// for every NPC.
void MakeNpcImages(const PictureSink& sink);

} // namespace art
