// Vessara-Demo: the game in a window. It takes no arguments; everything it
// reads lies relative to the working directory.
#include "media/media.h"
#include "shell/shell.h"

#include <cstdio>

int main() {
    try {
        SelectBackend(Backend::Window);
        StartUp();
        MainLoop();
    } catch (const AssetError& e) {
        std::string msg = e.path + ": " + e.reason;
        fprintf(stderr, "Vessara-Demo: %s\n", msg.c_str());
        ShowErrorBox("Vessara-Demo kann nicht starten.\n\n" + msg);
        ShutdownMedia();
        return 1;
    }
    ShutdownMedia();
    return 0;
}
