#pragma once

#include "app/Process.h"
#include "graphics/DebugRender.h"
#include "levels/ContactListener.h"
#include "levels/ContactPoint.h"
#include "levels/LevelSounds.h"

#include <box2d/b2_collision.h>

#include <optional>
#include <vector>

class b2Body;
class b2World;
class cObject;
class cSound;
class cTexture;
struct StarTool;

/// A playable level: its physics world, the contact points of the last step,
/// its sounds and switches. It ticks as the first process: rules, step, drawing.
class cLevel : public cProcess {
public:
    static constexpr int CONTACT_POINT_CAPACITY = 2048;

    cLevel();
    virtual ~cLevel();
    cLevel(const cLevel&) = delete;
    cLevel& operator=(const cLevel&) = delete;

    void run(int message) override;

    b2World* getWorld() const { return world; }
    const ContactPoint* getContactPoints() const { return contactPoints; }
    int getContactPointCount() const { return contactPointCount; }
    const LevelSounds& getSounds() const { return sounds; }
    bool isMuted() const { return muted; }
    bool isDebugView() const { return debugView; }

    /// Keeps a reported point, unless the buffer is full.
    void recordContact(const ContactPoint& point);
    /// Destroys a body so that no recorded point leads into it afterwards.
    void destroyBody(b2Body* body);
    /// Destroys an object's body, if it has one, then the object and the
    /// objects that only hang on that body (markers of its shapes, pictures of
    /// its joints).
    void destroyObject(cObject* object);
    /// The placed object with every placed object jointed to it, so that a
    /// click takes away a whole skateboard or balance.
    std::vector<cObject*> placedGroup(cObject* object) const;
    /// Removes a placed object with its whole group.
    void removePlaced(cObject* object);

protected:
    /// Puts the level back as it was built, when the player asks for it with
    /// R or the restart button. A level that was not built from a drawing has
    /// nothing to put back.
    virtual void restart() {}
    /// A new, empty world in place of the old one, whose contact points are
    /// forgotten; the objects of the old world's bodies must be gone first.
    void renewWorld();
    /// Deletes a picture that is nobody's any more, as a destroyed object's picture goes.
    static void releasePicture(cTexture* picture);
    /// Deletes every object but those kept, and the pictures that were only theirs.
    static void removeObjects(bool (*keep)(const cObject* object));

    /// One tick: the rules, the physics step, the objects following their
    /// bodies, the drawing.
    void update();
    /// Everything the rules do before the step.
    void applyRules();
    /// The physics step, recording its contact points.
    void step();

private:
    void keptBodiesGone();
    bool restartAsked();
    void steer(b2Body* wheel, b2Body* squirrel, b2Body* foot);
    bool isGrounded(const b2Body* wheel, const b2Body* squirrel, const b2Body* foot) const;
    void roll(b2Body* wheel, b2Body* squirrel, bool grounded, float direction, cSound* sound);
    void hoverAndRemove();
    bool mayLieUnder(const std::vector<cObject*>& placed, const b2AABB& box);
    void collectStars(const b2Body* wheel);
    void findStars();
    void feedBirds();
    void noteMeal(b2Body* cherryBody, b2Body* birdBody, const std::vector<cObject*>& birds);
    void collectHazelnut(const b2Body* wheel);
    void layRopes();
    void findRopes();
    void moveBackground();
    void switchMute();
    void applyMute();
    void switchFullscreen();
    void switchDebugView();

    b2AABB worldAABB;
    cDebugRender debugDraw;
    ContactPoint contactPoints[CONTACT_POINT_CAPACITY];
    int contactPointCount = 0;
    ContactListener contactListener;
    b2World* world = nullptr;
    bool muted = false;
    bool debugView = false;
    std::optional<bool> appliedMute;
    LevelSounds sounds;
    // The mute button's two pictures, the first the one it was made with, the
    // second made once: switching the image of one picture by name would
    // upload a new texture at every switch.
    cTexture* muteImages[2] = {nullptr, nullptr};
    // The cherries on a bird this tick, kept from tick to tick for its room.
    struct Meal {
        cObject* cherry;
        cObject* bird;
    };
    std::vector<Meal> meals;
    // The birds' bodies, found again only after the objects or the bodies changed.
    std::vector<const b2Body*> birdBodies;
    std::optional<uint64_t> birdsFoundAt;
    // The ropes with pictures and where their bodies stood when the pictures
    // were last laid: most hang still, and a picture is laid again only after
    // a body moved. Found again after the objects or the bodies changed.
    struct Rope {
        cObject* picture;
        const b2Body* bodies[2];
        /// Where the rope holds each body, in the body's own frame.
        b2Vec2 anchors[2];
        b2Transform poses[2];
        bool laid;
    };
    std::vector<Rope> ropes;
    std::optional<uint64_t> ropesFoundAt;
    // The placed objects' bodies and how far their shapes reach, found again
    // after the objects or the bodies changed.
    struct PlacedReach {
        const b2Body* body;
        float reach;
    };
    std::vector<PlacedReach> placedReaches;
    std::optional<uint64_t> reachesFoundAt;
    // The stars not taken yet, each with how near the wheel's centre must come
    // along either axis.
    struct StarSpot {
        cObject* object;
        const StarTool* star;
        b2Vec2 reach;
    };
    std::vector<StarSpot> starSpots;
    std::optional<uint64_t> starsFoundAt;
};
