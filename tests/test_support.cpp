#include "test_support.h"

#include "shell/shell.h"

#include <unistd.h>

namespace testsupport {
void EnsureHeadlessWindow() {
    static bool open = false;
    if (open) return;
    SelectBackend(Backend::Headless);
    OpenGraphics(1024, 768, 0, 60, 0);
    open = true;
}

std::filesystem::path ScratchDir() {
    static std::filesystem::path dir;
    if (dir.empty()) {
        dir = std::filesystem::temp_directory_path() / ("vessara-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
    }
    return dir;
}

std::string WriteFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path p = ScratchDir() / std::filesystem::u8path(name);
    std::filesystem::create_directories(p.parent_path());
    EXPECT_TRUE(WriteWholeFile(p.string(), bytes));
    return p.string();
}

uint32_t ScreenPixel(int x, int y) {
    Pixmap pm = GrabScreenRect(x, y, 1, 1);
    uint32_t c = (uint32_t)pm.rgba[0] << 16 | (uint32_t)pm.rgba[1] << 8 | pm.rgba[2];
    return c;
}

std::string GameDir() {
    return VESSARA_GAME_DIR;
}

void FreshWorld() {
    EnsureHeadlessWindow();
    ResetInput();
    ClearGameState();
}

std::string FreshGame() {
    static bool loaded = false;
    static std::string error;
    EnsureHeadlessWindow();
    ResetInput();
    if (!ChangeDirectory(GameDir())) return "no game folder at " + GameDir();
    try {
        if (!loaded) {
            loaded = true;
            LoadStartUpAssets();
        }
        if (error.empty()) ResetGameState();
    } catch (const FatalError& e) {
        error = e.what();
    }
    return error;
}
} // namespace testsupport
