// The whole dialogue, run in-process on scripted answers over generated tiles: a base in the
// south, a ridge 600 m high across the path, a distant site in the north, and a third site
// whose tile is missing.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdio>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/exit_status.h"
#include "console/headless.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "pathprofile/path_geometry.h"
#include "pathprofile/pathprofile_app.h"
#include "pathprofile/plot_layout.h"
#include "pathprofile/profile_view.h"
#include "pathprofile/tests/picture_rows.h"
#include "plot/testing/png_reading.h"

namespace pathprofile {
namespace {

namespace ct = console::testing;
namespace pt = plot::testing;

// Base and distant sites on the meridian 3.58333 W (locator cell corners).
constexpr LatLon kSouth{54.0 + 2.0 / 24.0, -4.0 + 5.0 / 12.0};  // IO84FC00AA
constexpr LatLon kNorth{54.5, -4.0 + 5.0 / 12.0};               // IO84FM00AA
// The ridge covers latitudes 54.30 ... 54.31 (file rows 828 ... 840 of N54W004).
constexpr double kRidgeSouth_deg = 54.30;
constexpr int kRidge_m = 600;
constexpr int kGround_m = 100;

int Occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class PathProfileDialogue : public ::testing::Test {
  protected:
    void SetUp() override {
        ct::WriteHgtTile(dir_.Path(), "N54W004.hgt", [](int row, int) {
            return row >= 828 && row <= 840 ? kRidge_m : kGround_m;
        });
        ct::WriteSitesFile(dir_.Path(), {"Ridge South~IO84FC00AA", "Ridge North~IO84FM00AA",
                                         "Eastern Fell~IO84QC00AA"});
    }

    void WriteConfig() {
        ct::WriteTextFile(dir_.Path(), "Corvanne.ini", {dir_.Folder(), dir_.Folder(), "600"});
    }

    struct Result {
        int code;
        std::string out;
    };
    Result Run(const std::string& input, const std::string& tail = "",
               console::HeadlessOptions headless = {}) {
        if (headless.pngFile.empty()) headless.pngFile = Png("profile.png");
        std::istringstream in(input);
        std::ostringstream out;
        console::Console con(in, out, false);
        const int code = RunDialogue(con, tail, dir_.Path(), headless);
        return {code, out.str()};
    }

    std::string Png(const std::string& name) const { return (dir_ / name).string(); }

    ct::TempDir dir_;
};

TEST_F(PathProfileDialogue, NoConfigurationAndEndWordInsideTextWritesTheConfiguration) {
    // Only the two folders are asked: the profile window has a size of its own.
    const Result r =
        Run(dir_.Folder() + "\n" + dir_.Folder() + "\nRidge South\n5\n" + "stop EndEndEnd now\n");
    EXPECT_EQ(r.code, console::kExitNormal);
    EXPECT_NE(r.out.find("Path Profile from SRTM Data   Orvel July 2018"), std::string::npos);
    EXPECT_EQ(ct::ReadFile(dir_ / "Corvanne.INI"),
              dir_.Folder() + "\r\n" + dir_.Folder() + "\r\n600\r\n");
}

TEST_F(PathProfileDialogue, EmptyBaseOrUnknownBaseEndsWithoutWritingAnything) {
    Result r = Run(dir_.Folder() + "\n" + dir_.Folder() + "\n\n");
    EXPECT_EQ(r.code, console::kExitRefused);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Corvanne.INI"));

    r = Run(dir_.Folder() + "\n" + dir_.Folder() + "\nNowhere Hill\n");
    EXPECT_EQ(r.code, console::kExitRefused);
    EXPECT_NE(r.out.find("Site not found"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Corvanne.INI"));
}

TEST_F(PathProfileDialogue, BaseLineAndDistantPromptLayout) {
    WriteConfig();
    const Result r = Run("10\nendendend\n", "Ridge South");
    // The command tail is the base; the base line shows its ground height without the mast.
    EXPECT_EQ(r.out.find(std::string(kBasePrompt)), std::string::npos);
    EXPECT_NE(r.out.find("         Base Lat  54.0833° Long  -3.5833°  IO84FC00AA  "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(" 100m AGL\n\n" + std::string(48, '.') + "\n\n\nSite Name / Location []"),
              std::string::npos)
        << r.out;
}

// The distant answer starts in column 34 after a short default, and one blank after a default
// that reaches that column (the answers are not echoed here, so the next prompt follows).
TEST_F(PathProfileDialogue, LongDistantDefaultStaysApartFromTheAnswer) {
    WriteConfig();
    // The unknown site is offered again and taken by an empty answer.
    const Result r =
        Run("10\nRidge North\n10\n\nNowhere Near Here Hill\n\n\n\n\n\nendendend\n", "Ridge South");
    // The run goes on past the unknown site, and its status tells a script of it.
    ASSERT_EQ(r.code, console::kExitRefused) << r.out;
    EXPECT_NE(r.out.find("Site Name / Location []          Distant mast height"), std::string::npos)
        << r.out;
    // "[Ridge North]" ends in column 34 itself.
    EXPECT_NE(r.out.find("Site Name / Location [Ridge North] Distant mast height"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Site Name / Location [Nowhere Near Here Hill] Distant mast height"),
              std::string::npos)
        << r.out;
}

// An empty answer keeps 1.3 on the first path and the last accepted K later, shown with two
// decimals; an empty distant answer takes the last distant text.
TEST_F(PathProfileDialogue, KPromptKeepsTheLastAcceptedValue) {
    WriteConfig();
    const Result r =
        Run("Ridge South\n10\n"
            "Ridge North\n10\n\n"        // K 1.30 kept
            "\n\n1.5\n"                  // same site again, K 1.50
            "Nowhere\n\n"                // not found; K 0.05, 0, -1, inf and nan each refused and
            "0.05\n0\n-1\ninf\nnan\n\n"  // asked again, then 1.50 kept
            "Ridge North\n\n\n"          // shows 1.50
            "ENDENDEND\n");
    ASSERT_EQ(r.code, console::kExitRefused) << "a site was not found on the way: " << r.out;
    std::vector<std::string> shown;
    const std::string prompt = "K value         [";
    for (std::size_t at = r.out.find(prompt); at != std::string::npos;
         at = r.out.find(prompt, at + 1))
        shown.push_back(r.out.substr(at + prompt.size(), 5));
    EXPECT_EQ(shown, (std::vector<std::string>{"1.30]", "1.30]", "1.50]", "1.50]", "1.50]", "1.50]",
                                               "1.50]", "1.50]", "1.50]"}));
    EXPECT_EQ(Occurrences(r.out, std::string(kKRefusal)), 5);
    EXPECT_NE(r.out.find("Site Name / Location [Ridge North]"), std::string::npos);
    EXPECT_EQ(Occurrences(r.out, "Site not found"), 1);
    // Three profiles were drawn, each into its own numbered file.
    EXPECT_EQ(pathprofile::testing::PlotSize(Png("profile1.png")), (std::pair<int, int>{800, 400}));
    EXPECT_EQ(pathprofile::testing::PlotSize(Png("profile3.png")), (std::pair<int, int>{800, 400}));
    EXPECT_FALSE(std::filesystem::exists(Png("profile4.png")));
}

// Input that ends after a refused K or mast height gives no answer: the run ends refused, with
// no path drawn at a value the user never gave.
TEST_F(PathProfileDialogue, InputEndingAfterARefusedAnswerEndsTheRun) {
    WriteConfig();
    for (const std::string& input : {std::string("Ridge South\n10\nRidge North\n10\n0\n"),
                                     std::string("Ridge South\n10\nRidge North\n20000\n"),
                                     std::string("Ridge South\n20000\n")}) {
        SCOPED_TRACE(input);
        std::filesystem::remove(Png("profile1.png"));
        const Result r = Run(input);
        EXPECT_EQ(r.code, console::kExitRefused) << r.out;
        EXPECT_FALSE(std::filesystem::exists(Png("profile1.png")));
        EXPECT_EQ(Occurrences(r.out, std::string(kKRefusal)) +
                      Occurrences(r.out, std::string(kMastRefusal)),
                  2)
            << r.out;
    }
}

// Paths that cannot be drawn get one line each and the next prompt: the base itself, a path
// beyond the 2000 km of the sample array, and a path longer than the diameter of the effective
// earth of a tiny K (0.11: 1402 km; Madrid is about 1500 km away).
TEST_F(PathProfileDialogue, PathsThatCannotBeDrawnAreRefused) {
    WriteConfig();
    ct::WriteSitesFile(dir_.Path(), {"Ridge South~IO84FC00AA", "Tokyo~PM95VQ", "Madrid~IN80DK"});
    const Result r =
        Run("Ridge South\n\nRidge South\n\n\nTokyo\n\n\nMadrid\n\n0.11\n"
            "endendend\n");
    EXPECT_EQ(r.code, console::kExitRefused) << "no path of the run could be drawn";
    EXPECT_NE(r.out.find("Distant site is the base site"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Path too long: "), std::string::npos);
    EXPECT_NE(r.out.find("the longest path is 2000km"), std::string::npos);
    EXPECT_NE(r.out.find("Path too long for K = 0.11"), std::string::npos);
    EXPECT_EQ(Occurrences(r.out, "Site Name / Location ["), 4);
    EXPECT_FALSE(std::filesystem::exists(Png("profile1.png")));
}

// The ridge blocks the line between two 10 m masts by its height above the 110 m line plus the
// earth bulge where it starts (the ridge sample nearest mid-path).
TEST_F(PathProfileDialogue, RidgeBlocksTheLineOfSightAndIsDrawnAtItsHeight) {
    WriteConfig();
    const Result r = Run("Ridge South\n10\nRidge North\n10\n\nendendend\n");
    ASSERT_EQ(r.code, console::kExitNormal) << r.out;

    const geodesy::DistanceBearing path = geodesy::DistBearBetween(
        {kSouth.lat_deg, kSouth.lon_deg}, {kNorth.lat_deg, kNorth.lon_deg});
    EXPECT_NE(r.out.find("Dist   46.33km  Bearing   0.0° [Back 180.0°]"), std::string::npos)
        << r.out;
    const EarthBulge bulge(1.3, path.distance_km);
    const double ridge_km =
        (kRidgeSouth_deg - kSouth.lat_deg) * geodesy::kRadPerDeg * geodesy::kEarthRadiusSingle_km;

    const std::size_t at = r.out.find("Line of sight blocked, worst clearance");
    ASSERT_NE(at, std::string::npos) << r.out;
    double worst_m = 0, at_km = 0;
    ASSERT_EQ(std::sscanf(r.out.c_str() + at,
                          "Line of sight blocked, worst clearance %lfm at %lfkm", &worst_m, &at_km),
              2);
    EXPECT_NEAR(at_km, ridge_km, 0.03);
    EXPECT_NEAR(worst_m, 110.0 - kRidge_m - bulge.At_m(ridge_km), 0.5);

    // In the picture the brown terrain reaches the ridge top (plus bulge) in the ridge's
    // columns and stays near the ground elsewhere. The axis is fitted to the ground (100 m at
    // the path's ends) and the ridge top; the plot lies below the title strip.
    QImage png(QString::fromStdString(Png("profile1.png")));
    ASSERT_FALSE(png.isNull());
    const int strip = pathprofile::testing::TitleStripRows(png);
    ASSERT_GT(strip, 0);
    plot::Canvas measure("rows", kWindowWidth_px, kWindowHeight_px);
    const PlotLayout layout(path.distance_km,
                            FitHeightAxis(kGround_m, kRidge_m + bulge.At_m(ridge_km)),
                            ReadOutRows(MeasureLineHeightPx(measure)));
    const auto column = [&](double x_km) {
        return static_cast<int>((x_km - layout.Left()) / (layout.Right() - layout.Left()) * 800);
    };
    const auto height_of_row = [&](int row) {
        return layout.Top() - (row - strip + 0.5) / 400.0 * (layout.Top() - layout.Bottom());
    };
    const auto brown_top_m = [&](int col) {
        for (int row = strip; row < png.height(); ++row)
            if (png.pixelColor(col, row) == QColor(200, 100, 20)) return height_of_row(row);
        return -1.0e9;
    };
    const double metres_per_row = (layout.Top() - layout.Bottom()) / 400.0;
    EXPECT_NEAR(brown_top_m(column(ridge_km + 0.5)), kRidge_m + bulge.At_m(ridge_km + 0.5),
                2 * metres_per_row);
    EXPECT_NEAR(brown_top_m(column(10.0)), kGround_m + bulge.At_m(10.0), 2 * metres_per_row);
    // The masts are red, 4 pixels wide and 10 m tall each; the picture of a --png run has no
    // Exit box, whose red would add some 600 pixels.
    const int mast_pixels = static_cast<int>(2 * kMastPen_px * 10.0 / metres_per_row);
    const int red = pt::CountPngPixels(Png("profile1.png"), console::Rgb{255, 0, 0});
    EXPECT_GT(red, mast_pixels * 3 / 4);
    EXPECT_LT(red, mast_pixels * 2);
}

// The path due east crosses into a tile that has no file: one pair of messages, and the far
// part reads 0 m instead of the heights of the tile loaded before. With 100 m ground up to the
// tile edge and 0 m beyond it, the line from the 102 m base mast top down to the 2 m distant
// one clears the terrain worst just before the edge (with the old tile's 100 m carried on, the
// line would run level at 102 m and be worst by only the bulge, at mid-path).
TEST_F(PathProfileDialogue, MissingTileReadsSeaLevelWithOneMessage) {
    WriteConfig();
    const Result r = Run("Ridge South\n\nEastern Fell\n\n\nendendend\n");
    ASSERT_EQ(r.code, console::kExitNormal) << r.out;
    EXPECT_EQ(Occurrences(r.out, "No HDB\n"), 1) << r.out;
    EXPECT_EQ(Occurrences(r.out, "No Height file for this location\n"), 1);

    const double path_km = geodesy::DistBearBetween({kSouth.lat_deg, kSouth.lon_deg},
                                                    {kSouth.lat_deg, -4.0 + 16.0 / 12.0})
                               .distance_km;
    // The tile edge at 3 W lies 7/12 degree east of the base, of the 11/12 degree to go.
    const double edge_km = path_km * 7.0 / 11.0;
    const std::size_t at = r.out.find("Line of sight blocked, worst clearance");
    ASSERT_NE(at, std::string::npos) << r.out;
    double worst_m = 0, at_km = 0;
    ASSERT_EQ(std::sscanf(r.out.c_str() + at,
                          "Line of sight blocked, worst clearance %lfm at %lfkm", &worst_m, &at_km),
              2);
    EXPECT_NEAR(at_km, edge_km, 0.5);
    EXPECT_LT(worst_m, -60.0);
}

// Two profiles of the same path with the same mast and K draw the same plot; their title
// strips tell them apart (each names its profile's number).
TEST_F(PathProfileDialogue, EachPictureHasATitleStripThatTellsItApart) {
    WriteConfig();
    const Result r = Run("Ridge South\n10\nRidge North\n10\n\n\n10\n\nendendend\n");
    ASSERT_EQ(r.code, console::kExitNormal) << r.out;
    const QImage first(QString::fromStdString(Png("profile1.png")));
    const QImage second(QString::fromStdString(Png("profile2.png")));
    const int strip = pathprofile::testing::TitleStripRows(first);
    ASSERT_GT(strip, 0);
    ASSERT_EQ(pathprofile::testing::TitleStripRows(second), strip);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_TRUE(first.copy(0, strip, 800, 400) == second.copy(0, strip, 800, 400));
    EXPECT_FALSE(first.copy(0, 0, 800, strip) == second.copy(0, 0, 800, strip));
    // The strip holds text: dark pixels on its light background.
    int dark = 0;
    for (int row = 0; row + 1 < strip; ++row)
        for (int col = 0; col < 800; ++col) dark += first.pixelColor(col, row) == Qt::black;
    EXPECT_GT(dark, 500);
}

TEST_F(PathProfileDialogue, DoubleClickDrawsTheMagentaPathSingleClickDoesNot) {
    WriteConfig();
    console::HeadlessOptions single;
    single.pngFile = Png("single.png");
    single.clicks = {{plot::ClickKind::kSingle, 20.0, 400.0}};
    Run("Ridge South\n10\nRidge North\n10\n\nendendend\n", "", single);
    console::HeadlessOptions twice;
    twice.pngFile = Png("double.png");
    twice.clicks = {{plot::ClickKind::kDouble, 20.0, 400.0}};
    Run("Ridge South\n10\nRidge North\n10\n\nendendend\n", "", twice);

    EXPECT_EQ(pt::CountPngPixels(Png("single1.png"), kClickMagenta), 0);
    EXPECT_GT(pt::CountPngPixels(Png("double1.png"), kClickMagenta), 50);
    // Both drew the read-out text: more black than a picture without clicks.
    Run("Ridge South\n10\nRidge North\n10\n\nendendend\n");
    EXPECT_GT(pt::CountPngPixels(Png("single1.png"), console::kBlack),
              pt::CountPngPixels(Png("profile1.png"), console::kBlack) + 100);
}

TEST(DialogueAnswers, EndWordMastAndKAnswers) {
    EXPECT_TRUE(IsEndAnswer("endendend"));
    EXPECT_TRUE(IsEndAnswer("xxENDendEndyy"));
    EXPECT_FALSE(IsEndAnswer("end end end"));
    EXPECT_FALSE(IsEndAnswer("endend"));

    EXPECT_EQ(MastHeightAnswer("12.5 m"), 12.5);
    EXPECT_EQ(MastHeightAnswer(""), 2.0);
    EXPECT_EQ(MastHeightAnswer("0.009"), 2.0);
    EXPECT_EQ(MastHeightAnswer("-4"), 2.0);
    EXPECT_EQ(MastHeightAnswer("0.01"), 0.01);
    EXPECT_EQ(MastHeightAnswer("10000"), 10000.0);
    // Above 10 km (1e300 once printed 300-digit heights) the question is asked again.
    for (const char* refused : {"10000.5", "1e300", "1e999"})
        EXPECT_FALSE(MastHeightAnswer(refused).has_value()) << refused;

    EXPECT_EQ(KFactorAnswer("", 1.5), 1.5);
    EXPECT_EQ(KFactorAnswer("  ", 1.5), 1.5);
    EXPECT_EQ(KFactorAnswer("4/3", 1.5), 4.0);
    EXPECT_EQ(KFactorAnswer("0.1", 1.5), 0.1);
    EXPECT_EQ(KFactorAnswer("1000", 1.5), 1000.0);
    // Once silently replaced by the last K: now refused, to be asked again.
    for (const char* refused : {"0.09", "0", "-1", "inf", "nan", "abc", "1000.1", "1e999"})
        EXPECT_FALSE(KFactorAnswer(refused, 1.5).has_value()) << refused;
}

TEST(DialogueAnswers, NumberedPngNames) {
    EXPECT_EQ(NumberedPngName("out.png", 1), "out1.png");
    EXPECT_EQ(NumberedPngName("/tmp/a.b/profile.png", 12), "/tmp/a.b/profile12.png");
    EXPECT_EQ(NumberedPngName("/tmp/a.b/profile", 2), "/tmp/a.b/profile2");
}

}  // namespace
}  // namespace pathprofile
