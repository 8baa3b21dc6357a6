#pragma once

#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

/// A path element laid out as our editor writes it, one attribute per indented
/// line. An empty label leaves the label attribute out.
inline std::string pathElement(const std::string& d, const std::string& label = "")
{
    std::string element = "    <path\n       style=\"fill:#808080\"\n       d=\"" + d + "\"\n";
    if (!label.empty()) {
        element += "       inkscape:label=\"" + label + "\"\n";
    }
    return element + "       id=\"path\" />\n";
}

/// A whole drawing around the given elements, ending in a newline.
inline std::string drawing(const std::string& elements)
{
    return "<?xml version=\"1.0\"?>\n<svg\n   width=\"640\"\n   height=\"480\">\n  <g\n"
           "     id=\"layer1\">\n" +
           elements + "  </g>\n</svg>\n";
}

inline void expectPoints(const std::vector<b2Vec2>& actual,
                         const std::vector<std::pair<float, float>>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_FLOAT_EQ(actual[i].x, expected[i].first) << "point " << i;
        EXPECT_FLOAT_EQ(actual[i].y, expected[i].second) << "point " << i;
    }
}
