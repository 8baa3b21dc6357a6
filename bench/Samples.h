#pragma once

#include <cstdint>
#include <vector>

/// Durations of one kind, in nanoseconds, and their order statistics.
class cSamples final {
public:
    void add(int64_t ns) { values.push_back(ns); }
    void reserve(std::size_t count) { values.reserve(count); }
    std::size_t size() const { return values.size(); }

    /// The value below which the given fraction of the samples lie; 0 when empty.
    int64_t percentile(double fraction) const;
    int64_t median() const { return percentile(0.5); }
    int64_t max() const { return percentile(1.0); }

private:
    std::vector<int64_t> values;
};
