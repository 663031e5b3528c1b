// vessara-replay: runs the real start-up and main loop on the headless
// backend, feeding input from a script and checking the state it reaches.
//
//   vessara-replay [--game-dir DIR] [--script FILE] [--frames N] [--seed N]
//                  [--bench] [--fast] [--fast-until N] [--write-references]
//   vessara-replay --soak N [--seed N] [--fast]   (random play, checked each frame)
//   vessara-replay --list-files    (the files start-up reads)
//
// Exit status: 0 fine, 1 a game file is missing or broken, 2 bad usage or
// script, 3 an expectation or a picture comparison failed.
#include "data/collections.h"
#include "data/map_state.h"
#include "media/media.h"
#include "media/picture_batch.h"
#include "replay/bench.h"
#include "replay/outputs.h"
#include "replay/script.h"
#include "replay/state_dump.h"
#include "replay/soak.h"
#include "replay/warp.h"
#include "shell/shell.h"
#include "world/world.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {
struct Options {
    std::string gameDir, scriptPath;
    long frames = -1;
    long long seed = LLONG_MIN;
    bool bench = false, listFiles = false, fast = false, writeReferences = false;
    long fastUntil = 0;
    long soak = 0;
};

[[noreturn]] void Usage(const std::string& why) {
    fprintf(stderr, "vessara-replay: %s\n", why.c_str());
    fprintf(stderr, "usage: vessara-replay [--game-dir DIR] [--script FILE] [--frames N] [--seed "
                    "N] [--bench] [--fast] [--fast-until N] [--write-references] [--soak N] [--list-files]\n");
    exit(2);
}

Options ParseArguments(int argc, char** argv) {
    Options o;
    o.gameDir = ProgramDirectory();
    if (o.gameDir.empty()) o.gameDir = ".";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) Usage(a + " needs a value");
            return argv[++i];
        };
        auto number = [&](long lo, long hi) {
            std::string v = next();
            long n = 0;
            if (!ParseBounded(v, lo, hi, n))
                Usage(a + " needs a whole number from " + std::to_string(lo) + " to " +
                      std::to_string(hi) + ", found '" + v + "'");
            return n;
        };
        if (a == "--game-dir")
            o.gameDir = next();
        else if (a == "--script")
            o.scriptPath = next();
        else if (a == "--frames")
            o.frames = number(0, kMaxFrame);
        else if (a == "--seed")
            o.seed = number(LONG_MIN + 1, LONG_MAX);
        else if (a == "--fast-until")
            o.fastUntil = number(1, kMaxFrame);
        else if (a == "--soak")
            o.soak = number(1, kMaxFrame);
        else if (a == "--bench")
            o.bench = true;
        else if (a == "--fast")
            o.fast = true;
        else if (a == "--write-references")
            o.writeReferences = true;
        else if (a == "--list-files")
            o.listFiles = true;
        else if (a == "--help" || a == "-h")
            Usage("runs the game headless");
        else
            Usage("unknown argument " + a);
    }
    return o;
}

class Run {
  public:
    Run(const Options& o, const Script& s, const std::string& callerDir) : o_(o), s_(s) {
        ctx_.callerDir = callerDir;
        ctx_.scriptDir = s.dir;
        ctx_.writeReferences = o.writeReferences;
        fast_ = o.fast || s.fast;
        fastUntil_ = o.fastUntil ? o.fastUntil : s.fastUntil;
        frames_ = o.frames;
        if (frames_ < 0) {
            const auto& c = s.commands;
            frames_ = c.empty() ? (o.bench ? 600 : 1) : c.back().frame;
            for (const Command& cmd : c)
                if (cmd.name == "tap") frames_ = std::max(frames_, cmd.frame + 1);
        }
    }

    int Go() {
        ResetFrameTimer();
        Outputs(0);
        long last = 0;
        for (long f = 1; f <= frames_ && status_ == 0; ++f) {
            if (!Inputs(f)) break;
            SetDrawingSkipped(Skipped(f));
            bool goOn = RunFrame();
            GameEnded = !goOn;
            last = f;
            // The bench measures the frames that are drawn.
            if (o_.bench && !DrawingSkipped()) work_.push_back(LastFrameWorkMs());
            Outputs(f);
            if (!goOn) break;
        }
        if (GameEnded && status_ == 0) NotRun(last);
        return status_;
    }

    const std::vector<double>& Work() const { return work_; }

  private:
    void Outputs(long f) {
        for (const Command& c : s_.commands)
            if (c.frame == f && !IsInput(c.name) && status_ == 0) status_ = RunOutput(c, f, ctx_);
    }

