// visplot run from start to end on generated tiles, headless, with scripted answers.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "area_raster_checks.h"
#include "console/console_constants.h"
#include "console/georeference.h"
#include "console/georeference_files.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"
#include "plot/no_data.h"
#include "plot/testing/png_reading.h"
#include "testing/gdal_raster.h"
#include "visplot/visibility_plot.h"

namespace {

namespace ct = console::testing;
namespace pt = plot::testing;

// The plot of a visplot PNG: the picture without the title strip above it, whose rows are those
// of the window (`size` pixels high); the key's strip stays on its right.
QImage PlotImage(const std::filesystem::path& png, int size = 600) {
    const QImage image(QString::fromStdString(png.string()));
    return image.copy(0, image.height() - size, image.width(), size);
}

// The range rings' colour, which the tests of the ground's colours step over.
constexpr QRgb kRingPixel = 0xFF00FF;

// The centre of every run: Scafell Pike's grid reference (tiles N54W004 and N54W003).
constexpr const char* kCentre = "NY2154 0722";

class VisplotRun : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(work.Path() / "tiles");
        std::filesystem::create_directory(work.Path() / "sites");
        // The far site's name contains "North Mast", so a search by that name would stop there.
        ct::WriteSitesFile(work.Path() / "sites",
                           {"Far Away North Mast Relay~NY9000 9000", "North Mast~NY2154 1222",
                            "Scafell Pike~NY2154 0722"});
        centre = geodesy::ParseGridRefCorner(kCentre);
    }
    std::string Tiles() const { return (work.Path() / "tiles").string() + "/"; }
    std::string Sites() const { return (work.Path() / "sites").string() + "/"; }
    void WriteConfig() const {
        ct::WriteTextFile(work.Path(), "Corvanne.ini", {Tiles(), Sites(), "600"});
    }
    // Both tiles of the centre's row, heights from `height` (row, column as in the file).
    void WriteTiles(const ct::HeightFunction& west, const ct::HeightFunction& east) const {
        ct::WriteHgtTile(work.Path() / "tiles", "N54W004.hgt", west);
        ct::WriteHgtTile(work.Path() / "tiles", "N54W003.hgt", east);
    }
    ct::RunResult Run(const std::string& input, std::vector<std::string> args = {}) const {
        args.insert(args.begin(), {"--png", png.string()});
        return ct::RunProgram(TOOL_PROGRAM, args, input, work.Path());
    }
    // Lit (not black) pixels of the PNG in the 5 x 5 pixel box round the ground at distance d_km
    // and bearing b_deg from the centre, for a plot of radius rd_km in a 600-pixel window. The
    // sweep's 80 m steps miss the odd sample along east-west rays, so single pixels can stay
    // black in seen ground: a box of 25 tells seen ground (most lit) from hidden (none lit).
    int LitAround(double rd_km, double d_km, double b_deg) const {
        const mastview::RadiusArea a =
            *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, rd_km).area;
        const double b = b_deg / console::kDegPerRad, t = d_km / rd_km;
        const double ux = (std::sin(b) * t + 1) / 2 * a.nLon;
        const double uy = (std::cos(b) * t + 1) / 2 * a.nLat;
        const int px = static_cast<int>(ux / (1.07 * a.nLon) * 600);
        const int py = static_cast<int>((1.1 * a.nLat - uy) / (1.13 * a.nLat) * 600);
        const QImage image = PlotImage(png);
        int lit = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                EXPECT_TRUE(image.valid(px + dx, py + dy)) << px + dx << "," << py + dy;
                if (image.valid(px + dx, py + dy) &&
                    (image.pixel(px + dx, py + dy) & 0xFFFFFF) != 0)
                    ++lit;
            }
        }
        return lit;
    }
    bool Seen(double rd_km, double d_km, double b_deg) const {
        return LitAround(rd_km, d_km, b_deg) >= 15;
    }
    bool Hidden(double rd_km, double d_km, double b_deg) const {
        return LitAround(rd_km, d_km, b_deg) == 0;
    }

    ct::TempDir work;
    std::filesystem::path png = work.Path() / "plot.png";
    geodesy::LatLon centre;
};

const auto kSeaLevel = [](int, int) { return 0; };

