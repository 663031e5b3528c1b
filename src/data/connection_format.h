// The binary connection file "Data/Verbindungen.link": records with no
// header and no count, each a text line with the start map's name (bytes
// up to a line feed or a zero byte, carriage returns dropped, one character
// per byte), the start cell as two u16, a text line with the destination
// map's name and the destination cell as two u16, all little-endian and
// following each other without padding. The one reader and writer of the
// format: the game's loader and the connection tool both go through it.
#pragma once

#include "data/records.h"

#include <string>
#include <vector>

inline const char16_t* const kConnectionFile = u"Data/Verbindungen.link";

// Parses a whole connection file into `out`, numbering the records from 0
// in file order. A file that stops inside a record is refused: returns why,
// with `badRecord` the number of that record counted from 1. Returns an
// empty string when every record is whole (an empty file holds none).
std::string ParseConnections(const std::string& bytes, std::vector<TVerbindung>& out,
                             int& badRecord);

// Whether a name can be written as a text line of the file: no line feed,
// carriage return or zero byte, and every character within Latin-1.
bool ConnectionNameFits(const Str& name);

// The bytes of a connection file holding `list` in order. The names must fit
// (ConnectionNameFits).
std::string EncodeConnections(const std::vector<TVerbindung>& list);
