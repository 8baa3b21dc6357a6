#include "app/HugePages.h"

#include <gtest/gtest.h>

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t HUGE_PAGE = std::size_t{2} << 20;
constexpr std::size_t REGION = 5 * HUGE_PAGE;

bool hugePagesOff()
{
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    return !std::getline(setting, modes) || modes.find("[never]") != std::string::npos;
}

// The kernel's count of huge-page memory in the mapping that holds the address.
long hugeKbAround(const void* address)
{
    std::ifstream smaps("/proc/self/smaps");
    const auto wanted = reinterpret_cast<std::uintptr_t>(address);
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t begin = 0, end = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> begin >> dash >> end && dash == '-') {
            inside = begin <= wanted && wanted < end;
        } else if (inside && line.rfind("AnonHugePages:", 0) == 0) {
            return std::stol(line.substr(line.find(':') + 1));
        }
    }
    return -1;
}

// Memory in use, written byte by byte, moves to huge pages and keeps what it held.
TEST(HugePagesTest, MemoryInUseMovesToHugePagesWithItsContents)
{
    if (hugePagesOff()) {
        GTEST_SKIP() << "huge pages are off on this machine";
    }
    void* mapped = mmap(nullptr, REGION, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* bytes = static_cast<unsigned char*>(mapped);
    for (std::size_t i = 0; i < REGION; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 4096);
    }
    // Not aligned at either end: only the whole huge pages inside may move.
    unsigned char* begin = bytes + 1000;
    ASSERT_TRUE(settleOnHugePages(begin, bytes + REGION - 1000));
    const auto firstWhole = (reinterpret_cast<std::uintptr_t>(begin) + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
    EXPECT_GE(hugeKbAround(reinterpret_cast<void*>(firstWhole)), static_cast<long>(HUGE_PAGE / 1024));
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < REGION; ++i) {
        wrong += bytes[i] != static_cast<unsigned char>(i * 7 + i / 4096) ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0u);
    munmap(mapped, REGION);
}

TEST(HugePagesTest, LessThanOneWholeHugePageIsLeftAlone)
{
    void* mapped = mmap(nullptr, 2 * HUGE_PAGE, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    const auto aligned = (reinterpret_cast<std::uintptr_t>(mapped) + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
    auto* start = reinterpret_cast<unsigned char*>(aligned) - 4096;
    EXPECT_FALSE(settleOnHugePages(start, start + HUGE_PAGE));
    munmap(mapped, 2 * HUGE_PAGE);
}

} // namespace