TEST_F(VisplotRun, FlatSeaLevelIsSeenOutToTheRadioHorizonAndNoFurther) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    // Mast 10 m, K 1.3, radius 20 km: the radio horizon is 12.87 km.
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Visible Terrain Plot   Orvel July 2018"), std::string::npos);
    EXPECT_NE(r.output.find("Min Max heights 0 0"), std::string::npos) << r.output;
    // The window is widened for the key of the angles; the title strip lies above it.
    const auto [width, height] = pt::PngSize(png);
    EXPECT_GT(width, 600);
    EXPECT_GT(height, 600);
    for (double b = 0; b < 360; b += 30) {
        SCOPED_TRACE("bearing " + std::to_string(b));
        EXPECT_TRUE(Seen(20, 3, b));
        EXPECT_TRUE(Seen(20, 12, b));
        EXPECT_TRUE(Hidden(20, 14, b));
        EXPECT_TRUE(Hidden(20, 19, b));
    }
    // The normal end writes the configuration back.
    EXPECT_NE(ct::ReadFile(work.Path() / "Corvanne.ini").find(Tiles()), std::string::npos);
}

// Black pixels of the PNG among those whose plot point lies from_km to within_km from the centre
// (and inside the radius), as a share of them. The sector from north to 30° east, where the range
// rings' distances are written, is left out.
double BlackShare(const std::filesystem::path& png, const mastview::RadiusArea& a, double from_km,
                  double within_km) {
    const QImage image = PlotImage(png);
    long inside = 0, black = 0;
    for (int py = 0; py < 600; ++py) {
        for (int px = 0; px < 600; ++px) {
            const double ux = (px + 0.5) / 600 * 1.07 * a.nLon;
            const double uy = 1.1 * a.nLat - (py + 0.5) / 600 * 1.13 * a.nLat;
            const double u = 2 * ux / a.nLon - 1, v = 2 * uy / a.nLat - 1;
            const double d_km = a.radius_km * std::hypot(u, v);
            if (d_km < from_km || d_km > within_km || d_km > 0.98 * a.radius_km) continue;
            if (u >= 0 && v > 0 && std::atan2(u, v) < 30 / console::kDegPerRad) continue;
            ++inside;
            if ((image.pixel(px, py) & 0xFFFFFF) == 0) ++black;
        }
    }
    return inside > 0 ? static_cast<double>(black) / inside : 1.0;
}

TEST_F(VisplotRun, FlatSeaIsPaintedWholeInsideTheRadioHorizon) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    // 5 km with a 2 m mast (horizon 5.76 km: the whole disc), 25 km with a 30 m mast (horizon
    // 22.3 km).
    for (const auto& [rd, mast] : {std::pair{5.0, 2.0}, std::pair{25.0, 30.0}}) {
        SCOPED_TRACE("radius " + std::to_string(rd));
        const ct::RunResult r = Run(std::string(kCentre) + "\n" + std::to_string(mast) + "\n1.3\n" +
                                    std::to_string(rd) + "\n");
        ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
        const mastview::RadiusArea a =
            *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, rd).area;
        const double horizon = mastview::RadioHorizon_km(mast, 1.3);
        EXPECT_LE(BlackShare(png, a, 0, 0.98 * horizon), 0.002);
        // Beyond the horizon the sea stays black.
        if (horizon < rd) {
            EXPECT_GE(BlackShare(png, a, 1.05 * horizon, rd), 0.99);
        }
    }
}

TEST_F(VisplotRun, ConeShapedHillHidesTheGroundBehindItInItsSector) {
    WriteConfig();
    // A cone 400 m high with a base radius of 2 km, 6 km due east of the centre.
    const double coneLat = centre.lat_deg;
    const double kmPerLonDeg =
        console::kKmPerDegreeLatSingle * std::cos(coneLat / console::kDegPerRad);
    const double coneLon = centre.lon_deg + 6 / kmPerLonDeg;
    WriteTiles(
        [&](int row, int column) {
            const double lat = 55 - row / 1200.0, lon = -4 + column / 1200.0;
            const double r = std::hypot((lat - coneLat) * console::kKmPerDegreeLatSingle,
                                        (lon - coneLon) * kmPerLonDeg);
            return r < 2 ? static_cast<int>(400 * (2 - r) / 2) : 0;
        },
        kSeaLevel);
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    // The cone subtends asin(2 / 6) = 19.5 degrees each side of east.
    for (double b : {80.0, 90.0, 100.0}) {
        SCOPED_TRACE("behind the hill, bearing " + std::to_string(b));
        EXPECT_TRUE(Hidden(20, 9, b));
        EXPECT_TRUE(Hidden(20, 12, b));
    }
    EXPECT_TRUE(Seen(20, 5, 90));  // the hill's near slope is seen
    for (double b : {0.0, 55.0, 125.0, 180.0, 270.0}) {
        SCOPED_TRACE("beside the hill, bearing " + std::to_string(b));
        EXPECT_TRUE(Seen(20, 9, b));
        EXPECT_TRUE(Seen(20, 12, b));
    }
}

