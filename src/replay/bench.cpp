// The --bench report.
#include "replay/bench.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {
double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t idx = (size_t)std::min<double>((double)v.size() - 1, std::ceil(q * (double)v.size()) - 1);
    return v[idx];
}
} // namespace

void PrintBenchReport(const std::vector<double>& work, double wall, double startup) {
    auto share = [&](double ms) {
        size_t n = 0;
        for (double w : work) n += w > ms;
        return work.empty() ? 0.0 : 100.0 * (double)n / (double)work.size();
    };
    struct rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    printf("frames: %zu\n", work.size());
    printf("start-up to frame 0: %.1f ms\n", startup);
    printf("wall time: %.1f ms (start-up included)\n", wall);
    printf("frame work p50 %.3f ms, p95 %.3f ms, p99 %.3f ms, p99.9 %.3f ms\n",
           Percentile(work, 0.5), Percentile(work, 0.95), Percentile(work, 0.99),
           Percentile(work, 0.999));
    printf("frames over 1 ms: %.2f%%, 5 ms: %.2f%%, 10 ms: %.2f%%, 16.7 ms: %.2f%%\n", share(1),
           share(5), share(10), share(16.7));
    printf("peak memory: %.1f MiB\n", ru.ru_maxrss / 1024.0);
}
