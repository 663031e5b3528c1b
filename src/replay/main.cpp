// vessara-replay: runs the real start-up and main loop on the headless
// backend, feeding input from a script and checking the state it reaches.
//
//   vessara-replay [--game-dir DIR] [--script FILE] [--frames N] [--seed N] [--bench]
//   vessara-replay --list-files    (the files start-up reads)
//   --fast draws only the frames a "shot" or an F12 press looks at; a script
//   can ask for it with a line "#! --fast".
//
// Script lines are "FRAME COMMAND ARGS"; '#' starts a comment. Input commands
// (down, up, tap, move, click, quit) apply before their frame reads its
// input; output commands (shot, dump, expect) look at the state after it.
// Frame 0 is the state right after start-up. Exit status: 0 fine, 1 a game
// file is missing or broken, 2 bad usage or script, 3 an expectation failed.
#include "media/media.h"
#include "replay/state_dump.h"
#include "data/records.h"
#include "shell/shell.h"
#include "world/world.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct Command {
    long frame = 0;
    int line = 0;
    std::string name;
    std::vector<std::string> args;
};

[[noreturn]] void Usage(const std::string& why) {
    fprintf(stderr, "vessara-replay: %s\n", why.c_str());
    fprintf(stderr, "usage: vessara-replay [--game-dir DIR] [--script FILE] [--frames N] [--seed "
                    "N] [--bench]\n");
    exit(2);
}

long ParseNumber(const std::string& s, const std::string& what) {
    char* end = nullptr;
    errno = 0;
    long v = strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != 0 || errno != 0) Usage(what + " is not a number: " + s);
    return v;
}

bool g_fast = false;

std::vector<Command> ParseScript(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) Usage("cannot read script " + path);
    std::vector<Command> cmds;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        fprintf(stderr, "vessara-replay: %s:%d: %s\n", path.c_str(), lineNo, why.c_str());
        exit(2);
    };
    while (std::getline(in, line)) {
        ++lineNo;
        // "#! --fast" in a script asks for the option of that name.
        if (line.rfind("#!", 0) == 0) {
            std::istringstream os(line.substr(2));
            std::string opt;
            while (os >> opt) {
                if (opt == "--fast")
                    g_fast = true;
                else
                    fail("unknown script option '" + opt + "'");
            }
            continue;
        }
        size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::istringstream ls(line);
        std::string frame;
        if (!(ls >> frame)) continue;
        Command c;
        c.line = lineNo;
        char* end = nullptr;
        c.frame = strtol(frame.c_str(), &end, 10);
        if (*end != 0 || c.frame < 0) fail("frame number expected, found '" + frame + "'");
        if (!(ls >> c.name)) fail("command expected after the frame number");
        std::string a;
        while (ls >> a) c.args.push_back(a);
        static const struct {
            const char* name;
            size_t args;
        } known[] = {{"down", 1}, {"up", 1},   {"tap", 1},  {"move", 2},   {"click", 1},
                     {"shot", 1}, {"dump", 1}, {"quit", 0}, {"expect", 2}, {"warp", 2}};
        bool ok = false;
        for (auto& k : known) {
            if (c.name != k.name) continue;
            ok = true;
            // An expected text value may contain spaces: join the rest.
            if (c.name == "expect" && c.args.size() > 2) {
                for (size_t i = 2; i < c.args.size(); ++i) c.args[1] += " " + c.args[i];
                c.args.resize(2);
            }
            if (c.args.size() != k.args)
                fail("'" + c.name + "' takes " + std::to_string(k.args) + " argument(s)");
        }
        if (!ok) fail("unknown command '" + c.name + "'");
        if ((c.name == "down" || c.name == "up" || c.name == "tap") &&
            VirtualKeyFromName(c.args[0]) < 0)
            fail("unknown key '" + c.args[0] + "'");
        if (c.name == "click" && c.args[0] != "1" && c.args[0] != "2" && c.args[0] != "3")
            fail("mouse button must be 1, 2 or 3");
        cmds.push_back(c);
    }
    std::stable_sort(cmds.begin(), cmds.end(),
                     [](const Command& a, const Command& b) { return a.frame < b.frame; });
    return cmds;
}

bool IsInput(const std::string& n) {
    return n == "down" || n == "up" || n == "tap" || n == "move" || n == "click" || n == "quit" ||
           n == "warp";
}

