// The fuzz targets: the file each one replaces and how the game reads it.
#pragma once

#include <string>

struct FuzzTarget {
    const char* name;
    std::string file; // path in the game folder the input replaces ("" = none)
    // Loads it; a refusal throws FatalError.
    void (*run)(const std::string& bytes);
};

const FuzzTarget* FindFuzzTarget(const std::string& name);
std::string FuzzTargetNames();
