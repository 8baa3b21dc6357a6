#pragma once

#include <box2d/b2_math.h>
#include <box2d/b2_types.h>

class b2Body;
class b2Fixture;

enum ContactState {
    CONTACT_ADDED = 0,
    CONTACT_PERSISTED = 1,
    CONTACT_REMOVED = 2,
};

/// One contact point reported by the world. The bodies are kept beside the
/// fixtures so that a point can still be asked about after one of its bodies
/// was destroyed: the destroyed side then reads null.
struct ContactPoint {
    b2Fixture* shape1;
    b2Fixture* shape2;
    b2Body* body1;
    b2Body* body2;
    b2Vec2 normal;
    b2Vec2 position;
    b2Vec2 velocity;
    uint32 id;
    ContactState state;
};
