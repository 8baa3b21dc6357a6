#include "graphics/DebugRender.h"

#include <SDL_opengl.h>

#include <cmath>

namespace {

constexpr float LINE_WIDTH = 2.5f;
// The fill is half as bright and half transparent, so outlines and what lies
// behind a shape stay visible.
constexpr float FILL_SHADE = 0.5f;
constexpr float FILL_ALPHA = 0.5f;
constexpr int CIRCLE_SEGMENTS = 16;
// 2 pi / CIRCLE_SEGMENTS.
constexpr float CIRCLE_STEP = 0.3926991f;
constexpr float AXIS_LENGTH = 0.4f;

void setFillColor(const b2Color& color)
{
    glColor4f(FILL_SHADE * color.r, FILL_SHADE * color.g, FILL_SHADE * color.b, FILL_ALPHA);
}

void setLineColor(const b2Color& color)
{
    glLineWidth(LINE_WIDTH);
    glColor3f(color.r, color.g, color.b);
}

void polygonVertices(GLenum mode, const b2Vec2* vertices, int32 vertexCount)
{
    glBegin(mode);
    for (int32 i = 0; i < vertexCount; ++i) {
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
}

void circleVertices(GLenum mode, const b2Vec2& center, float radius)
{
    glBegin(mode);
    float theta = 0.0f;
    for (int i = 0; i < CIRCLE_SEGMENTS; ++i) {
        glVertex2f(center.x + radius * std::cos(theta), center.y + radius * std::sin(theta));
        theta += CIRCLE_STEP;
    }
    glEnd();
}

void line(const b2Vec2& from, const b2Vec2& to)
{
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
}

} // namespace

void cDebugRender::DrawPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color)
{
    setLineColor(color);
    polygonVertices(GL_LINE_LOOP, vertices, vertexCount);
}

void cDebugRender::DrawSolidPolygon(const b2Vec2* vertices, int32 vertexCount, const b2Color& color)
{
    setFillColor(color);
    polygonVertices(GL_TRIANGLE_FAN, vertices, vertexCount);
    DrawPolygon(vertices, vertexCount, color);
}

void cDebugRender::DrawCircle(const b2Vec2& center, float radius, const b2Color& color)
{
    setLineColor(color);
    circleVertices(GL_LINE_LOOP, center, radius);
}

void cDebugRender::DrawSolidCircle(const b2Vec2& center, float radius, const b2Vec2& axis,
                                   const b2Color& color)
{
    setFillColor(color);
    circleVertices(GL_TRIANGLE_FAN, center, radius);
    DrawCircle(center, radius, color);
    glBegin(GL_LINES);
    line(center, center + radius * axis);
    glEnd();
}

void cDebugRender::DrawSegment(const b2Vec2& p1, const b2Vec2& p2, const b2Color& color)
{
    setLineColor(color);
    glBegin(GL_LINES);
    line(p1, p2);
    glEnd();
}

void cDebugRender::DrawTransform(const b2Transform& xf)
{
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    line(xf.p, xf.p + AXIS_LENGTH * xf.q.GetXAxis());
    glColor3f(0.0f, 1.0f, 0.0f);
    line(xf.p, xf.p + AXIS_LENGTH * xf.q.GetYAxis());
    glEnd();
}

// The game keeps one point size for everything else, so it is put back.
void cDebugRender::DrawPoint(const b2Vec2& p, float size, const b2Color& color)
{
    GLfloat previousSize = 1.0f;
    glGetFloatv(GL_POINT_SIZE, &previousSize);
    glPointSize(size);
    glColor3f(color.r, color.g, color.b);
    glBegin(GL_POINTS);
    glVertex2f(p.x, p.y);
    glEnd();
    glPointSize(previousSize);
}
