#pragma once

#include "app/Process.h"
#include "objects/ObjectFactory.h"

class cLevel;
class cObject;
class cTexture;

/// The tool panel at the right of the view. A click on a collected tool makes a
/// preview of its object that follows the mouse, red while it overlaps
/// anything; a click, or the release of a dragging button, outside the panel
/// places the real object there. A click on the panel while carrying puts
/// the tool back.
class cDragBox final : public cProcess {
public:
    explicit cDragBox(cLevel* level);

    void run(int message) override;
    /// Moves the panel's contents: the tools stacked from the anchor down, the
    /// restart button and the mute button at the foot.
    void setPosition(float px, float py);
    /// Whether the point lies on the panel, edges included.
    bool contains(float px, float py) const;

    bool isCarrying() const { return !held.empty(); }
    /// Drops whatever is carried without placing anything.
    void putBack();
    cObject* getPanel() const { return panel; }

private:
    void offerTools(const ObjectList& snapshot);
    void grab(cObject* tool);
    void carry();
    bool isBlocked() const;
    void drop(float targetX, float targetY);

    ObjectList held;
    cLevel* level;
    bool dragging = false;
    float grabOffsetX = 0.0f;
    float grabOffsetY = 0.0f;
    cObject* panel = nullptr;
    cTexture* panelTexture = nullptr;
    // The anchor's distance from the view's right and top edges: the panel
    // stays in the top right corner of any window.
    float edgeGapX = 1.6f;
    float edgeGapY = 1.6f;
    float x = 11.2f;
    float y = 8.0f;
    float width = 2.0f;
    float height = 14.0f;
    float topMargin = 1.2f;
};
