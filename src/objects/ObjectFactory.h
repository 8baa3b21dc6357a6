#pragma once

#include <vector>

class cObject;
class b2World;
struct b2Vec2;

using ObjectList = std::vector<cObject*>;

/// How wide a rope's picture is drawn, whatever its length.
constexpr float ROPE_PICTURE_WIDTH = 19.7f;

/// Builds one kind of object at a place: the real thing, or in preview mode a
/// ghost of sensor shapes that follows the mouse. Returns what it made.
using ObjectFactory = ObjectList (*)(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);

ObjectList createPlayer(b2World* world, float x, float y);
ObjectList createBowlingBall(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
ObjectList createCherry(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
/// A plank hung by two rigid ropes from anchors[0] and anchors[1].
ObjectList createDistanceBox(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
/// A plank hung by two springs from anchors[0] and anchors[1].
ObjectList createFrequencyBox(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
ObjectList createSkate(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
ObjectList createBalance(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
ObjectList createCardLeft(b2World* world, float x, float y);
ObjectList createCardRight(b2World* world, float x, float y);
ObjectList createCardTop(b2World* world, float x, float y);
ObjectList createDomino(b2World* world, float x, float y);
ObjectList createHazelnut(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
/// A bird that never moves; the first one made shows a different picture.
ObjectList createBird(b2World* world, float x, float y, bool preview);
ObjectList createCannon(b2World* world, float x, float y, bool preview, const b2Vec2* anchors);