    // Applies the input of frame f; false at "quit".
    bool Inputs(long f) {
        for (auto it = pendingUps_.begin(); it != pendingUps_.end();) {
            if (it->first == f) {
                InjectKey(it->second, false);
                it = pendingUps_.erase(it);
            } else {
                ++it;
            }
        }
        for (const Command& c : s_.commands) {
            // Input commands at frame 0 apply before frame 1.
            long at = c.frame == 0 ? 1 : c.frame;
            if (at != f || !IsInput(c.name)) continue;
            int button = MouseButtonFromName(c.args.empty() ? "" : c.args[0]);
            if ((c.name == "down" || c.name == "up") && button) {
                InjectMouseButton(button, c.name == "down");
            } else if (c.name == "down") {
                InjectKey(VirtualKeyFromName(c.args[0]), true);
            } else if (c.name == "up") {
                InjectKey(VirtualKeyFromName(c.args[0]), false);
            } else if (c.name == "tap") {
                int vk = VirtualKeyFromName(c.args[0]);
                InjectKey(vk, true);
                pendingUps_.emplace_back(f + 1, vk);
            } else if (c.name == "move") {
                InjectMouseMove(c.x, c.y);
            } else if (c.name == "click") {
                InjectMouseButton(c.x, true);
                InjectMouseButton(c.x, false);
            } else if (c.name == "warp" || c.name == "travel") {
                if (c.name == "travel") {
                    // Another map, as a connection would load it.
                    LoadMap(S(c.args[0]));
                    CurrentMapName = S(c.args[0]);
                }
                if (!Map.Inside(c.x, c.y)) {
                    fprintf(stderr,
                            "vessara-replay: %s:%d: %s to (%d, %d) lies outside the "
                            "map of %d x %d cells\n",
                            s_.path.c_str(), c.line, c.name.c_str(), c.x, c.y, Map.w, Map.h);
                    status_ = 2;
                    return false;
                }
                Warp(c.x, c.y);
            } else if (c.name == "place") {
                if (!Map.Inside(c.x, c.y) || !PlaceEnemy(std::atoi(c.args[0].c_str()), c.x, c.y)) {
                    fprintf(stderr,
                            "vessara-replay: %s:%d: no enemy %s, or (%d, %d) lies outside the "
                            "map of %d x %d cells\n",
                            s_.path.c_str(), c.line, c.args[0].c_str(), c.x, c.y, Map.w, Map.h);
                    status_ = 2;
                    return false;
                }
            } else if (c.name == "quit") {
                return false;
            }
        }
        return true;
    }

    // --fast draws only frames that are looked at (a shot, a comparison or
    // an F12 press); --fast-until N draws nothing before frame N. The
    // game's rules run in every frame all the same.
    bool Skipped(long f) const {
        if (fastUntil_ && f < fastUntil_) return true;
        if (!fast_) return false;
        for (const Command& c : s_.commands)
            if (c.frame == f && (c.name == "shot" || c.name == "compare" ||
                                 ((c.name == "down" || c.name == "tap") &&
                                  VirtualKeyFromName(c.args[0]) == VK_F12)))
                return false;
        return true;
    }

    void NotRun(long last) {
        for (const Command& c : s_.commands)
            if (c.frame > last) {
                fprintf(stderr,
                        "vessara-replay: the game ended after frame %ld; script line %d "
                        "(frame %ld) was not run\n",
                        last, c.line, c.frame);
                status_ = 3;
                return;
            }
    }

    const Options& o_;
    const Script& s_;
    OutputContext ctx_;
    bool fast_ = false;
    long fastUntil_ = 0;
    long frames_ = 0;
    int status_ = 0;
    std::vector<std::pair<long, int>> pendingUps_; // frame, key
    std::vector<double> work_;
};
} // namespace

int main(int argc, char** argv) {
    auto wallStart = std::chrono::steady_clock::now();
    Options o = ParseArguments(argc, argv);
    std::string callerDir = CurrentDirectory();
    Script script;
    if (!o.scriptPath.empty()) script = ParseScript(Resolve(callerDir, o.scriptPath));
    if (!ChangeDirectory(o.gameDir)) Usage("game folder not found: " + o.gameDir);

    SelectBackend(Backend::Headless);
    int status = 0;
    try {
        StartUp();
        double startup =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
                .count();
        if (o.listFiles) {
            // The files start-up read, one per line, for the missing-file test.
            for (const std::string& f : OpenedFiles()) printf("%s\n", f.c_str());
            FinishPictures();
        } else {
            if (o.seed != LLONG_MIN) SeedRandom(o.seed);
            if (o.soak) {
                int64_t seed = o.seed != LLONG_MIN ? o.seed : FreshSeed();
                SeedRandom(seed);
                status = RunSoak(o.soak, seed, o.fast);
                FinishPictures();
                ShutdownMedia();
                return status;
            }
            Run run(o, script, callerDir);
            status = run.Go();
            // A broken picture still decoding in the background ends the
            // run like one found at start-up.
            FinishPictures();
            double wall = std::chrono::duration<double, std::milli>(
                              std::chrono::steady_clock::now() - wallStart)
                              .count();
            if (o.bench) PrintBenchReport(run.Work(), wall, startup);
        }
    } catch (const FatalError& e) {
        status = ReportFatal("Vessara-Demo", e);
    } catch (const std::exception& e) {
        status = ReportUnexpected("Vessara-Demo", e);
    }
    ShutdownMedia();
    return status;
}