TEST_F(VisplotRun, DefaultRadiusComesFromTheRadioHorizonOfTheMastTop) {
    WriteConfig();
    const auto twoHundred = [](int, int) { return 200; };
    WriteTiles(twoHundred, twoHundred);
    // Ground 200 m, mast 10 m, K 1.3, the default radius taken with an empty answer.
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Radial Distance Out km    [ 80]"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("200m AGL"), std::string::npos) << r.output;
    // 80 km round the centre reaches the tiles of rows 53 and 55 too, which are missing.
    EXPECT_NE(r.output.find("Skipped"), std::string::npos);
}

TEST_F(VisplotRun, ZeroAndOversizedRadiiAreAskedAgain) {
    WriteTiles(kSeaLevel, kSeaLevel);
    // No configuration yet: the paths are asked. A 2 m mast at sea level gives a default
    // radius of 0, which is refused; so is 400 km; then 5 km is drawn.
    const std::string answers = Tiles() + "\n" + Sites() + "\n\n" + kCentre + "\n\n\n";
    const ct::RunResult r = Run(answers + "\n0\n400\n5\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Radial Distance Out km    [  0]"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find(mastview::kRadiusNotPositive), std::string::npos);
    // The refusal names the largest radius this centre allows.
    const int largest = mastview::LargestRadius_km(centre.lat_deg, centre.lon_deg);
    ASSERT_GT(largest, 100);
    EXPECT_NE(
        r.output.find(mastview::kRadiusTooLarge + std::string(" (the largest radius here is ") +
                      std::to_string(largest) + " km)\n"),
        std::string::npos)
        << r.output;
    EXPECT_TRUE(pt::PngSize(png).first > 0);
    EXPECT_FALSE(ct::ReadFile(work.Path() / "Corvanne.INI").empty());
}

// A 10 km mast would have a default radius of 10 x floor(0.14 x 407 km) = 570 km, more than the
// area round the centre can hold: the largest radius that can be held is offered instead, and
// the refusals name it.
TEST_F(VisplotRun, DefaultRadiusIsOneThatIsAccepted) {
    WriteTiles(kSeaLevel, kSeaLevel);
    WriteConfig();
    const ct::RunResult r = Run(std::string(kCentre) + "\n10000\n\n600\n5\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const int largest = mastview::LargestRadius_km(centre.lat_deg, centre.lon_deg);
    ASSERT_TRUE(mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, largest).area);
    ASSERT_FALSE(mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 570).area);
    EXPECT_NE(r.output.find("Radial Distance Out km    [" + std::to_string(largest) + "]"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("(the largest radius here is " + std::to_string(largest) + " km)"),
              std::string::npos)
        << r.output;
}

