#include "shapes/ShapeFile.h"

#include "app/DataDir.h"
#include "app/SayOnce.h"
#include "app/Singleton.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

// Drawing units per world unit, and the page height that puts the page's
// bottom-left corner at the world origin with y pointing up.
constexpr double DRAWING_UNITS_PER_WORLD_UNIT = 25.0;
constexpr double PAGE_HEIGHT = 480.0;
// Far beyond any page, and near enough that Box2D's mass and inertia of a
// polygon, which grow with the fourth power of its size, stay finite.
constexpr double MAX_WORLD_COORDINATE = 1.0e6;

const std::string PATH_TAG = "<path";
const std::string D_KEY = " d=\"";
const std::string LABEL_KEY = " inkscape:label=\"";
const std::string SEPARATOR = " L ";
// The first pair follows the command letter and its blank.
constexpr size_t FIRST_PAIR = 2;
constexpr size_t SOLID_POINTS = 3;

// Every line that ends in a newline, the newline turned into a blank so that
// attributes on indented lines of their own still follow a blank. An unfinished
// last line is dropped: in our drawings that is at most the closing svg tag.
std::string readContent(std::istream& text)
{
    std::string content;
    std::string line;
    while (std::getline(text, line) && !text.eof()) {
        content += line;
        content += ' ';
    }
    return content;
}

// The text between the quotes of the attribute that starts with key. A value
// whose closing quote never comes is treated as no value at all, so a broken tag
// cannot lend its remaining attributes to the path.
std::optional<std::string> attribute(const std::string& tag, const std::string& key)
{
    const size_t at = tag.find(key, PATH_TAG.size());
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const size_t start = at + key.size();
    const size_t end = tag.find('"', start);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    return tag.substr(start, end - start);
}

// Leading blanks are skipped and the number ends where a decimal number cannot
// go on, so "12.5z" is 12.5. The classic locale keeps the point a decimal point
// whatever the player's language.
std::optional<double> toNumber(const std::string& text)
{
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    double number = 0.0;
    if (!(stream >> number)) {
        return std::nullopt;
    }
    return number;
}

bool withinWorld(double value) { return std::fabs(value) <= MAX_WORLD_COORDINATE; }

std::optional<b2Vec2> readPair(const std::string& pair)
{
    const size_t comma = pair.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<double> x = toNumber(pair.substr(0, comma));
    const std::optional<double> y = toNumber(pair.substr(comma + 1));
    if (!x || !y) {
        return std::nullopt;
    }
    const double worldX = *x / DRAWING_UNITS_PER_WORLD_UNIT;
    const double worldY = (PAGE_HEIGHT - *y) / DRAWING_UNITS_PER_WORLD_UNIT;
    if (!withinWorld(worldX) || !withinWorld(worldY)) {
        return std::nullopt;
    }
    return b2Vec2(static_cast<float>(worldX), static_cast<float>(worldY));
}

bool startsWithCommand(const std::string& value)
{
    if (value.size() < FIRST_PAIR) {
        return false;
    }
    const char command = value[0];
    const bool letter = (command >= 'A' && command <= 'Z') || (command >= 'a' && command <= 'z');
    return letter && value[1] == ' ';
}

// The pair after the last separator is never read: a closed outline repeats its
// first corner there, and a marker is drawn as a dot "M p L q" that stands for p.
// Half an outline is a different shape, and a misread pair a misplaced marker,
// so any pair that does not read makes the whole path yield nothing.
std::vector<b2Vec2> readPoints(const std::string& value)
{
    if (!startsWithCommand(value)) {
        return {};
    }
    std::vector<b2Vec2> points;
    size_t pairStart = FIRST_PAIR;
    for (size_t separator = value.find(SEPARATOR, pairStart); separator != std::string::npos;
         separator = value.find(SEPARATOR, pairStart)) {
        const std::optional<b2Vec2> point = readPair(value.substr(pairStart, separator - pairStart));
        if (!point) {
            return {};
        }
        points.push_back(*point);
        pairStart = separator + SEPARATOR.size();
    }
    return points;
}

