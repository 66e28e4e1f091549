// The georeference of a plot picture: its pixel grid in degrees, the world file, .prj and KML
// texts read back and the files written beside a PNG (plot/tests/canvas_georeference_test.cpp
// finds a marked position of a saved picture again).
#include "console/georeference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "console/georeference_files.h"
#include "console/testing/test_support.h"

namespace console {
namespace {

using console::testing::ReadFile;
using console::testing::TempDir;

constexpr double kDegreeTolerance = 1e-12;

// A picture of 107 x 113 pixels whose user scale gives one unit per pixel: x from 0 to 107,
// y from 110 at the top to -3 at the bottom (visplot's shape of scale), units of 1/1200 degree
// from 3 W, 54 N. Every value below can be worked by hand.
PixelGrid HandGrid() {
    const UserScale scale{0, 110, 107, -3};
    const UserToLatLong degrees{-3.0, 1.0 / 1200, 54.0, 1.0 / 1200};
    std::optional<PixelGrid> grid = PictureGrid(107, 113, scale, degrees);
    EXPECT_TRUE(grid.has_value());
    return grid.value_or(PixelGrid{});
}

TEST(PictureGrid, PixelCentresAndEdgesWorkedByHand) {
    const PixelGrid g = HandGrid();
    EXPECT_NEAR(g.pixelWidth_deg, 1.0 / 1200, kDegreeTolerance);
    EXPECT_NEAR(g.pixelHeight_deg, 1.0 / 1200, kDegreeTolerance);
    // Pixel column 0 spans user x 0 ... 1, its centre x = 0.5; row 0 spans y 110 ... 109.
    EXPECT_NEAR(g.firstCentreLon_deg, -3.0 + 0.5 / 1200, kDegreeTolerance);
    EXPECT_NEAR(g.firstCentreLat_deg, 54.0 + 109.5 / 1200, kDegreeTolerance);
    const LatLonBox box = OuterEdges(g);
    EXPECT_NEAR(box.west_deg, -3.0, kDegreeTolerance);
    EXPECT_NEAR(box.east_deg, -3.0 + 107.0 / 1200, kDegreeTolerance);
    EXPECT_NEAR(box.north_deg, 54.0 + 110.0 / 1200, kDegreeTolerance);
    EXPECT_NEAR(box.south_deg, 54.0 - 3.0 / 1200, kDegreeTolerance);
    // User point (40.2, 20.7) lies in pixel column 40 and in row floor(110 - 20.7) = 89.
    EXPECT_EQ(std::floor(g.ColumnOf(-3.0 + 40.2 / 1200)), 40);
    EXPECT_EQ(std::floor(g.RowOf(54.0 + 20.7 / 1200)), 89);
}

TEST(PictureGrid, UnequalScalesAndRefusals) {
    // terrainplot's window: 840 x 600 pixels for 1.07 nLon across and 1.03 nLat down.
    const double nLon = 2230, nLat = 925;
    const std::optional<PixelGrid> g =
        PictureGrid(840, 600, UserScale{0, nLat, 1.07 * nLon, -0.03 * nLat},
                    UserToLatLong{-3.5, 1.0 / 3600, 54.3, 1.0 / 3600});
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->pixelWidth_deg, 1.07 * nLon / 840 / 3600, kDegreeTolerance);
    EXPECT_NEAR(g->pixelHeight_deg, 1.03 * nLat / 600 / 3600, kDegreeTolerance);
    EXPECT_NEAR(OuterEdges(*g).north_deg, 54.3 + nLat / 3600, kDegreeTolerance);

    // An empty picture, or a scale whose y grows downwards, is no lat/long grid.
    EXPECT_FALSE(PictureGrid(0, 10, UserScale{0, 1, 1, 0}, UserToLatLong{0, 1, 0, 1}));
    EXPECT_FALSE(PictureGrid(10, 10, UserScale{0, 0, 1, 1}, UserToLatLong{0, 1, 0, 1}));
    EXPECT_FALSE(PictureGrid(10, 10, UserScale{0, 1, 1, 0}, UserToLatLong{0, 0, 0, 1}));
}

TEST(WorldFile, SixLinesAndBack) {
    const PixelGrid g = HandGrid();
    const std::string text = FormatWorldFile(g);
    EXPECT_EQ(text,
              "0.000833333333\n0.000000000000\n0.000000000000\n-0.000833333333\n"
              "-2.999583333333\n54.091250000000\n");
    const std::optional<PixelGrid> back = ParseWorldFile(text, 107, 113);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->pixelWidth_deg, g.pixelWidth_deg, 1e-12);
    EXPECT_NEAR(back->pixelHeight_deg, g.pixelHeight_deg, 1e-12);
    EXPECT_NEAR(back->firstCentreLon_deg, g.firstCentreLon_deg, 1e-12);
    EXPECT_NEAR(back->firstCentreLat_deg, g.firstCentreLat_deg, 1e-12);
    // Windows line ends are read as well.
    EXPECT_TRUE(ParseWorldFile("1\r\n0\r\n0\r\n-1\r\n5\r\n6\r\n", 1, 1));

