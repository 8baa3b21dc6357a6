#include "baddata/HostileDrawing.h"

#include <sstream>

namespace {

const char* const LABELS[] = {
    "player", "backgroundTree", "bowlingStar", "balance", "balanceStar", "cherry", "cherryStar", "bird",
    "bird", "cardLeft", "cardRight", "cardTop", "domino", "skate", "skateStar", "cannon", "cannonStar",
    "distanceBox", "distanceBoxAnchorL", "distanceBoxAnchorR", "distanceBox2", "distanceBox2AnchorL",
    "distanceBox2AnchorR", "frequencyBox2", "frequencyBox2AnchorL", "frequencyBox2AnchorR", "frequencyBox3",
    "frequencyBox3AnchorL", "frequencyBox3AnchorR", "frequencyBox4", "frequencyBox4AnchorL",
    "frequencyBox4AnchorR", "hazelnut", "joint"};

// Page units: 25 a world unit, and the reader gives up beyond a million world units.
const char* const PLACES[] = {"100,400", "9000000,-9000000", "99999999999,5"};

const char* const OUTLINES[] = {
    "M 0,0 L 1e39,0 L 0,1e39 L 0,0 z",
    "M nan,nan L 1,1 L 2,2 L nan,nan z",
    "M inf,0 L 1,1 L 0,-inf L inf,0 z",
    "M 0,0 L 10,0 L 5,0 L 0,0 z",
    "M 0,0 L 100,100 L 100,0 L 0,100 L 0,0 z",
    "M 0,0 L 1,0 L 2,0 L 3,0 L 4,0 L 5,0 L 6,0 L 7,0 L 8,1 L 0,5 L 0,0 z",
    "M 0,0 L 0,0 L 0,0 L 0,0 z",
    "M 0,0 L 0.0001,0 L 0,0.0001 L 0,0 z",
    "M 100,400 L 125,400 L 100,375 L 100,400 z",
    "M 1,2 L 3",
    "M ,, L ,, L ,,",
    "M 1e-45,1e-45 L -1e-45,1e-45 L 0,-1e-45 L 1e-45,1e-45 z",
};

void path(std::ostream& out, const std::string& d, const std::string& label = "")
{
    out << "<path d=\"" << d << "\"";
    if (!label.empty()) {
        out << " inkscape:label=\"#" << label << "\"";
    }
    out << " />\n";
}

} // namespace

std::string hostileDrawing()
{
    std::ostringstream svg;
    svg << "<svg>\n";
    for (const char* outline : OUTLINES) {
        path(svg, outline);
    }
    std::ostringstream longPath;
    longPath << "M 0,0";
    for (int i = 1; i < 5000; ++i) {
        longPath << " L " << i << "," << (i % 7);
    }
    path(svg, longPath.str() + " L 0,0 z");
    for (const char* place : PLACES) {
        for (const char* label : LABELS) {
            path(svg, std::string("M ") + place + " L 0,0", label);
        }
    }
    svg << "<path d=\"M 1,1 L 2,2\" inkscape:label=\"#unclosed />\n";
    svg << "<path d=\"M 1,1 L 2,2 L 3,1 z\n";
    svg << "</svg>\n";
    return svg.str();
}
