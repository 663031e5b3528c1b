// shot, dump, expect and compare.
#include "replay/outputs.h"

#include "media/backend.h"
#include "media/files.h"
#include "replay/state_dump.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string Resolve(const std::string& dir, const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    return dir + "/" + path;
}

namespace {
// "A..B" expects a number from A to B (both included).
bool InRange(const std::string& found, const std::string& expected) {
    size_t dots = expected.find("..");
    char *e0 = nullptr, *e1 = nullptr, *e2 = nullptr;
    std::string lo = expected.substr(0, dots), hi = expected.substr(dots + 2);
    double a = strtod(lo.c_str(), &e1), b = strtod(hi.c_str(), &e2);
    double v = strtod(found.c_str(), &e0);
    if (lo.empty() || hi.empty() || found.empty() || *e0 || *e1 || *e2) return false;
    return v >= a - 1e-9 && v <= b + 1e-9;
}

bool ValuesEqual(const std::string& found, const std::string& expected) {
    if (found == expected) return true;
    if (expected.find("..") != std::string::npos) return InRange(found, expected);
    if (expected == "\"\"") return found.empty(); // "" stands for the empty text
    char *e1 = nullptr, *e2 = nullptr;
    double a = strtod(found.c_str(), &e1), b = strtod(expected.c_str(), &e2);
    if (!found.empty() && !expected.empty() && *e1 == 0 && *e2 == 0) return std::abs(a - b) <= 1e-3;
    return false;
}

Pixmap Frame() {
    return GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight());
}

int Expect(const Command& c, long frame) {
    Json state = DumpState();
    const Json* v = state.Find(c.args[0]);
    std::string found = v ? v->Scalar() : "(absent)";
    if (v && ValuesEqual(found, c.args[1])) return 0;
    fprintf(stderr, "vessara-replay: frame %ld: %s is %s, expected %s (script line %d)\n", frame,
            c.args[0].c_str(), found.c_str(), c.args[1].c_str(), c.line);
    return 3;
}

// Compares the frame with a reference picture, each channel within the
// tolerance. On a mismatch the frame is written beside the caller as
// NAME.actual.png, so that it can be looked at (and, if right, copied over
// the reference).
int Compare(const Command& c, long frame, const OutputContext& ctx) {
    std::string ref = Resolve(ctx.scriptDir, c.args[0]);
    int tolerance = c.args.size() > 1 ? atoi(c.args[1].c_str()) : 0;
    Pixmap now = Frame();
    if (ctx.writeReferences) {
        if (SavePixmapPNGUtf8(now, ref, 9)) return 0;
        fprintf(stderr, "vessara-replay: cannot write %s\n", ref.c_str());
        return 2;
    }
    size_t slash = c.args[0].rfind('/');
    std::string base = c.args[0].substr(slash == std::string::npos ? 0 : slash + 1);
    std::string actual = Resolve(ctx.callerDir, base.substr(0, base.rfind('.')) + ".actual.png");
    Pixmap want;
    std::string err;
    if (!LoadPixmapPNG(ref, want, err)) {
        SavePixmapPNGUtf8(now, actual, 9);
        fprintf(stderr, "vessara-replay: frame %ld: reference %s: %s; the frame is in %s (script "
                        "line %d)\n",
                frame, ref.c_str(), err.c_str(), actual.c_str(), c.line);
        return 3;
    }
    if (want.width != now.width || want.height != now.height) {
        SavePixmapPNGUtf8(now, actual, 9);
        fprintf(stderr, "vessara-replay: frame %ld: reference %s is %d x %d, the frame %d x %d "
                        "(script line %d)\n",
                frame, ref.c_str(), want.width, want.height, now.width, now.height, c.line);
        return 3;
    }
    size_t differing = 0;
    int worst = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < now.height; ++y)
        for (int x = 0; x < now.width; ++x) {
            size_t i = ((size_t)y * now.width + x) * 4;
            int d = 0;
            for (int k = 0; k < 3; ++k) d = std::max(d, std::abs(now.rgba[i + k] - want.rgba[i + k]));
            if (d > tolerance) {
                if (differing++ == 0) firstX = x, firstY = y;
            }
            worst = std::max(worst, d);
        }
    if (differing == 0) return 0;
    SavePixmapPNGUtf8(now, actual, 9);
    fprintf(stderr, "vessara-replay: frame %ld: %zu pixels differ from %s by more than %d (largest "
                    "difference %d, first at %d, %d); the frame is in %s (script line %d)\n",
            frame, differing, ref.c_str(), tolerance, worst, firstX, firstY, actual.c_str(), c.line);
    return 3;
}
} // namespace

int RunOutput(const Command& c, long frame, const OutputContext& ctx) {
    if (c.name == "shot") {
        std::string p = Resolve(ctx.callerDir, c.args[0]);
        if (SavePixmapPNGUtf8(Frame(), p, 9)) return 0;
        fprintf(stderr, "vessara-replay: cannot write %s\n", p.c_str());
        return 2;
    }
    if (c.name == "dump") {
        std::string p = Resolve(ctx.callerDir, c.args[0]);
        if (WriteWholeFile(p, DumpState().Dump() + "\n")) return 0;
        fprintf(stderr, "vessara-replay: cannot write %s\n", p.c_str());
        return 2;
    }
    if (c.name == "expect") return Expect(c, frame);
    if (c.name == "compare") return Compare(c, frame, ctx);
    return 0;
}
