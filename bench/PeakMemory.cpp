#include "PeakMemory.h"

#include <fstream>
#include <string>

int64_t peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            int64_t kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}
