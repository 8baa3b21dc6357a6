#pragma once

#include <box2d/b2_draw.h>

/// Draws the physics world's own picture of its bodies and joints with
/// immediate-mode OpenGL, in world units under the current view transform.
class cDebugRender final : public b2Draw {
public:
    void DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    /// A half-bright, half-transparent fill under a full-colour outline.
    void DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color) override;
    void DrawCircle(const b2Vec2& center, float radius, const b2Color& color) override;
    /// Filled like a solid polygon, with a radius line along the axis to show the turn.
    void DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2& axis,
                         const b2Color& color) override;
    void DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color) override;
    /// The frame's x axis in red and its y axis in green.
    void DrawTransform(const b2Transform& xf) override;
    /// A point of the given size in pixels.
    void DrawPoint(const b2Vec2& p, float size, const b2Color& color) override;
};