// Puts the player on a cell of the current map, the camera centred on him,
// as a map connection would; for scripts that test something far from the
// start.
void Warp(int x, int y) {
    TCharakter& p = *Player;
    if (Map.Inside(p.px_alt, p.py_alt)) MapTiles(p.px_alt, p.py_alt, 2) = 0;
    p.px = (float)x;
    p.py = (float)y;
    p.px_alt = x;
    p.py_alt = y;
    p.ppx = x * 48;
    p.ppy = y * 48;
    p.aa = 0;
    CameraX = p.ppx - ScreenWidth() / 2;
    CameraY = p.ppy - ScreenHeight() / 2;
}

bool ValuesEqual(const std::string& found, const std::string& expected) {
    if (found == expected) return true;
    if (expected == "\"\"") return found.empty(); // "" stands for the empty text
    char *e1 = nullptr, *e2 = nullptr;
    double a = strtod(found.c_str(), &e1), b = strtod(expected.c_str(), &e2);
    if (!found.empty() && !expected.empty() && *e1 == 0 && *e2 == 0) return std::abs(a - b) <= 1e-3;
    return false;
}

std::string ExeDir() {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : p.parent_path().string();
}

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t idx = (size_t)std::min<double>(v.size() - 1, std::ceil(q * v.size()) - 1);
    return v[idx];
}
} // namespace

