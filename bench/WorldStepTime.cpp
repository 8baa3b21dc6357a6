#include "WorldStepTime.h"

#include "Clock.h"

class b2World;

namespace {

int64_t spent = 0;

} // namespace

int64_t worldStepNs() { return spent; }

extern "C" {
// b2World::Step(float, int, int)
void __real__ZN7b2World4StepEfii(b2World* world, float timeStep, int velocityIterations, int positionIterations);

void __wrap__ZN7b2World4StepEfii(b2World* world, float timeStep, int velocityIterations, int positionIterations)
{
    const int64_t start = nowNs();
    __real__ZN7b2World4StepEfii(world, timeStep, velocityIterations, positionIterations);
    spent += nowNs() - start;
}
}
