// Fuzz targets for everything the game parses: each input is written over
// one file of a scratch copy of the game folder and loaded as the game
// loads it (or parsed directly, for maps and replay scripts). A clear error
// (a DataError naming the file, a refused script line) is the expected
// answer to bad bytes; a crash, a sanitizer report, a hang or runaway memory
// is a finding.
//
// The target is chosen by the environment variable VESSARA_FUZZ_TARGET; the
// game folder to copy by VESSARA_GAME_DIR (default: the build's own).
#include "fuzz_targets.h"

#include "media/media.h"
#include "shell/shell.h"
#include "world/world.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const FuzzTarget* g_target = nullptr;
fs::path g_scratch;

// The fuzzer is restarted every few thousand inputs, each time with a new
// scratch copy of the game folder (tens of MB): each run takes its own
// along when it ends, or a long run fills the disk.
void RemoveScratch() {
    std::error_code ec;
    if (!g_scratch.empty()) fs::remove_all(g_scratch, ec);
}

[[noreturn]] void Die(const std::string& why) {
    fprintf(stderr, "vessara-fuzz: %s\n", why.c_str());
    RemoveScratch();
    std::_Exit(2);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* name = getenv("VESSARA_FUZZ_TARGET");
    if (!name) Die("set VESSARA_FUZZ_TARGET to one of: " + FuzzTargetNames());
    g_target = FindFuzzTarget(name);
    if (!g_target) Die(std::string("no target '") + name + "'; there are: " + FuzzTargetNames());
    const char* game = getenv("VESSARA_GAME_DIR");
    fs::path from = game ? game : VESSARA_GAME_DIR;
    fs::path scratch = fs::temp_directory_path() / ("vessara-fuzz-" + std::to_string(getpid()));
    std::error_code ec;
    fs::remove_all(scratch, ec);
    g_scratch = scratch;
    atexit(RemoveScratch);
    fs::copy(from, scratch, fs::copy_options::recursive, ec);
    if (ec) Die("cannot copy the game folder " + from.string() + ": " + ec.message());
    if (!ChangeDirectory(scratch.string())) Die("cannot enter " + scratch.string());
    SelectBackend(Backend::Headless);
    try {
        OpenGraphics(1024, 768, 0, 60, 0);
        // The fonts for wrapping and an empty world on the start map; each
        // target loads only what it needs, so memory stays low.
        LoadFonts();
        ClearGameState();
        LoadMap(CurrentMapName);
    } catch (const FatalError& e) {
        Die("the game folder does not start: " + std::string(e.what()));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!g_target->file.empty()) {
        std::ofstream out(fs::u8path(g_target->file), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), (std::streamsize)bytes.size());
        // Unwritten (a full disk), the load would read the last input again
        // and again: the run stops instead of fuzzing nothing.
        out.close();
        if (!out) Die("cannot write the input to " + g_target->file);
    }
    try {
        g_target->run(bytes);
    } catch (const FatalError&) {
        // The clear error the game stops with.
    }
    return 0;
}
