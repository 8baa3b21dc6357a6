#pragma once

#include <cstdint>
#include <ctime>

/// Nanoseconds on the monotonic clock, which every process of the machine
/// shares: a child's time stamps can be compared with its parent's.
inline int64_t nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

/// Nanoseconds of processor time used by every thread of this process.
inline int64_t processCpuNs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<int64_t>(used.tv_sec) * 1000000000 + used.tv_nsec;
}
