#pragma once

#include "objects/ObjectList.h"

class b2Body;
class cInput;
class cObject;

/// What a test sees of the running game and does to it, through the shared
/// managers, as a player would through the event loop.
cInput& input();
cObjectList& registry();
cObject* firstOfKind(int kind);
b2Body* bodyOf(int kind);
/// The registered objects that are tools, placed or carried, in registry order.
ObjectList tools();
ObjectList placedObjects();
ObjectList carried();
/// The mouse moved onto a world point.
void pointAt(float x, float y);
/// The mouse onto the window pixel that shows the world point in the view of
/// the last tick; a point outside the window is still a pixel a mouse can
/// report while a button is held.
void pointAtPixelOf(float x, float y);
/// A press and release within one tick.
void click(int button = 1);
