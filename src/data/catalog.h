// Reading the game's text data files: the line rule, conversions cut to
// field widths, record lists and numbered blocks.
#pragma once

#include "media/media.h"

#include <vector>

// Opens a data file the game cannot do without; a missing file stops the
// game with an error naming it.
Stream* OpenRequired(const Str& path);
// All lines of a required file.
std::vector<Str> ReadAllLines(const Str& path);

// Line conversions; the result is cut to the width of the field it goes to.
inline uint8_t ToU8(const Str& line) {
    return (uint8_t)StringToInt(line);
}
inline uint16_t ToU16(const Str& line) {
    return (uint16_t)StringToInt(line);
}
inline int32_t ToI32(const Str& line) {
    return StringToInt(line);
}
inline float ToDecimal(const Str& line) {
    return StringToFloat(line);
}
