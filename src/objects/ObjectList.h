#pragma once

#include "objects/ObjectFactory.h"

#include <cstdint>

class b2Body;
class cLevel;

/// The registry of every game object, kept in drawing order (ascending layer).
class cObjectList final {
public:
    void add(cObject* object);
    void remove(cObject* object);
    /// Restores layer order after an object changed its layer.
    void sort();
    /// Files the objects again after one of them changed what it is filed
    /// under, or after bodies went that keepers of objects found here may hold.
    void reindex() { markChanged(); }
    /// Counts the changes of who is filed and how, so that a keeper of
    /// objects found here knows when to look again.
    uint64_t generation() const { return changes; }

    /// A copy, so that callers may delete objects while they walk it.
    ObjectList getAll() const { return objects; }
    /// The list itself, for walks that neither make nor delete objects: the
    /// drawing and the panel run every tick and need no copy.
    const ObjectList& inOrder() const { return objects; }
    cObject* getFirstOfKind(int kind) const;
    /// A copy, so that callers may delete objects while they walk it.
    ObjectList getAllOfKind(int kind) const;
    /// The objects of one kind in registry order, for walks that neither make
    /// nor delete objects.
    const ObjectList& inOrderOfKind(int kind) const;
    /// The objects the player placed, in registry order.
    const ObjectList& inOrderRemovable() const;

    /// The level whose recorded contacts answer the touching queries.
    void setLevel(cLevel* current) { level = current; }
    cLevel* getLevel() const { return level; }
    /// Every body that shares a recorded contact point with the body, once per
    /// point; a body destroyed since the point was recorded shows as null.
    std::vector<b2Body*> getTouchingBodies(const b2Body* body) const;
    bool isTouchingAnything(const b2Body* body) const;
    bool isTouching(const b2Body* body, const b2Body* other) const;

    void syncAll();

private:
    void markChanged()
    {
        stale = true;
        ++changes;
    }
    void index() const;
    template <class Match>
    bool anyPoint(Match match) const;

    cLevel* level = nullptr;
    ObjectList objects;
    // The rules look objects up by kind many times a tick, while objects come
    // and go a few times a game: the index is rebuilt on the first look after
    // a change.
    mutable std::vector<ObjectList> byKind;
    // The first of each kind side by side: the rules ask for several each tick.
    mutable ObjectList firstOfKind;
    mutable ObjectList removables;
    mutable bool stale = true;
    uint64_t changes = 0;
};

/// Draws every object that has a picture, lowest layer first.
void drawAllObjects();
