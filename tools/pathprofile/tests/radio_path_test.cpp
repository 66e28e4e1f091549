// The radio figures of a profile: the first Fresnel zone's clearance and verdict over a
// knife-edge ridge, the loss estimate, the zone's bounds as drawn, the console lines and the CSV
// rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "pathprofile/fresnel_zone.h"
#include "pathprofile/link_figures.h"
#include "pathprofile/path_loss.h"
#include "pathprofile/profile.h"
#include "pathprofile/profile_csv.h"
#include "pathprofile/radio_report.h"
#include "radiolink/bullington.h"

namespace pathprofile {
namespace {

constexpr LatLon kBase{54.0, -3.0};
// 2 m at 144 MHz: lambda = 299792458 / 144e6 = 2.0818921 m.
constexpr double kLambda144_m = 299792458.0 / 144.0e6;

// The inputs of a link budget without a transmitter: the losses alone.
LinkInputs Losses(double frequency_MHz, double k_factor, double base_mast_m,
                  double distant_mast_m) {
    return {frequency_MHz, k_factor, base_mast_m, distant_mast_m, std::nullopt, 0.0, std::nullopt};
}

double NorthOfBase_km(LatLon p) {
    return (p.lat_deg - kBase.lat_deg) / geodesy::kDegPerRad * geodesy::kEarthRadiusSingle_km;
}

// A 10 km path due north over sea-level ground with a knife edge `ridge_m` high one sample wide
// at 4 km (sample 200), seen between two 100 m masts (the line of sight is level at 100 m). K is
// so large that the earth is flat: the bulge stays below 1e-5 m.
struct RidgePath {
    explicit RidgePath(int ridge_m)
        : profile(SampleProfile(kBase, 0.0, kPath_km, EarthBulge(1.0e6, kPath_km),
                                [ridge_m](LatLon p) {
                                    return std::abs(NorthOfBase_km(p) - 4.0) < 0.005 ? ridge_m : 0;
                                })),
          line(LineOfSight(profile, kMast_m, kMast_m)) {}
    static constexpr double kPath_km = 10.0;
    static constexpr double kMast_m = 100.0;
    Profile profile;
    SightLine line;
};

// A knife edge 120 m high under a 100 m line: clearance -20 m, r1 at 4 km of 10 km 70.686 m
// (above), so -20 / 70.686 = -0.2829, "-28%". v = 0.40014 (above), J(v) = 6.9 + 20 log10(
// sqrt(0.30014^2 + 1) + 0.30014) = 6.9 + 20 log10(1.344207) = 9.469 dB; free space 95.615 dB
// over the 10 km; 105.085 dB in all.
TEST(FresnelClearance, KnifeEdgeAboveTheLine) {
    const RidgePath path(120);
    const auto worst = WorstFresnelClearance(path.profile, path.line, kLambda144_m);
    ASSERT_TRUE(worst.has_value());
    EXPECT_NEAR(worst->at_km, 4.0, 1e-5);
    EXPECT_NEAR(worst->radius_m, 70.686, 1e-3);
    EXPECT_NEAR(worst->clearance_m, -20.0, 1e-4);
    EXPECT_NEAR(worst->worst_fraction, -0.28294, 1e-5);
    EXPECT_EQ(worst->verdict, FresnelVerdict::kObstructed);

    const PathLoss loss = EstimatePathLoss(kLambda144_m, RidgePath::kPath_km, worst);
    EXPECT_NEAR(loss.knife_edge_v, 0.40014, 1e-5);
    EXPECT_NEAR(loss.free_space_dB, 95.615, 1e-3);
    EXPECT_NEAR(loss.diffraction_dB, 9.469, 1e-3);
    EXPECT_NEAR(loss.Total_dB(), 105.085, 2e-3);
    EXPECT_EQ(RadioReportLines(144.0, worst, loss),
              (std::vector<std::string>{
                  "First Fresnel zone at 144 MHz: worst clearance -28% at 4.00km, obstructed",
                  "Free-space loss 95.6 dB",
                  "Knife-edge diffraction loss 9.5 dB   Estimated path loss 105.1 dB"}));
}

// 60 % of r1 at the edge is 0.6 x 70.686 = 42.41 m, so the line at 100 m is 60 % clear of an
// edge up to 57.59 m: 57 m leaves 43 / 70.686 = 60.8 %, 58 m only 42 / 70.686 = 59.4 %. Both
// are below the loss floor (v = -sqrt(2) x 0.594 = -0.84): no diffraction loss either way.
TEST(FresnelClearance, SixtyPercentRuleOnBothSidesOfTheThreshold) {
    const auto clear =
        WorstFresnelClearance(RidgePath(57).profile, RidgePath(57).line, kLambda144_m);
    ASSERT_TRUE(clear.has_value());
    EXPECT_NEAR(clear->worst_fraction, 0.6083, 1e-4);
    EXPECT_EQ(clear->verdict, FresnelVerdict::kClear);

    const RidgePath higher(58);
    const auto partly = WorstFresnelClearance(higher.profile, higher.line, kLambda144_m);
    ASSERT_TRUE(partly.has_value());
    EXPECT_NEAR(partly->worst_fraction, 0.5942, 1e-4);
    EXPECT_EQ(partly->verdict, FresnelVerdict::kPartlyObstructed);
    EXPECT_EQ(EstimatePathLoss(kLambda144_m, RidgePath::kPath_km, partly).diffraction_dB, 0.0);
    EXPECT_EQ(RadioReportLines(144.0, partly, {})[0],
              "First Fresnel zone at 144 MHz: worst clearance 59% at 4.00km, partly obstructed");

    SCOPED_TRACE("the threshold itself is clear; a grazing line is obstructed");
    EXPECT_EQ(VerdictOf(0.6), FresnelVerdict::kClear);
    EXPECT_EQ(VerdictOf(0.5999), FresnelVerdict::kPartlyObstructed);
    EXPECT_EQ(VerdictOf(0.0), FresnelVerdict::kObstructed);
}

// Without an edge the worst point of flat ground under a level line is mid-path, where r1 is
// largest: 100 / 72.144 = 1.386, and the mast feet (r1 = 0) are left out.
TEST(FresnelClearance, FlatGroundIsWorstAtMidPathAndTinyPathsHaveNoSample) {
    const RidgePath flat(0);
    const auto worst = WorstFresnelClearance(flat.profile, flat.line, kLambda144_m);
    ASSERT_TRUE(worst.has_value());
    EXPECT_NEAR(worst->at_km, 5.0, 0.011);
    EXPECT_NEAR(worst->worst_fraction, 100.0 / 72.144, 1e-3);
    EXPECT_EQ(worst->verdict, FresnelVerdict::kClear);

    const Profile tiny = SampleProfile(kBase, 0.0, 0.03, EarthBulge(1.3, 0.03),
                                       [](LatLon) { return 0; });  // samples at 0 and 20 m
    ASSERT_EQ(tiny.LastIndex(), 1);
    const auto none = WorstFresnelClearance(tiny, LineOfSight(tiny, 2.0, 2.0), kLambda144_m);
    EXPECT_FALSE(none.has_value());
    const PathLoss loss = EstimatePathLoss(kLambda144_m, 0.03, none);
    EXPECT_EQ(loss.diffraction_dB, 0.0);
    EXPECT_EQ(RadioReportLines(1296.5, none, loss)[0],
              "First Fresnel zone at 1296.5 MHz: no terrain sample between the masts");
}

// A 2 m mast at the top of an even slope of 40 m per km down to a 2 m mast 5 km away: the line
// falls 40 m per km too, 2 m above the slope. The mast's own height sample (its first 90 m, all
// at 300 m) stands above the line from 0.05 km on: counted, it made the Fresnel line say
// "obstructed" (and the knife edge cost 7 dB) right after the line-of-sight line said "clear".
// All the figures now take the same samples, past the ground under the mast.
TEST(RadioFigures, TakeTheSamplesOfTheLineOfSight) {
    const double path_km = 5.0;
    const auto slope = [](LatLon q) {
        const double d = NorthOfBase_km(q);
        return d < 0.09 ? 300 : static_cast<int>(std::lround(300.0 - 40.0 * d));
    };
    const Profile p = SampleProfile(kBase, 0.0, path_km, EarthBulge(1.0e6, path_km), slope);
    const SightLine line = LineOfSight(p, 2.0, 2.0);
    const Clearance clearance = LineOfSightClearance(p, 2.0, 2.0);
    ASSERT_TRUE(clearance.Clear());
    EXPECT_GT(clearance.at_km, 0.09);  // past the mast's own height sample

    const auto worst = WorstFresnelClearance(p, line, kLambda144_m);
    ASSERT_TRUE(worst.has_value());
    EXPECT_GT(worst->worst_fraction, 0.0);
    EXPECT_NE(worst->verdict, FresnelVerdict::kObstructed);
    const std::optional<SampleRange> samples = SamplesBetweenMasts(p);
    ASSERT_TRUE(samples.has_value());
    EXPECT_GE(worst->at_km, p.distance_km[static_cast<std::size_t>(samples->first)]);
    EXPECT_LE(worst->at_km, p.distance_km[static_cast<std::size_t>(samples->last)]);
    // A line clear of every sample loses less than the 6 dB of a grazing edge; the mast's own
    // ground, 1.2 m above the line at 0.08 km, cost 7.2 dB.
    EXPECT_LT(EstimatePathLoss(kLambda144_m, path_km, worst).diffraction_dB, 6.0);

    // Bullington on the same samples: every ray from the base mast falls more steeply than the
    // direct one (-40 - 2 / d m per km), so the path is in line of sight.
    const LinkFigures link = WorkOutLink(p, Losses(144.0, 1.0e6, 2.0, 2.0));
    EXPECT_TRUE(link.diffraction.lineOfSight);
    EXPECT_EQ(link.samples->first, samples->first);
    EXPECT_EQ(link.samples->last, samples->last);
}

// The knife edge of RidgePath(120) at 144 MHz: S_tim = (120 - 100) / 4 = 5 m/km is above the
// direct ray's 0, S_rim = 20 / 6 = 3.333 m/km, so the rays cross at d_b = 3.333 x 10 / 8.333 = 4
// km, the edge itself: nu_b = 20 sqrt(0.002 x 10 / (2.0818921 x 4 x 6)) = 0.40014 and J = 9.469
// dB as for the single knife edge. L_b = 9.469 + (1 - exp(-9.469 / 6)) (10 + 0.02 x 10) = 17.565
// dB; with 95.615 dB of free space 113.180 dB. From 25 W ERP into 3 dBi: 10 log10(25000) + 2.15
// - 113.180 + 3 = -64.050 dBm; at 0 dBi -67.050 dBm, + 20 log10(144) + 77.2 = 53.317 dBuV/m;
// over a -120 dBm sensitivity 55.950 dB.
TEST(LinkFigures, KnifeEdgeRidgeWorkedByHand) {
    const RidgePath path(120);
    const LinkFigures link = WorkOutLink(
        path.profile, {144.0, 1.0e6, RidgePath::kMast_m, RidgePath::kMast_m, 25.0, 3.0, -120.0});
    EXPECT_EQ(link.txHeight_m, 100.0);
    EXPECT_NEAR(link.rxHeight_m, 100.0, 1e-9);
    EXPECT_FALSE(link.diffraction.lineOfSight);
    EXPECT_NEAR(link.diffraction.edge_km, 4.0, 1e-5);
    EXPECT_NEAR(link.diffraction.nu, 0.40014, 1e-5);
    EXPECT_NEAR(link.diffraction.uncorrected_dB, 9.4693, 1e-3);
    EXPECT_NEAR(link.diffraction.loss_dB, 17.5647, 1e-3);
    EXPECT_NEAR(link.freeSpace_dB, 95.6150, 1e-3);
    EXPECT_NEAR(link.pathLoss_dB, 113.1797, 2e-3);
    ASSERT_TRUE(link.received_dBm && link.field_dBuV_per_m && link.fadeMargin_dB);
    EXPECT_NEAR(*link.received_dBm, -64.0503, 2e-3);
    EXPECT_NEAR(*link.field_dBuV_per_m, 53.3170, 2e-3);
    EXPECT_NEAR(*link.fadeMargin_dB, 55.9497, 2e-3);
    EXPECT_EQ(LinkBudgetLines(link),
              (std::vector<std::string>{
                  "Diffraction loss (Bullington) 17.6 dB", "Path loss 113.2 dB",
                  "Received level -64.1 dBm (53.3 dBµV/m)", "Fade margin 55.9 dB"}));
    EXPECT_EQ(LinkBudgetCaption(link),
              "  Path loss 113.2 dB  Received -64.1 dBm (53.3 dBµV/m)  Fade margin 55.9 dB");

    SCOPED_TRACE("without an ERP only the losses; without a sensitivity no margin");
    const LinkFigures losses = WorkOutLink(path.profile, Losses(144.0, 1.0e6, 100.0, 100.0));
    EXPECT_FALSE(losses.received_dBm.has_value());
    EXPECT_FALSE(losses.fadeMargin_dB.has_value());
    EXPECT_EQ(
        LinkBudgetLines(losses),
        (std::vector<std::string>{"Diffraction loss (Bullington) 17.6 dB", "Path loss 113.2 dB"}));
    EXPECT_EQ(LinkBudgetCaption(losses), "  Path loss 113.2 dB");
    const LinkFigures noMargin =
        WorkOutLink(path.profile, {144.0, 1.0e6, 100.0, 100.0, 25.0, 0.0, std::nullopt});
    EXPECT_EQ(LinkBudgetLines(noMargin).size(), 3u);
    EXPECT_NEAR(*noMargin.received_dBm, -64.0503 - 3.0, 2e-3);

    SCOPED_TRACE("flat ground under a level line: line of sight, no diffraction loss");
    const LinkFigures flat = WorkOutLink(RidgePath(0).profile, Losses(144.0, 1.0e6, 100.0, 100.0));
    EXPECT_TRUE(flat.diffraction.lineOfSight);
    EXPECT_EQ(flat.diffraction.loss_dB, 0.0);
    EXPECT_EQ(flat.pathLoss_dB, flat.freeSpace_dB);
}

// The link's heights are ground plus mast above sea level, not the bulged samples, and the
// earth's curvature comes in once, through the effective radius K x 6371.29 km: over flat
// sea-level ground and K 1.33 the result is the one radiolink gives for the same ground.
TEST(LinkFigures, SeaLevelPathWithTheEarthsBulgeAgreesWithRadiolink) {
    const double path_km = 60.0;
    const Profile p =
        SampleProfile(kBase, 90.0, path_km, EarthBulge(1.33, path_km), [](LatLon) { return 0; });
    const LinkFigures link = WorkOutLink(p, Losses(432.0, 1.33, 10.0, 30.0));
    EXPECT_EQ(link.txHeight_m, 10.0);
    EXPECT_NEAR(link.rxHeight_m, 30.0, 1e-9);
    std::vector<radiolink::ProfilePoint> ground;
    for (int i = link.samples->first; i <= link.samples->last; ++i)
        ground.push_back({p.distance_km[static_cast<std::size_t>(i)], 0.0});
    const radiolink::BullingtonLoss expected = radiolink::Bullington(
        ground, path_km, 10.0, 30.0, 1.33 * geodesy::kEarthRadiusSingle_km, 299792458.0 / 432e6);
    // Beyond the radio horizon of 10 m and 30 m masts (13 + 22.6 km): a real loss.
    EXPECT_FALSE(link.diffraction.lineOfSight);
    EXPECT_GT(link.diffraction.loss_dB, 20.0);
    EXPECT_DOUBLE_EQ(link.diffraction.loss_dB, expected.loss_dB);
    EXPECT_DOUBLE_EQ(link.diffraction.edge_km, expected.edge_km);
}

TEST(FresnelZoneBound, RunsFromMastTopToMastTopAtTheZonesRadius) {
    // A line rising from 100 m to 200 m over 10 km.
    const SightLine line{10.0, 100.0, 200.0};
    const std::vector<Point> upper = FresnelZoneBound(line, kLambda144_m, 1.0, 64);
    const std::vector<Point> lower60 = FresnelZoneBound(line, kLambda144_m, -0.6, 64);
    ASSERT_EQ(upper.size(), 65u);
    EXPECT_EQ(upper.front().x, 0.0);
    EXPECT_EQ(upper.front().y, 100.0);
    EXPECT_EQ(upper.back().x, 10.0);
    EXPECT_NEAR(upper.back().y, 200.0, 1e-9);
    // Point 32 is mid-path: the line at 150 m plus r1 = 72.144 m; 60 % below: 150 - 43.286.
    EXPECT_NEAR(upper[32].x, 5.0, 1e-9);
    EXPECT_NEAR(upper[32].y, 222.144, 1e-3);
    EXPECT_NEAR(lower60[32].y, 106.714, 1e-3);
    // Every point at its own radius, also the steep ones next to the masts.
    for (int k : {1, 5, 50, 63}) {
        const double r1 = FresnelRadiusAt_m(kLambda144_m, upper[k].x, 10.0);
        EXPECT_NEAR(upper[k].y - line.At_m(upper[k].x), r1, 1e-9) << "point " << k;
    }
    EXPECT_LT(upper[1].x, 0.01);  // the first step is short: x = 5 (1 - cos(pi/64)) = 6 m
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

TEST(ProfileCsv, OneRowPerSampleWithTheProfilesValues) {
    // A 10 km path north-east with its bulge (K 1.3) over ground rising 1 m every 100 m north.
    const double path_km = 10.0;
    const auto ground = [](LatLon q) { return static_cast<int>(NorthOfBase_km(q) * 10.0) + 7; };
    const Profile p = SampleProfile(kBase, 30.0, path_km, EarthBulge(1.3, path_km), ground);
    const SightLine line = LineOfSight(p, 100.0, 20.0);
    const std::vector<std::string> rows =
        Split(ProfileCsv(p, kBase, 30.0, line, kLambda144_m), '\n');
    ASSERT_EQ(rows.size(), p.samples_m.size() + 1);
    EXPECT_EQ(rows[0], "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m,fresnel_r1_m");

    for (std::size_t i = 0; i < p.samples_m.size(); ++i) {
        const std::vector<std::string> f = Split(rows[i + 1], ',');
        ASSERT_EQ(f.size(), 8u) << rows[i + 1];
        const double x = p.distance_km[i];
        const LatLon at = DestinationPoint(kBase, 30.0, x);
        EXPECT_NEAR(std::stod(f[0]), x, 0.0005);
        EXPECT_NEAR(std::stod(f[1]), at.lat_deg, 5e-7);
        EXPECT_NEAR(std::stod(f[2]), at.lon_deg, 5e-7);
        EXPECT_EQ(f[3], std::to_string(ground(at))) << rows[i + 1];
        EXPECT_NEAR(std::stod(f[4]), p.bulge_m[i], 0.005);
        EXPECT_NEAR(std::stod(f[5]), line.At_m(x), 0.005);
        EXPECT_NEAR(std::stod(f[6]), line.At_m(x) - p.samples_m[i], 0.005);
        EXPECT_NEAR(std::stod(f[7]), FresnelRadiusAt_m(kLambda144_m, x, path_km), 0.005);
    }
    // The base mast's foot: the line starts 100 m over the 7 m ground, r1 is 0 there; the last
    // row is the distant mast's foot, 20 m under the line.
    EXPECT_EQ(rows[1], "0.000,54.000000,-3.000000,7,0.00,107.00,100.00,0.00");
    EXPECT_EQ(Split(rows.back(), ',')[6], "20.00");

    SCOPED_TRACE("without a frequency there is no radius column");
    const std::vector<std::string> plain =
        Split(ProfileCsv(p, kBase, 30.0, line, std::nullopt), '\n');
    EXPECT_EQ(plain[0], "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m");
    EXPECT_EQ(plain[1], "0.000,54.000000,-3.000000,7,0.00,107.00,100.00");
}

// The link's columns: `between_masts` marks the samples the figures were taken over, and the
// path's figures repeat on every row; from the columns alone the Bullington loss and the link
// budget can be worked again (distances to the metre and heights to the centimetre leave the
// losses within a few hundredths of a dB).
TEST(ProfileCsv, LinkColumnsWorkTheFiguresAgain) {
    const RidgePath path(120);
    const LinkFigures link = WorkOutLink(
        path.profile, {144.0, 1.0e6, RidgePath::kMast_m, RidgePath::kMast_m, 25.0, 3.0, -120.0});
    const std::vector<std::string> rows =
        Split(ProfileCsv(path.profile, kBase, 0.0, path.line, kLambda144_m, &link), '\n');
    ASSERT_EQ(rows.size(), path.profile.samples_m.size() + 1);
    EXPECT_EQ(rows[0],
              "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m,fresnel_r1_m,between_masts,"
              "path_km,k_factor,tx_asl_m,rx_asl_m,frequency_mhz,free_space_db,diffraction_db,"
              "path_loss_db,erp_w,rx_gain_dbi,received_dbm,field_dbuv_m,sensitivity_dbm,"
              "fade_margin_db");
    EXPECT_EQ(rows[1].substr(rows[1].find(",0,10.000,")),
              ",0,10.000,1e+06,100.00,100.00,144,95.62,17.56,113.18,25,3.00,-64.05,53.32,"
              "-120.00,55.95");

    std::vector<radiolink::ProfilePoint> ground;
    int marked = 0;
    std::vector<std::string> last;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string> f = Split(rows[r], ',');
        ASSERT_EQ(f.size(), 23u) << rows[r];
        if (f[8] == "1") {
            ++marked;
            ground.push_back({std::stod(f[0]), std::stod(f[3])});
        } else {
            EXPECT_EQ(f[8], "0");
        }
        last = f;
    }
    EXPECT_EQ(marked, link.samples->last - link.samples->first + 1);
    const double path_km = std::stod(last[9]), k = std::stod(last[10]);
    const double tx_m = std::stod(last[11]), rx_m = std::stod(last[12]);
    const double lambda_m = 299792458.0 / (std::stod(last[13]) * 1e6);
    const radiolink::BullingtonLoss again =
        radiolink::Bullington(ground, path_km, tx_m, rx_m, k * 6371.29, lambda_m);
    EXPECT_NEAR(again.loss_dB, std::stod(last[15]), 0.01);
    const double free_space_dB = 20.0 * std::log10(4.0 * M_PI * path_km * 1000.0 / lambda_m);
    EXPECT_NEAR(free_space_dB, std::stod(last[14]), 0.01);
    EXPECT_NEAR(std::stod(last[14]) + std::stod(last[15]), std::stod(last[16]), 0.011);
    const double received_dBm = 10.0 * std::log10(std::stod(last[17]) * 1000.0) + 2.15 -
                                std::stod(last[16]) + std::stod(last[18]);
    EXPECT_NEAR(received_dBm, std::stod(last[19]), 0.011);
    EXPECT_NEAR(std::stod(last[19]) - std::stod(last[21]), std::stod(last[22]), 0.011);

    SCOPED_TRACE("without a frequency the link has no columns");
    EXPECT_EQ(Split(ProfileCsv(path.profile, kBase, 0.0, path.line, std::nullopt, &link), '\n')[0],
              "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m");
}

// Heights far beyond any field (a 1e300 m line of sight) once came out of the CSV as stray
// memory bytes and NULs; every byte written is now printable, every row whole.
TEST(ProfileCsv, HugeFiguresStayReadable) {
    const RidgePath path(120);
    const SightLine huge{RidgePath::kPath_km, 1.0e300, 1.0e300};
    const std::string csv = ProfileCsv(path.profile, kBase, 0.0, huge, kLambda144_m);
    for (char c : csv)
        ASSERT_TRUE(c == '\n' || (c >= ' ' && c <= '~')) << "byte " << static_cast<int>(c);
    const std::vector<std::string> rows = Split(csv, '\n');
    ASSERT_EQ(rows.size(), path.profile.samples_m.size() + 1);
    const std::vector<std::string> f = Split(rows[1], ',');
    ASSERT_EQ(f.size(), 8u);
    EXPECT_DOUBLE_EQ(std::stod(f[5]), 1.0e300);
}

}  // namespace
}  // namespace pathprofile
