// The shared catalogue reader.
#include "data/catalog.h"

Stream* OpenRequired(const Str& path) {
    Stream* s = OpenDataFile(path);
    if (!s) FailData(path, "data file missing or unreadable");
    return s;
}

std::vector<Str> ReadAllLines(const Str& path) {
    Stream* s = OpenRequired(path);
    std::vector<Str> lines;
    while (!EndOfFile(s)) lines.push_back(ReadTextLine(s));
    CloseFile(s);
    return lines;
}

Str RecordReader::Next() {
    ++line;
    return ReadTextLine(stream);
}

std::string RecordReader::Where() const {
    return ToUtf8(path) + ", record " + std::to_string(record);
}

void ReadRecordList(const Str& path, const std::function<void(RecordReader&)>& readOne) {
    RecordReader r;
    r.stream = OpenRequired(path);
    r.path = path;
    do {
        ++r.record;
        readOne(r);
    } while (!EndOfFile(r.stream));
    CloseFile(r.stream);
}

std::vector<Str> ReadBlock(const Str& path, int n, int blockLines, int dataLines) {
    Stream* s = OpenRequired(path);
    long skip = (long)(n - 1) * blockLines + 1;
    for (long i = 0; i < skip; ++i) ReadTextLine(s);
    std::vector<Str> lines;
    for (int i = 0; i < dataLines; ++i) lines.push_back(ReadTextLine(s));
    CloseFile(s);
    return lines;
}

int ForEachNumberedFile(const Str& prefix, const Str& suffix,
                        const std::function<void(int, const Str&)>& fn) {
    int n = 1;
    for (;; ++n) {
        Str path = prefix + IntToString(n) + suffix;
        Stream* probe = OpenTextFile(path);
        if (!probe) break;
        CloseFile(probe);
        fn(n, path);
    }
    return n - 1;
}
