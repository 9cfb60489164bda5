#include "run_stats.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tallowin::bench {

double quantile(std::vector<double> samples, double q) {
    std::sort(samples.begin(), samples.end());
    const double rank = q * static_cast<double>(samples.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, samples.size() - 1);
    const double fraction = rank - static_cast<double>(below);
    return samples[below] + (samples[above] - samples[below]) * fraction;
}

Spread spreadOf(const std::vector<double>& samples) {
    if (samples.empty()) return {};
    return Spread{
        .min = *std::min_element(samples.begin(), samples.end()),
        .p25 = quantile(samples, 0.25),
        .median = quantile(samples, 0.5),
        .p75 = quantile(samples, 0.75),
        .max = *std::max_element(samples.begin(), samples.end()),
    };
}

}  // namespace tallowin::bench
