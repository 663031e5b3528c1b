// The text wrapper.
#include "story/text.h"

#include "data/catalog.h"
#include "data/collections.h"
#include "data/assets.h"

uint16_t WrapProbe = 1;

Str JoinTextLines(const std::vector<Str>& lines) {
    Str t;
    for (const Str& l : lines) t += u" " + l;
    return t + u" ";
}

std::vector<Str> WrapText(const Str& source, int width, const std::string& where) {
    if (source.size() > kMaxWrapText)
        throw DataError(where, "text of " + std::to_string(source.size()) +
                                   " characters; a text may hold at most " +
                                   std::to_string(kMaxWrapText));
    std::vector<Str> out;
    Str t = source;
    bool f = false;
    while (!t.empty()) {
        uint16_t& p = WrapProbe;
        if (StringWidth(LeftOf(t, p)) >= width) {
            f = true;
        } else {
            if (!f) p = (uint16_t)(p + 10);
            if (StringWidth(t) <= width) f = true;
        }
        if (f) {
            if (p >= 1 && p <= t.size() && t[p - 1] == u' ') {
                out.push_back(TrimOf(LeftOf(t, p)));
                t = t.substr(p);
                f = false;
            } else if (p == 0) {
                // No space before the probe: the first word is wider than the
                // line. It gets a line of its own rather than the probe
                // wrapping around.
                size_t sp = t.find(u' ');
                size_t cut = sp == Str::npos ? t.size() : sp + 1;
                out.push_back(TrimOf(t.substr(0, cut)));
                t = t.substr(cut);
                p = (uint16_t)cut;
                f = false;
            } else if (p > t.size()) {
                p = (uint16_t)t.size();
            } else {
                p = (uint16_t)(p - 1);
            }
        }
    }
    SetBlend(MASKBLEND);
    SetAlpha(1.0);
    return out;
}

void WrapSkillDescription(const Str& path, int width, int slot) {
    std::vector<Str> lines = ReadAllLines(path);
    SetFont(FontNarrow18);
    for (const Str& l : WrapText(JoinTextLines(lines), width, ToUtf8(path)))
        SkillDescriptions[slot]->AddLast(l);
}
