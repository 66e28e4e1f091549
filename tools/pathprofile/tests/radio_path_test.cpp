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
#include "pathprofile/path_loss.h"
#include "pathprofile/profile.h"
#include "pathprofile/profile_csv.h"
#include "pathprofile/radio_report.h"

namespace pathprofile {
namespace {

constexpr LatLon kBase{54.0, -3.0};
// 2 m at 144 MHz: lambda = 299792458 / 144e6 = 2.0818921 m.
constexpr double kLambda144_m = 299792458.0 / 144.0e6;

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

}  // namespace
}  // namespace pathprofile