double cross(b2Vec2 a, b2Vec2 b)
{
    return static_cast<double>(a.x) * b.y - static_cast<double>(a.y) * b.x;
}

bool isClockwise(const std::vector<b2Vec2>& points)
{
    double twiceArea = 0.0;
    for (size_t i = 1; i + 1 < points.size(); ++i) {
        twiceArea += cross(points[i] - points[0], points[i + 1] - points[0]);
    }
    return twiceArea < 0.0;
}

// Box2D wants counter-clockwise polygons, whichever way the outline was drawn.
std::vector<b2Vec2> readPath(const std::string& tag)
{
    const std::optional<std::string> value = attribute(tag, D_KEY);
    if (!value) {
        return {};
    }
    std::vector<b2Vec2> points = readPoints(*value);
    if (points.size() >= SOLID_POINTS && isClockwise(points)) {
        std::reverse(points.begin(), points.end());
    }
    return points;
}

// Our drawings write labels as "#name"; the mark is not part of the name.
std::string readLabel(const std::string& tag)
{
    const std::optional<std::string> value = attribute(tag, LABEL_KEY);
    if (!value || value->empty()) {
        return "";
    }
    return value->substr(1);
}

} // namespace

cShapeFile::cShapeFile(const std::string& fileName) : fileName(fileName)
{
    std::ifstream file(fileName);
    if (!file) {
        file.open(DATA_DIR + fileName);
    }
    // The factories read their drawing again for every object they build.
    if (!file) {
        Singleton<cSayOnce>::instance().say(fileName, "Failed to load the SVG: " + fileName);
        return;
    }
    load(file);
}

cShapeFile::cShapeFile(const std::string& fileName, std::istream& text) : fileName(fileName)
{
    load(text);
}

cShapeFile cShapeFile::fromText(const std::string& fileName, const std::string& text)
{
    std::istringstream stream(text);
    return cShapeFile(fileName, stream);
}

// Not an XML parser: only tags whose name begins with "path" are collected, and
// anything else is dropped once its first five characters show it is not one.
void cShapeFile::load(std::istream& text)
{
    found = true;
    std::string tag;
    for (const char c : readContent(text)) {
        if (c == '<') {
            tag += c;
        } else if (c == '>') {
            if (tag.compare(0, PATH_TAG.size(), PATH_TAG) == 0) {
                readTag(tag);
            }
            tag.clear();
        } else if (!tag.empty()) {
            tag += c;
            if (tag.size() == PATH_TAG.size() && tag != PATH_TAG) {
                tag.clear();
            }
        }
    }
}

// Every path takes a place, even one without points, so that outline and label
// stay paired by index.
void cShapeFile::readTag(const std::string& tag)
{
    outlines.push_back(readPath(tag));
    labels.push_back(readLabel(tag));
}

void cShapeFile::addShapes(b2Body* body, physics::ShapeDef def) const
{
    for (size_t i = 0; i < outlines.size(); ++i) {
        if (outlines[i].size() < SOLID_POINTS) {
            continue;
        }
        // Box2D aborts on some outlines and quietly reshapes others; one bad
        // outline must not cost the rest of the drawing.
        const std::string fault = physics::polygonFault(outlines[i]);
        if (!fault.empty()) {
            std::cout << "Skipped outline " << i + 1 << " of " << fileName << ": " << fault << "\n"
                      << std::flush;
            continue;
        }
        physics::addPolygon(body, def, outlines[i]);
    }
}

std::map<std::string, std::vector<b2Vec2>> cShapeFile::getPoints() const
{
    std::map<std::string, std::vector<b2Vec2>> points;
    for (size_t i = 0; i < outlines.size(); ++i) {
        if (outlines[i].size() == 1) {
            points[labels[i]].push_back(outlines[i][0]);
        }
    }
    return points;
}

const std::vector<std::vector<b2Vec2>>& cShapeFile::getOutlines() const { return outlines; }
