// Shared by the painters of things worn over the player's figure: the strips
// are painted through MakeFigureStrip, on the green mask, in both sizes.
#pragma once

#include "figures.h"
#include "output.h"

#include <string>

namespace art::items {

// Writes Grafik/Items/<name>.png (cells of 48 x 64) and
// Grafik/Items/Groß/<name>.png (72 x 96). `include` names the figure layers
// that may hide parts of the worn thing (the arms in front of a breastplate);
// only kLayerWorn pixels are kept.
void WriteWornStrips(const PictureSink& sink, const std::string& name, unsigned include,
                     const WornParts& worn);

} // namespace art::items
