#include "TickBench.h"

#include "AllocationCounter.h"
#include "Clock.h"
#include "GameWindow.h"

#include "app/Application.h"
#include "app/HugePages.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "app/Video.h"

#include <algorithm>

void cTickBench::start()
{
    openGameWindow();
    timedLevel = new cTimedLevel;
    // As the game does once its level is built.
    settleHeapOnHugePages();
    // After the level and its drag box, so that it sees when both are done.
    Singleton<cProcessList>::instance().add(&mark);
}

cTickBench::Figures cTickBench::run(int ticks, const std::function<void(int)>& feed)
{
    const auto count = static_cast<std::size_t>(ticks);
    timedLevel->takeParts(count);
    Figures figures;
    for (cSamples* samples : {&figures.dragBox, &figures.frame, &figures.whole, &figures.wholeCpu,
                              &figures.dragBoxAllocations, &figures.frameAllocations}) {
        samples->reserve(count);
    }
    for (int tick = 0; tick < ticks; ++tick) {
        feed(tick);
        const uint64_t allocationsBefore = cAllocationCounter::total();
        const int64_t start = nowNs();
        const int64_t cpuStart = processCpuNs();
        cApplication::tick();
        const int64_t whole = nowNs() - start;
        figures.wholeCpu.add(processCpuNs() - cpuStart);
        const uint64_t allocations = cAllocationCounter::total() - allocationsBefore;

        const cTimedLevel::Last& level = timedLevel->last();
        const int64_t dragBox = mark.timeNs() - level.endNs;
        const uint64_t dragBoxAllocations = mark.allocations() - level.allocationsAtEnd;
        figures.whole.add(whole);
        figures.dragBox.add(dragBox);
        figures.frame.add(whole - level.levelNs - dragBox);
        figures.dragBoxAllocations.add(static_cast<int64_t>(dragBoxAllocations));
        figures.frameAllocations.add(static_cast<int64_t>(allocations - level.allocations - dragBoxAllocations));
        const int contacts = timedLevel->getContactPointCount();
        figures.maxContactPoints = std::max(figures.maxContactPoints, contacts);
        figures.ticksAtContactCap += contacts == cLevel::CONTACT_POINT_CAPACITY ? 1 : 0;
    }
    figures.level = timedLevel->takeParts(0);
    return figures;
}