int main(int argc, char** argv) {
    std::string gameDir = ExeDir(), scriptPath;
    long frames = -1;
    long long seed = LLONG_MIN;
    bool bench = false, listFiles = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) Usage(a + " needs a value");
            return argv[++i];
        };
        if (a == "--game-dir")
            gameDir = next();
        else if (a == "--script")
            scriptPath = next();
        else if (a == "--frames")
            frames = ParseNumber(next(), "--frames");
        else if (a == "--seed")
            seed = ParseNumber(next(), "--seed");
        else if (a == "--bench")
            bench = true;
        else if (a == "--list-files")
            listFiles = true;
        else if (a == "--help" || a == "-h")
            Usage("runs the game headless");
        else
            Usage("unknown argument " + a);
    }
    fs::path callerDir = fs::current_path();
    auto outPath = [&](const std::string& p) {
        return fs::path(p).is_absolute() ? p : (callerDir / p).string();
    };
    std::vector<Command> cmds;
    if (!scriptPath.empty()) cmds = ParseScript(outPath(scriptPath));
    if (frames < 0) {
        frames = cmds.empty() ? (bench ? 600 : 1) : cmds.back().frame;
        for (auto& c : cmds)
            if (c.name == "tap") frames = std::max(frames, c.frame + 1);
    }
    if (!ChangeDirectory(gameDir)) Usage("game folder not found: " + gameDir);

    SelectBackend(Backend::Headless);
    int status = 0;
    std::vector<double> work;
    auto wallStart = std::chrono::steady_clock::now();
    try {
        StartUp();
        if (listFiles) {
            // The files start-up read, one per line, for the missing-file test.
            for (const std::string& f : OpenedFiles()) printf("%s\n", f.c_str());
            ShutdownMedia();
            return 0;
        }
        if (seed != LLONG_MIN) SeedRandom(seed);
        ResetFrameTimer();
        std::vector<std::pair<long, int>> pendingUps; // frame, key
        size_t ci = 0;
        auto runOutputs = [&](long f) -> bool {
            for (size_t k = 0; k < cmds.size(); ++k) {
                const Command& c = cmds[k];
                if (c.frame != f || IsInput(c.name)) continue;
                if (c.name == "shot") {
                    Pixmap* pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight());
                    if (!SavePixmapPNGUtf8(*pm, outPath(c.args[0]), 9)) {
                        fprintf(stderr, "vessara-replay: cannot write %s\n", c.args[0].c_str());
                        status = 2;
                    }
                    delete pm;
                } else if (c.name == "dump") {
                    if (!WriteWholeFile(outPath(c.args[0]), DumpState().Dump() + "\n")) {
                        fprintf(stderr, "vessara-replay: cannot write %s\n", c.args[0].c_str());
                        status = 2;
                    }
                } else if (c.name == "expect") {
                    Json state = DumpState();
                    const Json* v = state.Find(c.args[0]);
                    std::string found = v ? v->Scalar() : "(absent)";
                    if (!v || !ValuesEqual(found, c.args[1])) {
                        fprintf(
                            stderr,
                            "vessara-replay: frame %ld: %s is %s, expected %s (script line %d)\n",
                            f, c.args[0].c_str(), found.c_str(), c.args[1].c_str(), c.line);
                        status = 3;
                    }
                }
            }
            return status == 0;
        };
        while (ci < cmds.size() && cmds[ci].frame == 0 && !IsInput(cmds[ci].name)) ++ci;
        runOutputs(0);
        bool quit = false;
        long lastFrame = 0;
        for (long f = 1; f <= frames && status == 0 && !quit; ++f) {
            for (auto it = pendingUps.begin(); it != pendingUps.end();) {
                if (it->first == f) {
                    InjectKey(it->second, false);
                    it = pendingUps.erase(it);
                } else {
                    ++it;
                }
            }
            for (const Command& c : cmds) {
                // Input commands at frame 0 apply before frame 1.
                long at = c.frame == 0 ? 1 : c.frame;
                if (at != f || !IsInput(c.name)) continue;
                if (c.name == "down")
                    InjectKey(VirtualKeyFromName(c.args[0]), true);
                else if (c.name == "up")
                    InjectKey(VirtualKeyFromName(c.args[0]), false);
                else if (c.name == "tap") {
                    int vk = VirtualKeyFromName(c.args[0]);
                    InjectKey(vk, true);
                    pendingUps.emplace_back(f + 1, vk);
                } else if (c.name == "move") {
                    InjectMouseMove(atoi(c.args[0].c_str()), atoi(c.args[1].c_str()));
                } else if (c.name == "click") {
                    InjectMouseButton(atoi(c.args[0].c_str()), true);
                    InjectMouseButton(atoi(c.args[0].c_str()), false);
                } else if (c.name == "warp") {
                    Warp(atoi(c.args[0].c_str()), atoi(c.args[1].c_str()));
                } else if (c.name == "quit") {
                    quit = true;
                }
            }
            if (quit) break;
            if (g_fast) {
                // Only frames that are looked at (a shot, or an F12 press) are
                // drawn; the game's rules run in every frame all the same.
                bool looked = false;
                for (const Command& c : cmds)
                    if (c.frame == f &&
                        (c.name == "shot" || ((c.name == "down" || c.name == "tap") &&
                                              VirtualKeyFromName(c.args[0]) == VK_F12)))
                        looked = true;
                SetDrawingSkipped(!looked);
            }
            bool goOn = RunFrame();
            GameEnded = !goOn;
            lastFrame = f;
            if (bench) work.push_back(LastFrameWorkMs());
            runOutputs(f);
            if (!goOn) break;
        }
        if (GameEnded && status == 0) {
            for (const Command& c : cmds)
                if (c.frame > lastFrame) {
                    fprintf(stderr,
                            "vessara-replay: the game ended after frame %ld; script line %d "
                            "(frame %ld) was not run\n",
                            lastFrame, c.line, c.frame);
                    status = 3;
                    break;
                }
        }
    } catch (const AssetError& e) {
        fprintf(stderr, "Vessara-Demo: %s: %s\n", e.path.c_str(), e.reason.c_str());
        ShutdownMedia();
        return 1;
    }
    double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
            .count();
    if (bench) {
        auto share = [&](double ms) {
            size_t n = 0;
            for (double w : work) n += w > ms;
            return work.empty() ? 0.0 : 100.0 * (double)n / (double)work.size();
        };
        struct rusage ru;
        getrusage(RUSAGE_SELF, &ru);
        printf("frames: %zu\n", work.size());
        printf("wall time: %.1f ms (start-up included)\n", wall);
        printf("frame work p50 %.3f ms, p95 %.3f ms, p99 %.3f ms, p99.9 %.3f ms\n",
               Percentile(work, 0.5), Percentile(work, 0.95), Percentile(work, 0.99),
               Percentile(work, 0.999));
        printf("frames over 1 ms: %.2f%%, 5 ms: %.2f%%, 10 ms: %.2f%%, 16.7 ms: %.2f%%\n", share(1),
               share(5), share(10), share(16.7));
        printf("peak memory: %.1f MiB\n", ru.ru_maxrss / 1024.0);
    }
    ShutdownMedia();
    return status;
}
