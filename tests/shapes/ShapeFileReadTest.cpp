#include "shapes/Drawing.h"

#include "shapes/ShapeFile.h"
#include "support/CoutCapture.h"

namespace {

cShapeFile read(const std::string& elements)
{
    return cShapeFile::fromText("shapes/test.svg", drawing(elements));
}

TEST(ShapeFileOutlines, CounterClockwiseOutlineKeepsItsOrder)
{
    const cShapeFile shapes = read(pathElement("M 0,480 L 25,480 L 25,455 L 0,480 z"));
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    expectPoints(shapes.getOutlines()[0], {{0, 0}, {1, 0}, {1, 1}});
}

TEST(ShapeFileOutlines, ClockwiseOutlineIsStoredReversed)
{
    const cShapeFile shapes = read(pathElement("M 0,480 L 25,455 L 25,480 L 0,480 z"));
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    expectPoints(shapes.getOutlines()[0], {{1, 0}, {1, 1}, {0, 0}});
}

TEST(ShapeFileOutlines, PairAfterTheLastSeparatorIsNeverRead)
{
    const cShapeFile shapes = read(pathElement("M 1,2 L 3,4 L 5,6 z"));
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    expectPoints(shapes.getOutlines()[0], {{0.04f, 19.12f}, {0.12f, 19.04f}});
}

TEST(ShapeFileOutlines, NumbersTakeSignsExponentsAndFractions)
{
    const cShapeFile shapes = read(pathElement("M 2.5e1,4.8e2 L +50,480 L 50,4.55e2 L 1,1 z"));
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    expectPoints(shapes.getOutlines()[0], {{1, 0}, {2, 0}, {2, 1}});
}

TEST(ShapeFileMarkers, OnePointPathIsAMarkerUnderItsLabel)
{
    const cShapeFile shapes = read(pathElement("M 10,20 L 30,40", "#start"));
    const auto points = shapes.getPoints();
    ASSERT_EQ(points.size(), 1u);
    ASSERT_EQ(points.count("start"), 1u);
    expectPoints(points.at("start"), {{0.4f, 18.4f}});
}

TEST(ShapeFileMarkers, MarkersOfOneLabelKeepFileOrderAndSolidsStayOut)
{
    const cShapeFile shapes = read(pathElement("M 25,480 L 0,0", "#cherry") +
                                   pathElement("M 0,0 L 25,0 L 0,25 L 0,0 z", "#cherry") +
                                   pathElement("M 50,480 L 0,0", "#bird") +
                                   pathElement("M 75,480 L 0,0", "#cherry") +
                                   pathElement("M 50,480 L 75,480 L 0,0", "#cherry") +
                                   pathElement("M 100,480 L 0,0", "#cherry"));
    const auto points = shapes.getPoints();
    ASSERT_EQ(points.size(), 2u);
    expectPoints(points.at("cherry"), {{1, 0}, {3, 0}, {4, 0}});
    expectPoints(points.at("bird"), {{2, 0}});
}

TEST(ShapeFileMarkers, UnlabelledMarkerIsListedUnderTheEmptyLabel)
{
    const auto points = read(pathElement("M 25,455 L 0,0")).getPoints();
    ASSERT_EQ(points.count(""), 1u);
    expectPoints(points.at(""), {{1, 1}});
}

TEST(ShapeFileMarkers, PathsWithoutPointsKeepTheirPlace)
{
    const cShapeFile shapes = read(pathElement("M 0,0 C 10,10 20,20 30,30", "#curve") +
                                   pathElement("m 10,20 l 5,5 l 5,-5 z", "#relative") +
                                   pathElement("M 25,455 L 0,0"));
    ASSERT_EQ(shapes.getOutlines().size(), 3u);
    EXPECT_TRUE(shapes.getOutlines()[0].empty());
    EXPECT_TRUE(shapes.getOutlines()[1].empty());
    const auto points = shapes.getPoints();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points.count(""), 1u);
}

TEST(ShapeFileText, OnlyPathElementsProduceOutlines)
{
    const std::string others = "<!-- d=\"M 0,0 L 1,1 L 2,0 L 0,0 z\" -->\n"
                               "<rect d=\"M 0,0 L 1,1 L 2,0 L 0,0 z\" />\n"
                               "<g d=\"M 0,0 L 1,1 L 2,0 L 0,0 z\"></g>\n"
                               "<path d=\"M 25,455 L 0,0\" inkscape:label=\"#one\"></path>\n";
    const cShapeFile shapes = read(others);
    ASSERT_EQ(shapes.getOutlines().size(), 1u);
    EXPECT_EQ(shapes.getPoints().count("one"), 1u);
    EXPECT_TRUE(read("").getOutlines().empty());
}

TEST(ShapeFileText, AttributesMayShareOneLine)
{
    const cShapeFile shapes = read("<path id=\"p\" inkscape:label=\"#dot\" d=\"M 25,455 L 0,0\"/>\n");
    EXPECT_EQ(shapes.getPoints().count("dot"), 1u);
}

TEST(ShapeFileText, UnfinishedLastLineIsNotRead)
{
    const std::string full = drawing(pathElement("M 0,480 L 25,480 L 25,455 L 0,480 z"));
    const std::string withoutNewline = full.substr(0, full.size() - 1);
    EXPECT_EQ(cShapeFile::fromText("a", withoutNewline).getOutlines().size(), 1u);
    EXPECT_TRUE(cShapeFile::fromText("a", "<path d=\"M 25,455 L 0,0\" />").getOutlines().empty());
}

TEST(ShapeFileDisk, PlainNameIsReadFromTheWorkingDirectory)
{
    CoutCapture output;
    const cShapeFile shapes("shapes/wedge.svg");
    EXPECT_EQ(output.text(), "");
    ASSERT_EQ(shapes.getOutlines().size(), 2u);
    expectPoints(shapes.getOutlines()[0], {{0, 0}, {2, 0}, {0, 2}});
    expectPoints(shapes.getPoints().at("joint"), {{1, 1}});
}

// Each test names a file of its own: a missing file is reported once per process.
TEST(ShapeFileDisk, AMissingFileIsReportedOnceAndLeavesTheReaderEmpty)
{
    CoutCapture output;
    const cShapeFile first("shapes/missing-twice.svg");
    const cShapeFile second("shapes/missing-twice.svg");
    EXPECT_EQ(output.text(), "Failed to load the SVG: shapes/missing-twice.svg\n");
    for (const cShapeFile* shapes : {&first, &second}) {
        EXPECT_TRUE(shapes->getOutlines().empty());
        EXPECT_TRUE(shapes->getPoints().empty());
    }
}

} // namespace
