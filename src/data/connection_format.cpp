// Reading and writing the binary connection file.
#include "data/connection_format.h"

namespace {
// A reader over the file's bytes that says when a field runs past the end.
struct Cursor {
    const std::string& d;
    size_t at = 0;

    bool AtEnd() const { return at >= d.size(); }

    // A text line; false when the file ends before its line feed.
    bool Line(Str& out) {
        out.clear();
        while (at < d.size()) {
            unsigned char c = (unsigned char)d[at++];
            if (c == 10 || c == 0) return true;
            if (c != 13) out.push_back((char16_t)c);
        }
        return false;
    }

    bool U16(uint16_t& out) {
        if (d.size() - at < 2) {
            at = d.size();
            return false;
        }
        out = (uint16_t)((unsigned char)d[at] | (unsigned char)d[at + 1] << 8);
        at += 2;
        return true;
    }
};
} // namespace

std::string ParseConnections(const std::string& bytes, std::vector<TVerbindung>& out,
                             int& badRecord) {
    out.clear();
    badRecord = 0;
    Cursor c{bytes};
    while (!c.AtEnd()) {
        TVerbindung v;
        v.Nr = (uint16_t)out.size();
        const char* missing = nullptr;
        if (!c.Line(v.StartMap))
            missing = "the start map's name has no line end";
        else if (!c.U16(v.X) || !c.U16(v.Y))
            missing = "the start cell is cut short";
        else if (!c.Line(v.ZielMap))
            missing = "the destination map's name has no line end";
        else if (!c.U16(v.ZielX) || !c.U16(v.ZielY))
            missing = "the destination cell is cut short";
        if (missing) {
            badRecord = (int)out.size() + 1;
            return std::string("the file ends inside this record: ") + missing;
        }
        out.push_back(v);
    }
    return std::string();
}

bool ConnectionNameFits(const Str& name) {
    for (char16_t ch : name)
        if (ch == 0 || ch == 10 || ch == 13 || ch > 255) return false;
    return true;
}

std::string EncodeConnections(const std::vector<TVerbindung>& list) {
    std::string d;
    auto line = [&](const Str& s) {
        for (char16_t ch : s) d.push_back((char)(unsigned char)ch);
        d.push_back('\n');
    };
    auto u16 = [&](uint16_t v) {
        d.push_back((char)(v & 0xFF));
        d.push_back((char)(v >> 8));
    };
    for (const TVerbindung& v : list) {
        line(v.StartMap);
        u16(v.X);
        u16(v.Y);
        line(v.ZielMap);
        u16(v.ZielX);
        u16(v.ZielY);
    }
    return d;
}
