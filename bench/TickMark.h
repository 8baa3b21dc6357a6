#pragma once

#include "app/Process.h"

#include <cstdint>

/// The last process of a tick: notes when the processes before it were done.
class cTickMark final : public cProcess {
public:
    void run(int message) override;

    int64_t timeNs() const { return time; }
    uint64_t allocations() const { return allocationCount; }

private:
    int64_t time = 0;
    uint64_t allocationCount = 0;
};
