#pragma once
#include <cstdint>
#include <ctime>
#include <vector>
inline int64_t scratchNow() { timespec t{}; clock_gettime(CLOCK_MONOTONIC, &t); return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; }
struct ScratchTimes { std::vector<int64_t> v[24]; const char* names[24] = {}; };
inline ScratchTimes& scratchTimes() { static ScratchTimes s; return s; }
struct ScratchScope { int i; int64_t t; ScratchScope(int i, const char* n) : i(i), t(scratchNow()) { scratchTimes().names[i] = n; } ~ScratchScope() { scratchTimes().v[i].push_back(scratchNow() - t); } };
#define SCRATCH(i, n) ScratchScope scratchScope##i(i, n)
