// Shared catalogue reading.
#include "data/catalog.h"

Stream* OpenRequired(const Str& path) {
    Stream* s = OpenTextFile(path);
    if (!s) FailAsset(path, "data file missing or unreadable");
    return s;
}

std::vector<Str> ReadAllLines(const Str& path) {
    Stream* s = OpenRequired(path);
    std::vector<Str> lines;
    while (!EndOfFile(s)) lines.push_back(ReadTextLine(s));
    CloseFile(s);
    return lines;
}
