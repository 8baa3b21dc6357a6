#pragma once

#include <cstdint>

/// The process's peak resident size so far, in kibibytes; 0 when unknown.
int64_t peakResidentKb();
