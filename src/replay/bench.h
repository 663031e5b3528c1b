// The --bench report: frame work percentiles, slow frames, peak memory.
#pragma once

#include <vector>

void PrintBenchReport(const std::vector<double>& workMs, double wallMs);
