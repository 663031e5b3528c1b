// Fatal errors. A missing or broken game file, or a platform that cannot
// give the game a window, stops the game: the code that finds the fault
// throws, the program's entry point prints one line
// "PROGRAM: WHERE: REASON" and exits with status 1.
#pragma once

#include "media/strings.h"

#include <stdexcept>
#include <string>

struct FatalError : std::runtime_error {
    // What is at fault: a file, with ", record N" or ", line N" where the
    // file has records or lines; or the part of the platform that failed.
    std::string where;
    std::string reason;
    FatalError(const std::string& w, const std::string& r)
        : std::runtime_error(w + ": " + r), where(w), reason(r) {}
};

// A game file is missing or broken.
struct DataError : FatalError {
    using FatalError::FatalError;
};

// The platform cannot run the game (no display, no renderer, ...).
struct PlatformError : FatalError {
    using FatalError::FatalError;
};

[[noreturn]] void FailData(const Str& path, const std::string& reason);

// Prints the one line of a fatal error on stderr, shows it in a message box
// when a window could be opened, and returns the exit status 1.
int ReportFatal(const char* program, const FatalError& e);
// The same for an exception that is no FatalError (out of memory, ...).
int ReportUnexpected(const char* program, const std::exception& e);
