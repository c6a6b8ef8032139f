#pragma once
// The figures the latency benchmarks report.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

// The value below which a share q (0..1) of the values lie; 0 for none.
inline double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(q * static_cast<double>(values.size())))];
}

inline double ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
