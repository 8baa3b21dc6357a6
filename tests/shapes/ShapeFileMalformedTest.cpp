#include "shapes/Drawing.h"

#include "shapes/ShapeFile.h"

using namespace std::string_literals;

namespace {

cShapeFile read(const std::string& elements)
{
    return cShapeFile::fromText("shapes/broken.svg", drawing(elements));
}

// A marker after the broken path shows whether the broken one kept its place.
const std::string MARKER = pathElement("M 25,455 L 0,0", "#after");

std::string junk()
{
    std::string bytes(4096, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 37 % 256);
    }
    return bytes;
}

void expectEmptyFirstOutline(const cShapeFile& shapes)
{
    ASSERT_EQ(shapes.getOutlines().size(), 2u);
    EXPECT_TRUE(shapes.getOutlines()[0].empty());
    const auto points = shapes.getPoints();
    ASSERT_EQ(points.size(), 1u);
    expectPoints(points.at("after"), {{1, 1}});
}

std::string broken(const std::string& d) { return pathElement(d, "#broken"); }

// Each broken path keeps its place as an empty outline, and the marker after it is read.
TEST(ShapeFileMalformed, ABrokenPathTakesAnEmptyPlace)
{
    const std::vector<std::string> paths = {
        // No data at all.
        "<path inkscape:label=\"#none\" />\n",
        // No leading command: read from the third character on, "100,20" would become (0, 20).
        broken("10,20 L 30,40 L 50,60 L 10,20"), broken("100,20 L 30,40"), broken("M10,20 L 30,40 L 50,60 L 10,20"),
        broken(""), broken("M"),
        // A pair without a comma.
        broken("M 0 480 L 25,480 L 25,455 L 0,480 z"), broken("M 0,480 L 25 480 L 25,455 L 0,0"),
        broken("M 10 20 L 30,40"),
        // A number that does not convert.
        broken("M 0,480 L x,480 L 25,455 L 0,480 z"), broken("M 1,b L 0,0"), broken("M ,1 L 0,0"),
        broken("M 1e400,0 L 0,0"), broken("M 0,-1e40 L 0,0"), broken("M nan,0 L 0,0"), broken("M 1,1e L 0,0"),
        // Far beyond the page: found by the fuzzer, Box2D gave this outline an infinite inertia.
        broken("M 0,400 L 0,350 L 50,350 L 5999999999999999990,400 L 0,400 z"), broken("M 25000025,0 L 0,0"),
        // An unclosed value, and binary junk.
        "<path inkscape:label=\"#x\" d=\"M 0,0 L 1>\n", "<path d=\"M 0,0 L 1,\0 L 2,3\"/>\n"s + junk() + "\n>\n"};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path.substr(0, 80));
        expectEmptyFirstOutline(read(path + MARKER));
    }
    EXPECT_EQ(read(pathElement("M 25000000,480 L 0,0", "#edge")).getPoints().count("edge"), 1u);
}

TEST(ShapeFileMalformed, EmptyLabelEndsAtItsOwnQuotes)
{
    const cShapeFile shapes = read("<path d=\"M 25,455 L 0,0\" inkscape:label=\"\" id=\"p\" />\n");
    const auto points = shapes.getPoints();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points.count(""), 1u);
}

TEST(ShapeFileMalformed, UnclosedValueIsNoValue)
{
    for (const std::string tag : {"<path d=\"M 25,455 L 0,0\" inkscape:label=\"#x />\n",
                                  "<path d=\"M 25,455 L 0,0\" inkscape:label=\">\n"}) {
        const auto points = read(tag).getPoints();
        ASSERT_EQ(points.size(), 1u);
        EXPECT_EQ(points.count(""), 1u);
    }
}

TEST(ShapeFileMalformed, TruncatedFileKeepsTheElementsItCompleted)
{
    const std::string full = drawing(pathElement("M 0,480 L 25,480 L 25,455 L 0,480 z", "#solid") +
                                     pathElement("M 50,455 L 0,0", "#dot") +
                                     pathElement("M 0,480 L 25,455 L 25,480 L 0,480 z"));
    const auto whole = cShapeFile::fromText("full", full).getOutlines();
    for (size_t length = 0; length < full.size(); ++length) {
        const auto cut = cShapeFile::fromText("cut", full.substr(0, length)).getOutlines();
        ASSERT_LE(cut.size(), whole.size()) << length;
        for (size_t i = 0; i < cut.size(); ++i) {
            ASSERT_EQ(cut[i].size(), whole[i].size()) << length;
        }
    }
}

TEST(ShapeFileMalformed, HugeLinesAreRead)
{
    std::string d = "M 0,0";
    for (int i = 0; i < 100000; ++i) {
        d += " L 1,1";
    }
    const cShapeFile shapes = read(pathElement(d));
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    EXPECT_EQ(shapes.getOutlines()[0].size(), 100000u);
    EXPECT_TRUE(cShapeFile::fromText("a", std::string(1 << 20, '<') + "\n").getOutlines().empty());
}

} // namespace
