#include "Samples.h"

#include <algorithm>
#include <cmath>

int64_t cSamples::percentile(double fraction) const
{
    if (values.empty()) {
        return 0;
    }
    std::vector<int64_t> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    // Nearest rank: the smallest value with at least that share at or below it.
    const double rank = std::ceil(fraction * static_cast<double>(sorted.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}