TEST_F(VisplotRun, InputEndingWithoutAUsableRadiusEndsWithoutWritingTheConfiguration) {
    WriteTiles(kSeaLevel, kSeaLevel);
    const std::string answers = Tiles() + "\n" + Sites() + "\n\n" + kCentre + "\n\n\n";
    const ct::RunResult r = Run(answers);
    EXPECT_EQ(r.exitCode, 1) << r.output << r.errors;  // refused: no plot was drawn
    EXPECT_FALSE(r.timedOut);
    EXPECT_NE(r.output.find(mastview::kRadiusNotPositive), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_FALSE(std::filesystem::exists(work.Path() / "Corvanne.INI"));
    EXPECT_FALSE(std::filesystem::exists(work.Path() / "Corvanne.ini"));
}

TEST_F(VisplotRun, UnknownCentreEndsTheRun) {
    WriteConfig();
    const ct::RunResult r = Run("Nowhere At All\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("Site not found"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(png));
}

TEST_F(VisplotRun, ClicksReadOutThePointAndMarkTheNearestSite) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    const std::string input = std::string(kCentre) + "\n10\n1.3\n20\n";
    // Without clicks the read-out strip below the plot stays white.
    const ct::RunResult plain = Run(input);
    ASSERT_EQ(plain.exitCode, 0) << plain.output << plain.errors;
    const int bluePlain = pt::CountPngPixels(png, console::Rgb{0, 0, 255});

    const mastview::RadiusArea a =
        *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 20).area;
    // A double click 4 km north of the centre: the nearest site is "North Mast", 5 km north.
    const double cx = a.nLon / 2.0, cy = a.nLat / 2.0 + 4 / (console::kKmPerDegreeLatSingle / 1200);
    const std::string at = std::to_string(cx) + "," + std::to_string(cy);
    const ct::RunResult clicked = Run(input, {"--click", at, "--dclick", at});
    ASSERT_EQ(clicked.exitCode, 0) << clicked.output << clicked.errors;
    EXPECT_GT(pt::CountPngPixels(png, console::Rgb{0, 0, 255}), bluePlain);
    EXPECT_GT(pt::CountPngPixels(png, console::Rgb{255, 0, 0}), 0);  // the site's name
    // The site's white square, w = nLon / 200 samples high, has its lower left corner at the
    // site; look at its middle.
    const geodesy::LatLon site = geodesy::ParseGridRefCorner("NY2154 1222");
    const double w = a.nLon / 200.0;
    const double sx =
        1200 * (site.lon_deg - a.lonW_deg) + w / 2 / std::cos(centre.lat_deg / console::kDegPerRad);
    const double sy = 1200 * (site.lat_deg - a.latS_deg) + w / 2;
    const QRgb square =
        PlotImage(png).pixel(static_cast<int>(sx / (1.07 * a.nLon) * 600),
                             static_cast<int>((1.1 * a.nLat - sy) / (1.13 * a.nLat) * 600));
    EXPECT_EQ(square & 0xFFFFFF, 0xFFFFFFu);
}

// The read-out of a click 4 km north of the centre, for a window `size` pixels square: where its
// blue (position, distance) and purple (height) pixels lie.
struct ReadOutPixels {
    int blueBelow = 0, purpleBelow = 0;   // in the strip below the plot
    int blueAbove = 0, purpleAbove = 0;   // in the strip above it
    int rightmost = -1;                   // the rightmost column of either colour
    int leftmostBlue = 1 << 20;           // below the plot
    int redBelow = 0, rightmostRed = -1;  // the nearest site's name
};

TEST_F(VisplotRun, ClickReadOutStaysInsideTheWindow) {
    WriteTiles(kSeaLevel, kSeaLevel);
    const mastview::RadiusArea a =
        *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 20).area;
    const double cx = a.nLon / 2.0, cy = a.nLat / 2.0 + 4 / (console::kKmPerDegreeLatSingle / 1200);
    const std::string at = std::to_string(cx) + "," + std::to_string(cy);
    const auto readOut = [&](int size, const std::vector<std::string>& clicks) {
        ct::WriteTextFile(work.Path(), "Corvanne.ini", {Tiles(), Sites(), std::to_string(size)});
        const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n", clicks);
        EXPECT_EQ(r.exitCode, 0) << r.output << r.errors;
        const QImage image = PlotImage(png, size);
        EXPECT_GE(image.width(), size);  // widened for the key of the angles
        // The plot spans y = 0 ... nLat of -0.03 ... 1.1 nLat, top down.
        const int plotTop = static_cast<int>(0.1 / 1.13 * size);
        const int plotBottom = static_cast<int>(1.1 / 1.13 * size);
        ReadOutPixels p;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) & 0xFFFFFF;
                if (c == 0xFF0000 && y > plotBottom) {
                    ++p.redBelow;
                    p.rightmostRed = std::max(p.rightmostRed, x);
                }
                const bool blue = c == 0x0000FF, purple = c == 0xC800A0;
                if (!blue && !purple) continue;
                EXPECT_TRUE(y < plotTop || y > plotBottom) << x << "," << y;
                if (y > plotBottom) (blue ? p.blueBelow : p.purpleBelow)++;
                if (y > plotBottom && blue) p.leftmostBlue = std::min(p.leftmostBlue, x);
                if (y < plotTop) (blue ? p.blueAbove : p.purpleAbove)++;
                p.rightmost = std::max(p.rightmost, x);
            }
        }
        return p;
    };
    // The default window: the whole line below the plot, moved left so that the height (the
    // last part) is drawn too and ends before the window's edge.
    const ReadOutPixels wide = readOut(600, {"--click", at});
    EXPECT_GT(wide.blueBelow, 0);
    EXPECT_GT(wide.purpleBelow, 0);
    EXPECT_EQ(wide.blueAbove + wide.purpleAbove, 0);
    EXPECT_LT(wide.rightmost,
              600 + visplot::AngleKeyStripPx(visplot::AnglePalette::kClassic, 600) - 2);
    // A window too narrow for the line: the distance and height go to the top strip.
    const ReadOutPixels narrow = readOut(260, {"--click", at});
    EXPECT_GT(narrow.blueBelow, 0);
    EXPECT_GT(narrow.blueAbove, 0);
    EXPECT_GT(narrow.purpleAbove, 0);
    EXPECT_EQ(narrow.purpleBelow, 0);
    EXPECT_LT(narrow.rightmost,
              260 + visplot::AngleKeyStripPx(visplot::AnglePalette::kClassic, 260) - 1);
    // A double click after the click: the nearest site's name ("North Mast") goes left of the
    // read-out, which stays whole.
    const ReadOutPixels both = readOut(600, {"--click", at, "--dclick", at});
    EXPECT_GT(both.redBelow, 0);
    EXPECT_GT(both.purpleBelow, 0);
    EXPECT_EQ(both.blueBelow, wide.blueBelow);
    EXPECT_LT(both.rightmostRed, both.leftmostBlue);
}

}  // namespace

