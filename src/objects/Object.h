#pragma once

#include "objects/ObjectFactory.h"

#include <cstddef>

class b2Body;
class b2World;
class cTexture;

/// One thing of the game world: usually a body with a picture, sometimes only
/// a picture or only a marker. It is listed in the registry for as long as it
/// lives; it owns neither its body nor its picture.
class cObject final {
public:
    cObject(int layer, int kind);
    ~cObject();
    // Objects live side by side in a pool of their own.
    static void* operator new(std::size_t size);
    static void operator delete(void* object);
    cObject(const cObject&) = delete;
    cObject& operator=(const cObject&) = delete;

    void setBody(b2Body* newBody)
    {
        body = newBody;
        synced = false;
    }
    void setTexture(cTexture* newTexture)
    {
        texture = newTexture;
        synced = false;
    }
    void setPosition(float newX, float newY);
    void setFactory(ObjectFactory newFactory, b2World* world);
    void setTool(bool value) { tool = value; }
    /// Marks the object as placed by the player, which the registry files it under.
    void setRemovable(bool value);
    void setDragged(bool value) { dragged = value; }
    /// Moves the object to another layer, which re-sorts the registry.
    void setLayer(int newLayer);

    b2Body* getBody() const { return body; }
    cTexture* getTexture() const { return texture; }
    int getLayer() const { return layer; }
    float getX() const { return x; }
    float getY() const { return y; }
    int getKind() const { return kind; }
    ObjectFactory getFactory() const { return factory; }
    b2World* getFactoryWorld() const { return factoryWorld; }
    bool isTool() const { return tool; }
    bool isRemovable() const { return removable; }
    bool isDragged() const { return dragged; }

    /// What the stored factory builds at this object's place; nothing without one.
    ObjectList createFromFactory(bool preview) const;
    /// Whether the point lies on the picture's rectangle grown by the margin;
    /// an object without a picture contains nothing.
    bool containsPoint(float px, float py, float margin) const;
    /// Takes the body's position, and its angle for the picture.
    void syncFromBody();

private:
    b2Body* body = nullptr;
    cTexture* texture = nullptr;
    int layer;
    float x = 0.0f;
    float y = 0.0f;
    bool tool = false;
    bool removable = false;
    bool dragged = false;
    bool synced = false;
    int kind;
    ObjectFactory factory = nullptr;
    b2World* factoryWorld = nullptr;
};
