// The checker's list of problems: every one found, in the order found.
#pragma once

#include "media/media.h"

#include <functional>
#include <string>
#include <vector>

struct Problems {
    std::vector<std::string> lines; // "WHERE: REASON"

    void Add(const std::string& where, const std::string& reason) {
        std::string line = where + ": " + reason;
        for (const std::string& l : lines)
            if (l == line) return; // one fault found by two checks is one problem
        lines.push_back(line);
    }
    // Runs one check; a fatal error it throws becomes a problem. Returns
    // false when the check stopped on an error.
    bool Run(const std::function<void()>& check) {
        try {
            check();
            return true;
        } catch (const FatalError& e) {
            Add(e.where, e.reason);
            return false;
        }
    }
};
