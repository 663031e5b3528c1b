// Fatal errors and how a program reports them.
#include "media/media.h"

#include <cstdio>

void FailData(const Str& path, const std::string& reason) {
    throw DataError(ToUtf8(path), reason);
}

namespace {
int Report(const char* program, const std::string& line) {
    fprintf(stderr, "%s: %s\n", program, line.c_str());
    ShowErrorBox(std::string(program) + " kann nicht weiterlaufen.\n\n" + line);
    return 1;
}
} // namespace

int ReportFatal(const char* program, const FatalError& e) {
    return Report(program, e.where + ": " + e.reason);
}

int ReportUnexpected(const char* program, const std::exception& e) {
    return Report(program, std::string("internal error: ") + e.what());
}
