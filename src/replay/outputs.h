// The output commands of a script: they look at the state after a frame.
#pragma once

#include "replay/script.h"

#include <string>

struct OutputContext {
    std::string callerDir;   // output paths are relative to it
    std::string scriptDir;   // reference pictures are relative to it
    bool writeReferences = false;
};

// Runs one output command; returns the exit status it asks for (0 fine, 2
// a file could not be written, 3 an expectation or comparison failed).
int RunOutput(const Command& c, long frame, const OutputContext& ctx);
// Resolves a path against a folder unless it is absolute.
std::string Resolve(const std::string& dir, const std::string& path);
