// Replay scripts: one command a line, "FRAME COMMAND ARGS"; '#' starts a
// comment and "#! OPTION" lines set driver options.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct Command {
    long frame = 0;
    int line = 0;
    std::string name;
    std::vector<std::string> args;
    // Parsed numbers of move, click and warp.
    int x = 0, y = 0;
};

struct Script {
    std::string path;
    std::string dir;               // folder of the script, for reference pictures
    std::vector<Command> commands; // sorted by frame, stable
    bool fast = false;
    long fastUntil = 0; // draw only from this frame on (0: option not given)
};

// The largest frame number a script or --frames may name: about 19 days of
// game time, far beyond any test, and safe from overflow.
constexpr long kMaxFrame = 100000000;

// A bad script line: what() is "FILE:LINE: why".
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads and checks a script; on a bad line prints "vessara-replay:
// FILE:LINE: why" and exits with status 2.
Script ParseScript(const std::string& path);
// Checks the text of a script read from `path`; throws ScriptError.
Script ParseScriptText(const std::string& path, const std::string& text);
// Whether a command is input (applied before its frame) or output (after).
bool IsInput(const std::string& name);
// Parses a whole decimal number in [lo, hi]; false otherwise.
bool ParseBounded(const std::string& s, long lo, long hi, long& out);

// "Mouse1" to "Mouse3" name a mouse button for down and up; 0 otherwise.
inline int MouseButtonFromName(const std::string& n) {
    if (n.size() == 6 && n.compare(0, 5, "Mouse") == 0 && n[5] >= '1' && n[5] <= '3')
        return n[5] - '0';
    return 0;
}
