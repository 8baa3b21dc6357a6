#pragma once

#include "physics/Physics.h"

#include <istream>
#include <map>
#include <string>
#include <vector>

/// One drawing of the shapes folder: every path element becomes an outline in
/// world units, remembered with its label. Outlines of three or more points are
/// solid shapes; one-point outlines are named marker positions.
///
/// Only the narrow dialect our drawings use is understood: straight absolute
/// lines "M x,y L x,y ... z", one path per element, the label in
/// inkscape:label. A path it cannot read completely, or with a point more than
/// a million world units out, yields an empty outline.
class cShapeFile final {
public:
    /// Reads the drawing at once, from the working directory or else from DATA_DIR.
    /// A missing drawing is reported on standard output and leaves the reader empty.
    explicit cShapeFile(const std::string& fileName);

    /// A reader of text already in memory, reported under fileName.
    static cShapeFile fromText(const std::string& fileName, const std::string& text);

    /// Puts every solid outline on the body as a polygon with the template's
    /// settings. Outlines Box2D would refuse are skipped with a line on standard
    /// output. The body's mass is left alone.
    void addShapes(b2Body* body, physics::ShapeDef def) const;

    /// The marker points by label, each list in file order.
    std::map<std::string, std::vector<b2Vec2>> getPoints() const;

    /// One outline per path element, in file order, solid ones counter-clockwise.
    const std::vector<std::vector<b2Vec2>>& getOutlines() const;
    /// Whether there was a drawing to read; a missing one was reported already.
    bool wasFound() const { return found; }

private:
    cShapeFile(const std::string& fileName, std::istream& text);

    void load(std::istream& text);
    void readTag(const std::string& tag);

    std::string fileName;
    bool found = false;
    std::vector<std::vector<b2Vec2>> outlines;
    std::vector<std::string> labels;
};
