#include "TickMark.h"

#include "AllocationCounter.h"
#include "Clock.h"

void cTickMark::run(int message)
{
    if (message == MSG_TICK) {
        time = nowNs();
        allocationCount = cAllocationCounter::total();
    }
}
