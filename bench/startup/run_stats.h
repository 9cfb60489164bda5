// Median and spread of a set of measured runs.
#pragma once

#include <vector>

namespace tallowin::bench {

struct Spread {
    double min = 0;
    double p25 = 0;
    double median = 0;
    double p75 = 0;
    double max = 0;
};

// The q-quantile (0 to 1) of the samples, interpolating linearly between the
// two nearest ranks. The samples need not be sorted; there must be some.
[[nodiscard]] double quantile(std::vector<double> samples, double q);

// Minimum, quartiles, median and maximum; all zero for no samples.
[[nodiscard]] Spread spreadOf(const std::vector<double>& samples);

}  // namespace tallowin::bench
