// Vessara-Demo: the game in a window. It takes no arguments; it runs in
// the game folder beside the program, wherever it is started from.
#include "media/media.h"
#include "shell/shell.h"

#include <new>

int main() {
    const char* program = "Vessara-Demo";
    int status = 0;
    try {
        std::string dir = ProgramDirectory();
        if (!dir.empty() && !ChangeDirectory(dir))
            throw PlatformError(dir, "cannot enter the game folder");
        SelectBackend(Backend::Window);
        StartUp();
        MainLoop();
    } catch (const FatalError& e) {
        status = ReportFatal(program, e);
    } catch (const std::exception& e) {
        status = ReportUnexpected(program, e);
    }
    ShutdownMedia();
    return status;
}
