// Reading replay scripts.
#include "replay/script.h"

#include "media/files.h"
#include "media/input.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

bool ParseBounded(const std::string& s, long lo, long hi, long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long v = strtol(s.c_str(), &end, 10);
    if (*end != 0 || errno != 0 || v < lo || v > hi) return false;
    out = v;
    return true;
}

bool IsInput(const std::string& n) {
    return n == "down" || n == "up" || n == "tap" || n == "move" || n == "click" || n == "quit" ||
           n == "warp" || n == "travel" || n == "place";
}

namespace {
struct Known {
    const char* name;
    size_t minArgs, maxArgs;
};
const Known kCommands[] = {{"down", 1, 1},   {"up", 1, 1},   {"tap", 1, 1},     {"move", 2, 2},
                           {"click", 1, 1},  {"shot", 1, 1}, {"dump", 1, 1},    {"quit", 0, 0},
                           {"expect", 2, 2}, {"warp", 2, 2}, {"compare", 1, 2}, {"travel", 3, 3},
                           {"place", 3, 3}};

class Parser {
  public:
    explicit Parser(Script& s) : s_(s) {}

    [[noreturn]] void Fail(const std::string& why) {
        throw ScriptError(s_.path + ":" + std::to_string(line_) + ": " + why);
    }

    void Option(const std::string& text) {
        std::istringstream os(text);
        std::string opt;
        while (os >> opt) {
            if (opt == "--fast") {
                s_.fast = true;
            } else if (opt == "--fast-until") {
                std::string n;
                if (!(os >> n) || !ParseBounded(n, 1, kMaxFrame, s_.fastUntil))
                    Fail("--fast-until needs a frame number from 1 to " +
                         std::to_string(kMaxFrame));
            } else {
                Fail("unknown script option '" + opt + "'");
            }
        }
    }

    void Line(std::string line) {
        ++line_;
        if (line.rfind("#!", 0) == 0) return Option(line.substr(2));
        size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::istringstream ls(line);
        std::string frame;
        if (!(ls >> frame)) return;
        Command c;
        c.line = line_;
        if (!ParseBounded(frame, 0, kMaxFrame, c.frame))
            Fail("frame number from 0 to " + std::to_string(kMaxFrame) + " expected, found '" +
                 frame + "'");
        if (!(ls >> c.name)) Fail("command expected after the frame number");
        std::string a;
        while (ls >> a) c.args.push_back(a);
        Check(c);
        s_.commands.push_back(c);
    }

  private:
    void Check(Command& c) {
        const Known* k = nullptr;
        for (const Known& kn : kCommands)
            if (c.name == kn.name) k = &kn;
        if (!k) Fail("unknown command '" + c.name + "'");
        // An expected text value may contain spaces: join the rest.
        if (c.name == "expect" && c.args.size() > 2) {
            for (size_t i = 2; i < c.args.size(); ++i) c.args[1] += " " + c.args[i];
            c.args.resize(2);
        }
        if (c.args.size() < k->minArgs || c.args.size() > k->maxArgs)
            Fail("'" + c.name + "' takes " + std::to_string(k->minArgs) +
                 (k->maxArgs != k->minArgs ? " or " + std::to_string(k->maxArgs) : "") +
                 " argument(s)");
        bool button = c.name != "tap" && !c.args.empty() && MouseButtonFromName(c.args[0]) != 0;
        if ((c.name == "down" || c.name == "up" || c.name == "tap") && !button &&
            VirtualKeyFromName(c.args[0]) < 0)
            Fail("unknown key '" + c.args[0] + "'");
        long v = 0;
        if (c.name == "click") {
            if (!ParseBounded(c.args[0], 1, 3, v)) Fail("mouse button must be 1, 2 or 3");
            c.x = (int)v;
        }
        if (c.name == "place" && !ParseBounded(c.args[0], 1, 65535, v))
            Fail("'place' needs an enemy number from 1 to 65535, found '" + c.args[0] + "'");
        if (c.name == "move" || c.name == "warp" || c.name == "travel" || c.name == "place") {
            size_t at = c.name == "travel" || c.name == "place" ? 1 : 0;
            long x = 0, y = 0;
            if (!ParseBounded(c.args[at], 0, 65535, x) ||
                !ParseBounded(c.args[at + 1], 0, 65535, y))
                Fail("'" + c.name + "' needs two whole numbers from 0 to 65535, found '" +
                     c.args[at] + " " + c.args[at + 1] + "'");
            c.x = (int)x;
            c.y = (int)y;
        }
        if (c.name == "compare" && c.args.size() == 2 && !ParseBounded(c.args[1], 0, 255, v))
            Fail("the tolerance of 'compare' is a number from 0 to 255 per channel");
    }

    Script& s_;
    int line_ = 0;
};
} // namespace

Script ParseScript(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        fprintf(stderr, "vessara-replay: cannot read script %s\n", path.c_str());
        exit(2);
    }
    try {
        return ParseScriptText(path, text);
    } catch (const ScriptError& e) {
        fprintf(stderr, "vessara-replay: %s\n", e.what());
        exit(2);
    }
}

Script ParseScriptText(const std::string& path, const std::string& text) {
    Script s;
    s.path = path;
    size_t slash = path.rfind('/');
    s.dir = slash == std::string::npos ? "." : path.substr(0, slash);
    Parser p(s);
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) p.Line(line);
    std::stable_sort(s.commands.begin(), s.commands.end(),
                     [](const Command& a, const Command& b) { return a.frame < b.frame; });
    return s;
}
