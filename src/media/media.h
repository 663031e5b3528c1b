// The media layer: window and frame pacing, 2D drawing, images, fonts, input,
// sound, clock, random numbers, conversions, files and lists. Nothing
// outside src/media talks to SDL, libpng, FreeType or the file system; the
// libraries are linked privately to this layer, so their headers are not
// even reachable from game code.
//
// This header gathers the layer's headers for code that uses most of them.
#pragma once

#include "media/backend.h"
#include "media/clock.h"
#include "media/draw.h"
#include "media/errors.h"
#include "media/files.h"
#include "media/input.h"
#include "media/list.h"
#include "media/sound.h"
#include "media/strings.h"
