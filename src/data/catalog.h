// Reading the game's text data files: the line rule, conversions cut to
// field widths, record lists, numbered blocks and numbered file families.
// Every catalogue loader reads through this one reader.
#pragma once

#include "media/media.h"

#include <functional>
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
// "u16 into an i32 field": cut to 16 bits, then stored.
inline int32_t ToU16AsI32(const Str& line) {
    return (int32_t)ToU16(line);
}
// "integer, u16, into f32".
inline float ToU16AsFloat(const Str& line) {
    return (float)ToU16(line);
}
// "decimal": a C-library floating-point reading stored as f32.
inline float ToDecimal(const Str& line) {
    return StringToFloat(line);
}

// Reads the lines of one record, counting them for error messages.
struct RecordReader {
    Str path;
    std::vector<Str> lines; // the file's lines, read once
    int record = 0;         // 1-based number of the record being read
    int line = 0;           // lines read so far in the file
    Str Next();
    // "FILE, record N" for messages about the record being read.
    std::string Where() const;
};

// True when a line holds nothing but spaces and tabs.
bool IsBlankLine(const Str& line);

// Set only by the data checker (per run): a bad record or a bad file of a
// numbered family is handed here and the reading goes on with the next one,
// so that one pass finds every bad record. Unset in the game, where the
// first bad record stops it.
extern std::function<void(const DataError&)> BadRecordHandler;

// A list of records of `recordLines` lines each (the separator included):
// calls `readOne` once per record, which reads exactly that many lines.
// Blank lines after the last record are not a record. A file without any
// record, or one that ends in the middle of a record, stops the game with
// an error naming the file (and the record with how far it got).
void ReadRecordList(const Str& path, int recordLines,
                    const std::function<void(RecordReader&)>& readOne);

// Block n (from 1) of a file of blocks of `blockLines` lines: the file is
// opened anew, the earlier blocks and the block's heading are skipped, and
// `dataLines` lines are returned (empty strings past the end of the file).
std::vector<Str> ReadBlock(const Str& path, int n, int blockLines, int dataLines);

// A numbered family of files prefix + n + suffix, n = 1, 2, ...: calls fn
// for every n whose file can be opened, up to the first that cannot.
int ForEachNumberedFile(const Str& prefix, const Str& suffix,
                        const std::function<void(int, const Str&)>& fn);
