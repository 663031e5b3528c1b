// The --bench report: frame work percentiles, slow frames, peak memory.
#pragma once

#include <vector>

// startupMs: from the start of the program to the end of start-up (frame 0).
void PrintBenchReport(const std::vector<double>& workMs, double wallMs, double startupMs);
