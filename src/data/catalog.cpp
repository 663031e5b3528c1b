// The shared catalogue reader.
#include "data/catalog.h"

#include <stdexcept>

std::function<void(const DataError&)> BadRecordHandler;

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
    return line <= (int)lines.size() ? lines[line - 1] : Str();
}

std::string RecordReader::Where() const {
    return ToUtf8(path) + ", record " + std::to_string(record);
}

bool IsBlankLine(const Str& line) {
    for (char16_t c : line)
        if (c != u' ' && c != u'\t') return false;
    return true;
}

void ReadRecordList(const Str& path, int recordLines,
                    const std::function<void(RecordReader&)>& readOne) {
    RecordReader r;
    r.path = path;
    r.lines = ReadAllLines(path);
    // Lines up to the last one that is not blank hold records; blank lines
    // after it may still complete the last record (its last fields empty).
    int used = (int)r.lines.size();
    while (used > 0 && IsBlankLine(r.lines[used - 1])) --used;
    if (used == 0) FailData(path, "no records (the file is empty or blank)");
    int records = (used + recordLines - 1) / recordLines;
    if (records * recordLines > (int)r.lines.size()) {
        int got = used - (records - 1) * recordLines;
        throw DataError(ToUtf8(path) + ", record " + std::to_string(records),
                        "the record ends after line " + std::to_string(got) + " of " +
                            std::to_string(recordLines));
    }
    for (int i = 0; i < records; ++i) {
        r.record = i + 1;
        r.line = i * recordLines;
        if (BadRecordHandler) {
            try {
                readOne(r);
            } catch (const DataError& e) {
                BadRecordHandler(e);
                r.line = (i + 1) * recordLines;
            }
        } else {
            readOne(r);
        }
        // The loaders know their record length; one that reads a different
        // number of lines than it announced is a fault of the game itself.
        if (r.line != (i + 1) * recordLines)
            throw std::logic_error(r.Where() + ": the loader read " +
                                   std::to_string(r.line - i * recordLines) + " lines, not " +
                                   std::to_string(recordLines));
    }
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
        if (BadRecordHandler) {
            try {
                fn(n, path);
            } catch (const DataError& e) {
                BadRecordHandler(e);
            }
        } else {
            fn(n, path);
        }
    }
    return n - 1;
}