namespace {

// The world file beside the PNG, read back: the whole window is a lat/long grid, plot point
// (x, y) at (LatOf(y), LonOf(x)); the ground seen round the mast lies where GDAL would put it.
TEST_F(VisplotRun, WorldFileAndKmlPlaceThePlotOnTheGround) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const mastview::RadiusArea a =
        *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 20).area;
    const console::GeoreferenceFileNames names = console::GeoreferenceFilesBeside(png.string());
    const auto [width, height] = pt::PngSize(png);
    const std::optional<console::PixelGrid> grid =
        console::ParseWorldFile(ct::ReadFile(names.worldFile), width, height);
    ASSERT_TRUE(grid) << ct::ReadFile(names.worldFile);
    // x from 0 to 1.07 nLon over the plot's 600 pixels (and on over the key's strip), y from
    // 1.1 nLat down to -0.03 nLat over 600, the title strip's rows north of them; the world
    // file's 12 decimals allow 1e-9 degree.
    const console::LatLonBox edges = console::OuterEdges(*grid);
    EXPECT_NEAR(edges.west_deg, a.lonW_deg, 1e-9);
    EXPECT_NEAR(edges.east_deg, a.LonOf(1.07 * a.nLon * width / 600), 1e-9);
    EXPECT_NEAR(edges.north_deg, a.LatOf(1.1 * a.nLat) + (height - 600) * grid->pixelHeight_deg,
                1e-9);
    EXPECT_NEAR(edges.south_deg, a.LatOf(-0.03 * a.nLat), 1e-9);
    const std::optional<console::LatLonBox> box =
        console::ParseKmlLatLonBox(ct::ReadFile(names.kmlFile));
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->east_deg, edges.east_deg, 1e-9);
    EXPECT_NEAR(box->south_deg, edges.south_deg, 1e-9);

    // Over flat sea level with a 10 m mast the ground is seen out to 12.87 km: by the world
    // file, 5 km north of the centre is lit and 18 km north is black.
    const QImage image(QString::fromStdString(png.string()));
    const auto pixelNorth = [&](double km) {
        const double lat = centre.lat_deg + km / console::kKmPerDegreeLatSingle;
        return image.pixel(static_cast<int>(std::floor(grid->ColumnOf(centre.lon_deg))),
                           static_cast<int>(std::floor(grid->RowOf(lat)))) &
               0xFFFFFF;
    };
    EXPECT_NE(pixelNorth(5), 0u);
    EXPECT_EQ(pixelNorth(18), 0u);
}

