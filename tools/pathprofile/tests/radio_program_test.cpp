// pathprofile run with --freq and --csv: the radio lines, the zone on the plot and the CSV files,
// over a generated tile with a knife-edge ridge, and on the real tiles when they are there.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console/testing/test_support.h"
#include "pathprofile/pathprofile_app.h"
#include "pathprofile/plot_layout.h"
#include "pathprofile/profile_view.h"
#include "pathprofile/tests/picture_rows.h"
#include "plot/testing/png_reading.h"
#include "radiolink/bullington.h"
#include "radiolink/link_budget.h"
#include "testing/real_data.h"

namespace pathprofile {
namespace {

namespace ct = console::testing;
namespace pt = plot::testing;

// Sea-level ground with a ridge 130 m high one tile row wide (file row 885: 54.2625 ... 54.2633
// N), between Ridge South (IO84FC00AA, 54.0833 N) and Ridge North (IO84FM00AA, 54.5 N), 3.5833 W.
// The ridge's southern edge lies 0.17917 degree north of the base: 0.17917 x pi / 180 x 6371.29 =
// 19.923 km, its northern edge 20.016 km, so samples 997 ... 1000 (19.94 ... 20.00 km) stand on
// it. The path is 0.41667 degree long: D = 46.333 km. Masts of 100 m and K = 1000 (an earth all
// but flat: the bulge stays under 5 cm) put the line of sight level at 100 m, 30 m below the
// ridge top.
class RadioRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ct::WriteHgtTile(dir_.Path(), "N54W004.hgt",
                         [](int row, int) { return row == kRidgeRow ? kRidge_m : 0; });
        ct::WriteSitesFile(dir_.Path(), {"Ridge South~IO84FC00AA", "Ridge North~IO84FM00AA"});
        ct::WriteTextFile(dir_.Path(), "Corvanne.ini", {dir_.Folder(), dir_.Folder(), "600"});
    }

    ct::RunResult Run(std::vector<std::string> options) {
        options.insert(options.end(), {"--png", "profile.png", "Ridge", "South"});
        return ct::RunProgram(TOOL_PROGRAM, options,
                              "100\nRidge North\n100\n1000\nRidge North\n100\n\nendendend\n",
                              dir_.Path());
    }

