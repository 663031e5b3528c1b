// Vessara-Demo: the game in a window. It runs in the game folder beside the
// program, wherever it is started from. One option: --frame-log FILE writes
// each frame's interval, work time and present time (ms) to FILE, to measure the pacing.
#include "media/media.h"
#include "media/picture_batch.h"
#include "shell/shell.h"

#include <new>

int main(int argc, char** argv) {
    const char* program = "Vessara-Demo";
    int status = 0;
    try {
        std::string frameLog;
        for (int i = 1; i < argc; ++i) {
            std::string a = argv[i];
            if (a == "--frame-log" && i + 1 < argc)
                frameLog = argv[++i];
            else
                throw PlatformError(a, "unknown option (the game takes only --frame-log FILE)");
        }
        // The log is named from where the game was started.
        if (!frameLog.empty() && !SetFrameLog(frameLog))
            throw PlatformError(frameLog, "cannot write the frame log");
        std::string dir = ProgramDirectory();
        if (!dir.empty() && !ChangeDirectory(dir))
            throw PlatformError(dir, "cannot enter the game folder");
        SelectBackend(Backend::Window);
        StartUp();
        MainLoop();
        FinishPictures();
    } catch (const FatalError& e) {
        status = ReportFatal(program, e);
    } catch (const std::exception& e) {
        status = ReportUnexpected(program, e);
    }
    ShutdownMedia();
    return status;
}