// 1 arc-second tiles are read and taken every third sample: the plot is that of their 3
// arc-second twins, and the console says which tiles were 1 arc-second.
TEST_F(VisplotRun, OneArcSecondTilesGiveThePlotOfTheirTwins) {
    WriteConfig();
    // Blocks of 30 x 30 samples: the centre's ground height is the same whichever spacing it is
    // read at.
    const auto hills = [](int r, int c) { return (r / 30 * 13 + c / 30 * 7) % 700; };
    WriteTiles(hills, hills);
    const ct::RunResult coarse = Run(std::string(kCentre) + "\n10\n1.3\n15\n");
    ASSERT_EQ(coarse.exitCode, 0) << coarse.output << coarse.errors;
    const std::string coarsePng = ct::ReadFile(png);
    ct::WriteOneArcSecondTwin(work.Path() / "tiles", "N54W004.hgt", hills);
    ct::WriteOneArcSecondTwin(work.Path() / "tiles", "N54W003.hgt", hills);
    const ct::RunResult fine = Run(std::string(kCentre) + "\n10\n1.3\n15\n");
    ASSERT_EQ(fine.exitCode, 0) << fine.output << fine.errors;
    EXPECT_NE(fine.output.find("1 arc-second tile N54W004.hgt\n"), std::string::npos);
    EXPECT_EQ(coarse.output.find("arc-second"), std::string::npos);
    EXPECT_TRUE(ct::ReadFile(png) == coarsePng) << "the plots differ";
}

// Sea-level ground in N54W004 only: N54W003, east of 3° W (about 13 km east of the centre), is
// missing. Mast 10 m, K 1.3, radius 20 km: the sea would be seen out to 12.87 km all round.
class VisplotMissingTile : public VisplotRun {
  protected:
    void SetUp() override {
        VisplotRun::SetUp();
        WriteConfig();
        ct::WriteHgtTile(work.Path() / "tiles", "N54W004.hgt", kSeaLevel);
        area = *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 20).area;
    }
    // The colour of the pixel of plot sample (x, y) in the 600-pixel window.
    QRgb PixelOfSample(const QImage& image, int x, int y) const {
        const int px = static_cast<int>((x + 0.5) / (1.07 * area.nLon) * 600);
        const int py = static_cast<int>((1.1 * area.nLat - y) / (1.13 * area.nLat) * 600);
        return image.pixel(px, py) & 0xFFFFFF;
    }
    mastview::RadiusArea area;
};

TEST_F(VisplotMissingTile, NoDataIsGreyInsideTheRadiusNeverSeenGround) {
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("% of the plot has no height data"), std::string::npos) << r.output;
    const QImage image = PlotImage(png);
    const QRgb grey =
        qRgb(plot::kNoDataColour.red, plot::kNoDataColour.green, plot::kNoDataColour.blue) &
        0xFFFFFF;
    const int firstMissing =
        static_cast<int>(std::floor((-3.0 - area.lonW_deg) * console::kSamplesPerDegree)) + 1;
    int greyInside = 0, checked = 0;
    for (int y = 4; y < area.nLat; y += 37) {
        for (int x = 4; x < area.nLon; x += 23) {
            const double u = 2.0 * x / area.nLon - 1, v = 2.0 * y / area.nLat - 1;
            if (u * u + v * v > 0.95 || std::abs(x - firstMissing) <= 2) continue;
            SCOPED_TRACE(testing::Message() << "sample " << x << "," << y);
            ++checked;
            const QRgb colour = PixelOfSample(image, x, y);
            if (colour == kRingPixel) continue;
            if (x > firstMissing) {
                EXPECT_EQ(colour, grey);  // seen sea before: now no data
                ++greyInside;
            } else {
                EXPECT_NE(colour, grey);
            }
        }
    }
    EXPECT_GT(greyInside, 3);
    EXPECT_GT(checked, 100);
    // The share printed is that of the disc's samples east of 3° W.
    long inside = 0, missing = 0;
    for (int y = 0; y <= area.nLat; ++y)
        for (int x = 0; x <= area.nLon; ++x) {
            const double u = 2.0 * x / area.nLon - 1, v = 2.0 * y / area.nLat - 1;
            if (u * u + v * v > 1) continue;
            ++inside;
            if (x >= firstMissing) ++missing;
        }
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.1f %% of the plot has no height data",
                  100.0 * missing / inside);
    EXPECT_NE(r.output.find(expected), std::string::npos) << r.output;
}