    static constexpr int kRidgeRow = 885;
    static constexpr int kRidge_m = 130;
    ct::TempDir dir_;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// At 1296 MHz lambda = 299792458 / 1296e6 = 0.2313213 m. The clearance is -30 m (and the 4 cm
// of bulge) on all four ridge samples, so the least share of r1 is where r1 is smallest: the
// southern one, d1 = 19940 m and d2 = 26393 m from the ends. There r1 = sqrt(0.2313213 x 19940 x
// 26393 / 46333) = sqrt(2627.5) = 51.259 m, and -30 / 51.259 = -58.5 %. v = 30 sqrt(2 / 0.2313213 x
// (1/19940 + 1/26393)) = 30 x 0.0275895 = 0.82769; J = 6.9 + 20 log10(sqrt(0.72769^2 + 1) +
// 0.72769) = 6.9 + 20 log10(1.964426) = 12.76 dB. Free space: 20 log10(4 pi 46333 / 0.2313213) =
// 128.02 dB; 140.78 dB in all. Bullington, with the bulge 500 d (D - d) / a_e of a_e = 1000 x
// 6371.29 km: the steepest ray from the base rises to the first ridge sample, S_tim = 30.04 / 19.94
// = 1.5066 m/km, the steepest from the far end to the last, S_rim = 30.04 / 26.333 = 1.1408 m/km;
// they cross at d_b = 1.1408 x 46.333 / 2.6474 = 19.966 km, 30.08 m above the direct ray, so nu_b
// = 30.08 sqrt(0.002 x 46.333 / (0.2313213 x 19.966 x 26.367)) = 0.8298, J = 12.78 dB and L_b
// = 12.78 + (1 - exp(-12.78 / 6)) (10 + 0.02 x 46.333) = 22.41 dB: 150.43 dB with the free space.
TEST_F(RadioRun, KnifeEdgeRidgeLinesZoneAndCsv) {
    const ct::RunResult r = Run({"--freq", "1296", "--csv", "profile.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const std::vector<std::string> lines = Lines(r.output);
    std::size_t at = 0;
    while (at < lines.size() && lines[at].find("Line of sight blocked") == std::string::npos) ++at;
    ASSERT_LT(at + 3, lines.size()) << r.output;
    EXPECT_EQ(
        lines[at + 1],
        "         First Fresnel zone at 1296 MHz: worst clearance -59% at 19.94km, obstructed");
    EXPECT_EQ(lines[at + 2], "         Free-space loss 128.0 dB");
    EXPECT_EQ(lines[at + 3],
              "         Knife-edge diffraction loss 12.8 dB   Estimated path loss 140.8 dB");
    ASSERT_LT(at + 5, lines.size());
    EXPECT_EQ(lines[at + 4], "         Diffraction loss (Bullington) 22.4 dB");
    EXPECT_EQ(lines[at + 5], "         Path loss 150.4 dB");
    EXPECT_EQ(lines[at + 6], "");  // no ERP: no received level, no fade margin

    // One CSV per profile, numbered like the PNGs; rows 998 ... 1001 are the ridge's samples.
    const std::vector<std::string> csv = Lines(ct::ReadFile(dir_ / "profile1.csv"));
    ASSERT_EQ(csv.size(), 2318u);  // the header and samples 0 ... 2316 (46.32 km)
    EXPECT_EQ(csv[0],
              "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m,fresnel_r1_m,between_masts,"
              "path_km,k_factor,tx_asl_m,rx_asl_m,frequency_mhz,free_space_db,diffraction_db,"
              "path_loss_db");
    EXPECT_EQ(csv[997].substr(0, 28), "19.920,54.262470,-3.583333,0");
    EXPECT_EQ(csv[998],
              "19.940,54.262650,-3.583333,130,0.04,100.00,-30.04,51.26,1,46.333,1000,100.00,"
              "100.00,1296,128.02,22.41,150.43");
    EXPECT_EQ(csv[1001].substr(0, 30), "20.000,54.263189,-3.583333,130");
    EXPECT_EQ(csv[1002].substr(0, 28), "20.020,54.263369,-3.583333,0");
    EXPECT_EQ(ct::ReadFile(dir_ / "profile2.csv"), ct::ReadFile(dir_ / "profile1.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "profile3.csv"));

    // The zone's bounds at mid-path, where r1 = sqrt(0.2313213 x 46333) / 2 = 51.76 m: 151.76 m
    // and 48.24 m, dashed; the 60 % line 31.06 m from the line of sight, dotted. The axis is
    // fitted to the sea (0 m) and the ridge top (130 m): from 0 to 136.5 m over the rows between
    // the read-out's and the distance labels', below the title strip. The upper bound at
    // mid-path lies above the axis and is not drawn; 5 km from the base, where r1 =
    // sqrt(0.2313213 x 5000 x 41333 / 46333) = 32.12 m, it is at 132.12 m.
    QImage png(QString::fromStdString((dir_ / "profile1.png").string()));
    ASSERT_FALSE(png.isNull());
    const int strip = pathprofile::testing::TitleStripRows(png);
    ASSERT_GT(strip, 0);
    const double path_km = 46.3333;
    plot::Canvas measure("rows", kWindowWidth_px, kWindowHeight_px);
    const PlotLayout layout(path_km, FitHeightAxis(0.0, kRidge_m),
                            ReadOutRows(MeasureLineHeightPx(measure)));
    EXPECT_NEAR(layout.Axis().top_m, 136.5, 1e-9);
    const auto column_of = [&](double x_km) {
        return static_cast<int>((x_km - layout.Left()) / (layout.Right() - layout.Left()) * 800.0);
    };
    const auto row_of = [&](double y_m) {
        return strip +
               static_cast<int>((layout.Top() - y_m) / (layout.Top() - layout.Bottom()) * 400.0);
    };
    // The colour is found within two columns and one row of where the bound should be.
    const auto drawn_near = [&](double x_km, double y_m, console::Rgb colour) {
        const QColor wanted(colour.red, colour.green, colour.blue);
        for (int col = column_of(x_km) - 2; col <= column_of(x_km) + 2; ++col)
            for (int row = row_of(y_m) - 1; row <= row_of(y_m) + 1; ++row)
                if (png.pixelColor(col, row) == wanted) return true;
        return false;
    };
    const double mid_km = path_km / 2.0;
    EXPECT_TRUE(drawn_near(mid_km, 48.24, kFresnelBlue));
    EXPECT_TRUE(drawn_near(mid_km, 131.06, kFresnel60Blue));
    EXPECT_TRUE(drawn_near(mid_km, 68.94, kFresnel60Blue));
    EXPECT_FALSE(drawn_near(mid_km, 120.0, kFresnelBlue));
    EXPECT_TRUE(drawn_near(5.0, 132.12, kFresnelBlue));
    EXPECT_TRUE(drawn_near(5.0, 67.88, kFresnelBlue));
}

TEST_F(RadioRun, WithoutTheOptionsNothingIsAddedAndNoCsvIsWritten) {
    const ct::RunResult r = Run({});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_EQ(r.output.find("Fresnel"), std::string::npos);
    EXPECT_EQ(r.output.find("loss"), std::string::npos);
    EXPECT_EQ(pt::CountPngPixels(dir_ / "profile1.png", kFresnelBlue), 0);
    EXPECT_EQ(pt::CountPngPixels(dir_ / "profile1.png", kFresnel60Blue), 0);
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
        EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
}

// A CSV that cannot be written is told on the console; the profiles are still drawn, and the
// run ends with status 1 so that a script learns of the missing files.
TEST_F(RadioRun, CsvWriteFailureIsToldAndTheRunGoesOn) {
    const ct::RunResult r = Run({"--csv", "no-such-folder/profile.csv"});
    EXPECT_EQ(r.exitCode, 1) << r.errors;
    EXPECT_NE(r.output.find("Cannot write no-such-folder/profile1.csv\n"), std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("Cannot write no-such-folder/profile2.csv\n"), std::string::npos);
    EXPECT_EQ(pathprofile::testing::PlotSize(dir_ / "profile2.png"),
              (std::pair<int, int>{800, 400}));
}

// A bad frequency or a missing value ends the program before anything is asked, status 2.
TEST_F(RadioRun, BadOptionsAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c : {Case{{"--freq", "abc"}, "expected a frequency in MHz"},
                          Case{{"--freq", "0"}, "expected a frequency in MHz"},
                          Case{{"Ridge", "--freq"}, "--freq needs a value"}}) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, c.args, "", dir_.Path());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
        EXPECT_EQ(r.output, "");
    }
}

std::vector<std::string> Fields(const std::string& row) {
    std::vector<std::string> fields;
    std::stringstream in(row);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

// The figure after `label` on the console, as printed (one decimal).
double PrintedFigure(const std::string& output, const std::string& label) {
    const std::size_t at = output.find(label);
    if (at == std::string::npos) return std::nan("");
    return std::stod(output.substr(at + label.size()));
}

// The link budget printed by the program is the one radiolink works out from the CSV's own
// columns: the samples marked between the masts, the antennas' heights above sea level, K and
// the frequency; the received level, field strength and fade margin follow from the ERP, gain
// and sensitivity as the formulas say.
TEST_F(RadioRun, LinkBudgetLinesAreRadiolinksFiguresOfTheCsvSamples) {
    const ct::RunResult r = Run({"--freq", "144", "--erp", "25", "--rx-gain", "3", "--sensitivity",
                                 "-120", "--csv", "link.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const std::vector<std::string> csv = Lines(ct::ReadFile(dir_ / "link1.csv"));
    ASSERT_GT(csv.size(), 2000u);
    EXPECT_EQ(csv[0].substr(csv[0].find("between_masts")),
              "between_masts,path_km,k_factor,tx_asl_m,rx_asl_m,frequency_mhz,free_space_db,"
              "diffraction_db,path_loss_db,erp_w,rx_gain_dbi,received_dbm,field_dbuv_m,"
              "sensitivity_dbm,fade_margin_db");
    std::vector<radiolink::ProfilePoint> ground;
    for (std::size_t i = 1; i < csv.size(); ++i) {
        const std::vector<std::string> f = Fields(csv[i]);
        ASSERT_EQ(f.size(), 23u) << csv[i];
        if (f[8] == "1") ground.push_back({std::stod(f[0]), std::stod(f[3])});
    }
    const std::vector<std::string> path = Fields(csv[1]);
    EXPECT_EQ(path[10], "1000");
    EXPECT_EQ(path[11], "100.00");
    EXPECT_EQ(path[12], "100.00");
    const double path_km = std::stod(path[9]);
    const double lambda_m = 299792458.0 / 144e6;
    const radiolink::BullingtonLoss loss =
        radiolink::Bullington(ground, path_km, 100.0, 100.0, 1000 * 6371.29, lambda_m);
    ASSERT_FALSE(loss.lineOfSight);
    const double free_space_dB = 20.0 * std::log10(4.0 * M_PI * path_km * 1000.0 / lambda_m);
    const double path_loss_dB = free_space_dB + loss.loss_dB;
    const double received_dBm = radiolink::ReceivedLevel_dBm(25.0, path_loss_dB, 3.0);
    const double field = radiolink::FieldStrength_dBuV_per_m(
        radiolink::ReceivedLevel_dBm(25.0, path_loss_dB, 0.0), 144.0);

    EXPECT_NEAR(std::stod(path[15]), loss.loss_dB, 0.006);
    EXPECT_NEAR(std::stod(path[16]), path_loss_dB, 0.006);
    EXPECT_NEAR(std::stod(path[19]), received_dBm, 0.006);
    EXPECT_NEAR(std::stod(path[20]), field, 0.006);
    EXPECT_NEAR(std::stod(path[22]), received_dBm + 120.0, 0.006);
    EXPECT_NEAR(PrintedFigure(r.output, "Diffraction loss (Bullington) "), loss.loss_dB, 0.051);
    EXPECT_NEAR(PrintedFigure(r.output, "Path loss "), path_loss_dB, 0.051);
    EXPECT_NEAR(PrintedFigure(r.output, "Received level "), received_dBm, 0.051);
    EXPECT_NEAR(PrintedFigure(r.output, "dBm ("), field, 0.051);
    EXPECT_NEAR(PrintedFigure(r.output, "Fade margin "), received_dBm + 120.0, 0.051);
    // A ridge 30 m over the line costs far more than free space alone.
    EXPECT_GT(loss.loss_dB, 15.0);
}

// Values beyond what a path can have, or options that mean nothing alone, end the run before
// anything is asked: status 2, a message naming the option and what it takes, nothing written.
TEST_F(RadioRun, OutOfRangeAndLonelyOptionsAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--freq", "1e-120"}, "--freq 1e-120: expected a frequency in MHz from 1 to 100000"},
        {{"--freq", "1e-6"}, "--freq 1e-6: expected a frequency in MHz from 1 to 100000"},
        {{"--freq", "1e12"}, "--freq 1e12: expected a frequency in MHz from 1 to 100000"},
        {{"--mast", "1e300"}, "--mast 1e300: expected a mast height in metres from 0 to 10000"},
        {{"--mast", "-1"}, "--mast -1: expected a mast height in metres from 0 to 10000"},
        {{"--to", "Ridge North:-5"},
         "--to Ridge North:-5: the mast height after \":\" must be a number in metres from 0 "
         "to 10000"},
        {{"--to", "Ridge North:1e300"}, "the mast height after \":\" must be a number"},
        {{"--to", "Ridge North", "--k", "0"}, "--k 0: expected a K factor from 0.1 to 1000"},
        {{"--k", "-1"}, "--k -1: expected a K factor from 0.1 to 1000"},
        {{"--erp", "25"}, "--erp needs --freq MHZ"},
        {{"--rx-gain", "3"}, "--rx-gain needs --freq MHZ and --erp W"},
        {{"--sensitivity", "-120"}, "--sensitivity needs --freq MHZ and --erp W"},
        {{"--freq", "144", "--sensitivity", "-120"}, "--sensitivity needs --erp W"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--csv", "never.csv", "--png", "never.png", "Ridge", "South"});
        SCOPED_TRACE(c.message);
        const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, args, "", dir_.Path());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
        EXPECT_EQ(r.output, "");
        EXPECT_FALSE(std::filesystem::exists(dir_ / "never1.csv"));
    }
}

// Typed answers out of range are asked again, as the dialogue does for other bad answers: a
// 1e300 m mast, then a K of 0 and of nan (once silently replaced by 1.3). Everything printed
// stays readable.
TEST_F(RadioRun, TypedMastAndKOutOfRangeAreAskedAgain) {
    const ct::RunResult r = ct::RunProgram(
        TOOL_PROGRAM,
        {"--freq", "144", "--csv", "typed.csv", "--png", "typed.png", "Ridge", "South"},
        "1e300\n100\nRidge North\n1e300\n100\n0\nnan\n1000\nendendend\n", dir_.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    std::size_t refusals = 0;
    for (std::size_t at = r.output.find(kMastRefusal); at != std::string::npos;
         at = r.output.find(kMastRefusal, at + 1))
        ++refusals;
    EXPECT_EQ(refusals, 2u) << r.output;
    std::size_t k_refusals = 0;
    for (std::size_t at = r.output.find(kKRefusal); at != std::string::npos;
         at = r.output.find(kKRefusal, at + 1))
        ++k_refusals;
    EXPECT_EQ(k_refusals, 2u) << r.output;
    // The profile is the ridge path's own: 100 m masts, K 1000.
    EXPECT_NE(r.output.find("Diffraction loss (Bullington) "), std::string::npos);
    const std::vector<std::string> csv = Lines(ct::ReadFile(dir_ / "typed1.csv"));
    ASSERT_GT(csv.size(), 1u);
    EXPECT_EQ(Fields(csv[1])[10], "1000");
    EXPECT_EQ(Fields(csv[1])[11], "100.00");
    for (const std::string* text : {&r.output, &csv[1]})
        for (char c : *text)
            EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= ' ') << static_cast<int>(c);
}

// Scafell Pike to Skiddaw (10 m masts, K 1.3) on the real tiles: the summits see each other and
// the path of about 22.3 km loses 20 log10(4 pi 22300 / 2.0819) = 102.6 dB in free space.
TEST(RadioRealData, ScafellPikeToSkiddawAt144MHz) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::filesystem::path data = realdata::Folder();
    ct::TempDir dir;
    ct::WriteTextFile(dir.Path(), "Corvanne.ini",
                      {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600"});
    const ct::RunResult r = ct::RunProgram(
        TOOL_PROGRAM,
        {"--freq", "144", "--csv", "real.csv", "--png", "real.png", "Scafell", "Pike"},
        "10\nSkiddaw\n10\n\nendendend\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Line of sight clear,"), std::string::npos) << r.output;
    const std::size_t zone = r.output.find("First Fresnel zone at 144 MHz: worst clearance ");
    ASSERT_NE(zone, std::string::npos) << r.output;
    double loss_dB = 0;
    const std::size_t free_space = r.output.find("Free-space loss ");
    ASSERT_NE(free_space, std::string::npos);
    ASSERT_EQ(std::sscanf(r.output.c_str() + free_space, "Free-space loss %lf dB", &loss_dB), 1);
    EXPECT_NEAR(loss_dB, 102.6, 0.1);
    EXPECT_NE(r.output.find("Estimated path loss "), std::string::npos);
    EXPECT_GT(pt::CountPngPixels(dir / "real1.png", kFresnelBlue), 100);
    EXPECT_GT(Lines(ct::ReadFile(dir / "real1.csv")).size(), 1000u);
}

// Scafell Pike to Great Gable on the real tiles, 2 m masts, K 1.33, 50 MHz: the line of sight
// clears the ground, and the Fresnel line, taken over the same samples, no longer calls the path
// obstructed because of the ground under Scafell Pike's own mast.
TEST(RadioRealData, ScafellPikeToGreatGableLinesAgree) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::filesystem::path data = realdata::Folder();
    ct::TempDir dir;
    ct::WriteTextFile(dir.Path(), "Corvanne.ini",
                      {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600"});
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM,
                                           {"--freq", "50", "--mast", "2", "--to", "Great Gable:2",
                                            "--k", "1.33", "--png", "gg.png", "Scafell", "Pike"},
                                           "", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    ASSERT_NE(r.output.find("Line of sight clear,"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find(", obstructed"), std::string::npos) << r.output;
    // A line that clears every sample loses less than the 6 dB of a grazing edge.
    EXPECT_LT(PrintedFigure(r.output, "Knife-edge diffraction loss "), 6.0) << r.output;
    EXPECT_LT(PrintedFigure(r.output, "Diffraction loss (Bullington) "), 6.0) << r.output;
}

}  // namespace
}  // namespace pathprofile
