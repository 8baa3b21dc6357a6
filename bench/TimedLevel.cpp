#include "TimedLevel.h"

#include "AllocationCounter.h"
#include "Clock.h"
#include "WorldStepTime.h"

#include "app/Singleton.h"
#include "graphics/TextureManager.h"
#include "objects/ObjectList.h"

#include <utility>

void cTimedLevel::run(int message)
{
    if (message != MSG_TICK) {
        return;
    }
    const uint64_t allocationsBefore = cAllocationCounter::total();
    const int64_t t0 = nowNs();
    applyRules();
    const int64_t t1 = nowNs();
    const int64_t worldBefore = worldStepNs();
    step();
    const int64_t worldAfter = worldStepNs();
    const int64_t t2 = nowNs();
    Singleton<cObjectList>::instance().syncAll();
    const int64_t t3 = nowNs();
    if (!isDebugView()) {
        drawAllObjects();
    }
    Singleton<cTextureManager>::instance().loadNextWaiting();
    const int64_t t4 = nowNs();
    latest.endNs = t4;
    latest.allocationsAtEnd = cAllocationCounter::total();
    latest.levelNs = t4 - t0;
    latest.allocations = latest.allocationsAtEnd - allocationsBefore;
    timing.rules.add(t1 - t0);
    timing.step.add(t2 - t1);
    timing.worldStep.add(worldAfter - worldBefore);
    timing.sync.add(t3 - t2);
    timing.drawing.add(t4 - t3);
    timing.logic.add(t3 - t0);
    timing.level.add(t4 - t0);
    timing.allocations.add(static_cast<int64_t>(latest.allocations));
}

cTimedLevel::Parts cTimedLevel::takeParts(std::size_t ticks)
{
    Parts taken = std::move(timing);
    timing = Parts();
    for (cSamples* samples : {&timing.rules, &timing.step, &timing.worldStep, &timing.sync, &timing.drawing,
                              &timing.logic, &timing.level, &timing.allocations}) {
        samples->reserve(ticks);
    }
    return taken;
}