// The elevation angles as GeoTIFF: seen sea at its angle, ground beyond the horizon, outside
// the radius and without heights no data.
TEST_F(VisplotMissingTile, GeoTiffHoldsTheAnglesSeen) {
    const std::string tif = (work.Path() / "angles.tif").string();
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n", {"--geotiff", tif});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const gdalread::GdalRaster raster = gdalread::ReadGdalRaster(tif);
    visplot::testing::ExpectAreaRaster(raster, area);
    if (::testing::Test::HasFatalFailure()) return;
    // Due west of the centre (row of the centre, top row 0 = north): at 5 km the sea lies
    // 10 m / 5 km below the mast top plus the earth's curvature 5 km / (2 K R): about -0.126°.
    const int centreRow = area.nLat - area.nLat / 2;
    const int x5 = static_cast<int>(std::lround(area.nLon / 2.0 * (1 - 5.0 / 20)));
    const double s_km = 20 * std::abs(2.0 * x5 / area.nLon - 1);
    const double expected = (-10 / (1000 * s_km) - s_km / (2 * 1.3 * 6371)) * 180 / M_PI;
    EXPECT_NEAR(raster.At(x5, centreRow), expected, 1e-3);
    // West at 16 km: beyond the 12.87 km horizon, hidden. East at 16 km: no heights. A corner:
    // outside the radius.
    const int x16w = static_cast<int>(std::lround(area.nLon / 2.0 * (1 - 16.0 / 20)));
    const int x16e = static_cast<int>(std::lround(area.nLon / 2.0 * (1 + 16.0 / 20)));
    EXPECT_EQ(raster.At(x16w, centreRow), -32768.0f);
    EXPECT_EQ(raster.At(x16e, centreRow), -32768.0f);
    EXPECT_EQ(raster.At(0, 0), -32768.0f);
    // East at 5 km is still N54W004 and seen.
    const int x5e = static_cast<int>(std::lround(area.nLon / 2.0 * (1 + 5.0 / 20)));
    EXPECT_NEAR(raster.At(x5e, centreRow), expected, 1e-3);
}

TEST_F(VisplotRun, NoTileAtAllIsARefusedRunThatKeepsTheConfiguration) {
    WriteConfig();
    const std::string config = ct::ReadFile(work.Path() / "Corvanne.ini");
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("No height data for this area: none of N54W004.hgt, N54W003.hgt in " +
                            Tiles()),
              std::string::npos)
        << r.output;
    EXPECT_EQ(ct::ReadFile(work.Path() / "Corvanne.ini"), config);
    EXPECT_FALSE(std::filesystem::exists(png));
}

// A latitude/longitude centre is the position typed, not a grid reference somewhere else.
TEST_F(VisplotRun, LatitudeLongitudeCentre) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    const ct::RunResult r = Run("54.4543 -3.2117\n10\n1.3\n20\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Base Lat  54.4543"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("has no height data"), std::string::npos) << r.output;
}

}  // namespace

namespace visplot {
namespace {

// --palette: viridis paints the seen sea in viridis colours; an unknown name is a usage error.
TEST_F(VisplotRun, PaletteOptionChoosesTheAngleColours) {
    WriteConfig();
    WriteTiles(kSeaLevel, kSeaLevel);
    const ct::RunResult r = Run(std::string(kCentre) + "\n10\n1.3\n20\n", {"--palette", "viridis"});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const mastview::RadiusArea a =
        *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 20).area;
    const QImage image = PlotImage(png);
    const auto isRamp = [](AnglePalette palette, QRgb pixel) {
        for (int n = 0; n < 256; ++n) {
            const console::Rgb c = AngleColour(palette, n);
            if ((pixel & 0xFFFFFF) == (qRgb(c.red, c.green, c.blue) & 0xFFFFFF)) return true;
        }
        return false;
    };
    int viridis = 0, classic = 0;
    for (const double km : {2.0, 4.0, 6.0, 8.0, 11.0}) {
        // South of the centre, away from the rings' labels and the sites.
        const int px = static_cast<int>(a.nLon / 2.0 / (1.07 * a.nLon) * 600);
        const double uy = a.nLat / 2.0 - km / 20 * a.nLat / 2;
        const QRgb pixel =
            image.pixel(px, static_cast<int>((1.1 * a.nLat - uy) / (1.13 * a.nLat) * 600));
        viridis += isRamp(AnglePalette::kViridis, pixel);
        classic += isRamp(AnglePalette::kClassic, pixel);
    }
    EXPECT_EQ(viridis, 5);
    EXPECT_EQ(classic, 0);

    std::filesystem::remove(png);
    const ct::RunResult bad = Run(std::string(kCentre) + "\n10\n1.3\n20\n", {"--palette", "jet"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.errors.find("--palette jet: no such palette (classic, viridis)"),
              std::string::npos)
        << bad.errors << bad.output;
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace visplot
