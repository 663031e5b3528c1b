// The two 48 x 48 tilesets (32 x 24 frames each): Tileset1 holds ground and
// terrain, Tileset2 objects and overhead parts. tile_ids.h names the frames.
#pragma once

#include "output.h"

namespace art {

void MakeTilesets(const PictureSink& sink);

} // namespace art