    SCOPED_TRACE("malformed world files");
    EXPECT_FALSE(ParseWorldFile("1\n0\n0\n-1\n5\n", 1, 1));       // five lines
    EXPECT_FALSE(ParseWorldFile("1\n0.1\n0\n-1\n5\n6\n", 1, 1));  // rotated
    EXPECT_FALSE(ParseWorldFile("1\n0\n0\n1\n5\n6\n", 1, 1));     // rows running north
    EXPECT_FALSE(ParseWorldFile("1\n0\n0\n-1\n5\nsix\n", 1, 1));  // not a number
}

TEST(Kml, GroundOverlayOverTheWholePicture) {
    const PixelGrid g = HandGrid();
    const std::string kml = FormatKmlOverlay(g, "t.png", "Plot of Scafell & <Pike>");
    EXPECT_NE(kml.find("<GroundOverlay>"), std::string::npos);
    EXPECT_NE(kml.find("<href>t.png</href>"), std::string::npos);
    EXPECT_NE(kml.find("<name>Plot of Scafell &amp; &lt;Pike&gt;</name>"), std::string::npos);
    const std::optional<LatLonBox> box = ParseKmlLatLonBox(kml);
    ASSERT_TRUE(box);
    const LatLonBox edges = OuterEdges(g);
    EXPECT_NEAR(box->north_deg, edges.north_deg, 1e-12);
    EXPECT_NEAR(box->south_deg, edges.south_deg, 1e-12);
    EXPECT_NEAR(box->east_deg, edges.east_deg, 1e-12);
    EXPECT_NEAR(box->west_deg, edges.west_deg, 1e-12);
    EXPECT_FALSE(ParseKmlLatLonBox("<kml><LatLonBox><north>1</north></LatLonBox></kml>"));
}

TEST(GeoreferenceFiles, WrittenBesideThePng) {
    TempDir dir;
    const std::string png = (dir.Path() / "t.png").string();
    const GeoreferenceFileNames names = GeoreferenceFilesBeside(png);
    EXPECT_EQ(names.worldFile, (dir.Path() / "t.pgw").string());
    EXPECT_EQ(names.projectionFile, (dir.Path() / "t.prj").string());
    EXPECT_EQ(names.kmlFile, (dir.Path() / "t.kml").string());
    EXPECT_EQ(names.auxiliaryFile, (dir.Path() / "t.png.aux.xml").string());
    EXPECT_EQ(GeoreferenceFilesBeside("plot").worldFile, "plot.pgw");

    EXPECT_EQ(WriteGeoreferenceFiles(png, HandGrid(), "Plot"), "");
    EXPECT_EQ(ReadFile(names.worldFile), FormatWorldFile(HandGrid()));
    EXPECT_NE(ReadFile(names.projectionFile).find("AUTHORITY[\"EPSG\",\"4326\"]"),
              std::string::npos);
    // GDAL's metadata: the same WKT, its quotes escaped for XML.
    const std::string aux = ReadFile(names.auxiliaryFile);
    EXPECT_EQ(aux.rfind("<PAMDataset>", 0), 0u) << aux;
    EXPECT_NE(aux.find("AUTHORITY[&quot;EPSG&quot;,&quot;4326&quot;]]</SRS>"), std::string::npos)
        << aux;
    EXPECT_EQ(aux.find('"' + std::string("WGS")), std::string::npos) << aux;
    // The KML names the PNG by its file name alone, so the two can be moved together.
    EXPECT_NE(ReadFile(names.kmlFile).find("<href>t.png</href>"), std::string::npos);
    // No temporary files are left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 4);

    const std::string nowhere = (dir.Path() / "no-such-folder" / "t.png").string();
    EXPECT_EQ(WriteGeoreferenceFiles(nowhere, HandGrid(), "Plot"),
              GeoreferenceFilesBeside(nowhere).worldFile);
}

}  // namespace
}  // namespace console
