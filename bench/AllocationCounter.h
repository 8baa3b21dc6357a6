#pragma once

#include <cstdint>

/// Counts every operator new of the process (the bench replaces the global one).
class cAllocationCounter final {
public:
    /// Allocations made since the process started.
    static uint64_t total();
};
