// The single interface images: windows, frames, buttons, the pointer, the
// hotkey bar, the journal, the dialogue box, and the small map pictures
// (blood stain, corpse, gold pile).
#pragma once

#include "output.h"

namespace art {

void MakeInterfaceImages(const PictureSink& sink);

} // namespace art
