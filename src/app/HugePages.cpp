#include "app/HugePages.h"

#include <sys/mman.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr std::uintptr_t HUGE_PAGE = std::uintptr_t{2} << 20;
// MADV_COLLAPSE: from Linux 6.1 on, pages already in use move at once (the
// advice alone only shapes memory touched later). The C library's headers of
// Debian 12 do not name it yet.
constexpr int COLLAPSE_NOW = 25;

bool heapRange(std::uintptr_t& begin, std::uintptr_t& end)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find("[heap]") == std::string::npos) {
            continue;
        }
        std::istringstream range(line);
        char dash = 0;
        return static_cast<bool>(range >> std::hex >> begin >> dash >> end) && dash == '-';
    }
    return false;
}

} // namespace

bool settleOnHugePages(void* begin, void* end)
{
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) & ~(HUGE_PAGE - 1);
    if (last <= first) {
        return false;
    }
    void* start = reinterpret_cast<void*>(first);
    const std::size_t length = last - first;
    // The advice keeps the pages huge when the kernel later splits or moves them.
    return madvise(start, length, MADV_HUGEPAGE) == 0 && madvise(start, length, COLLAPSE_NOW) == 0;
}

bool settleHeapOnHugePages()
{
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    return heapRange(begin, end) && settleOnHugePages(reinterpret_cast<void*>(begin), reinterpret_cast<void*>(end));
}
