#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ortambra::bench {

// Median and quartiles of a sample: the median is the figure reported, the quartiles show how
// much a shared machine moved it.
struct Summary {
    double median = 0.0;
    double lowerQuartile = 0.0;
    double upperQuartile = 0.0;
    std::size_t count = 0;
};

inline double quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty())
        return 0.0;
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = at - static_cast<double>(below);
    return sorted[below] * (1.0 - weight) + sorted[above] * weight;
}

inline Summary summarize(std::vector<double> sample) {
    std::sort(sample.begin(), sample.end());
    return {quantile(sample, 0.5), quantile(sample, 0.25), quantile(sample, 0.75), sample.size()};
}

} // namespace ortambra::bench
