// Sampling a path and the clearance of the line of sight, on terrain made up in the test.
#include "pathprofile/profile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pathprofile {
namespace {

constexpr LatLon kBase{54.0, -3.0};

// Distance north of the base, km, of a point on the base's meridian.
double NorthOfBase_km(LatLon p) {
    return (p.lat_deg - kBase.lat_deg) / geodesy::kDegPerRad * geodesy::kEarthRadiusSingle_km;
}

int Flat100(LatLon) {
    return 100;
}

TEST(SampleProfile, SamplesAreBulgePlusGroundEvery20m) {
    const EarthBulge bulge(1.3, 10.0);
    const Profile p = SampleProfile(kBase, 0.0, 10.0, bulge, Flat100);
    ASSERT_EQ(p.LastIndex(), 500);
    EXPECT_EQ(p.samples_m.front(), 100.0);
    EXPECT_NEAR(p.samples_m.back(), 100.0, 1e-3);
    EXPECT_NEAR(p.distance_km[250], 5.0, 1e-5);
    EXPECT_DOUBLE_EQ(p.samples_m[250], 100.0 + bulge.At_m(p.distance_km[250]));
    EXPECT_DOUBLE_EQ(p.bulge_m[250], bulge.At_m(p.distance_km[250]));
    EXPECT_DOUBLE_EQ(p.max_sample_m, p.samples_m[250]);
}

// The step is 0.02 held in single precision (0.0199999995...), added up sample by sample:
// fifty steps make 0.99999998 km, so a path of 0.99999999 km still gets its 51st sample,
// which a double-precision 0.02 (summing to 1.0) would drop.
TEST(SampleProfile, SinglePrecisionStepDecidesTheLastSample) {
    EXPECT_EQ(
        SampleProfile(kBase, 0.0, 0.99999999, EarthBulge(1.3, 0.99999999), Flat100).LastIndex(),
        50);
    EXPECT_EQ(SampleProfile(kBase, 0.0, 0.02, EarthBulge(1.3, 0.02), Flat100).LastIndex(), 1);
    EXPECT_EQ(SampleProfile(kBase, 0.0, 0.0199999, EarthBulge(1.3, 0.0199999), Flat100).LastIndex(),
              0);
}

TEST(SampleProfile, GroundIsReadAtTheDestinationPoints) {
    // Ground rises 1 m per 10 m going north; sample i lies 20 i m north of the base.
    const auto slope = [](LatLon p) {
        return static_cast<int>(std::floor(NorthOfBase_km(p) * 100.0 + 0.5));
    };
    const Profile p = SampleProfile(kBase, 0.0, 1.0, EarthBulge(1.0e6, 1.0), slope);
    ASSERT_EQ(p.LastIndex(), 50);
    for (int i : {0, 1, 17, 50}) EXPECT_NEAR(p.samples_m[i], 2.0 * i, 1e-3) << "sample " << i;
}

// From 3 km to 5 km north of the base the ground has no heights: those samples are marked, and
// the stretch they stand for is the length without data.
TEST(SampleProfile, SamplesWithoutHeightsAreMarkedAndMeasured) {
    const auto hasData = [](LatLon p) {
        const double km = NorthOfBase_km(p);
        return km < 3.0 - 1e-6 || km > 5.0 - 1e-6;
    };
    const Profile p = SampleProfile(kBase, 0.0, 10.0, EarthBulge(1.3, 10.0), Flat100, hasData);
    ASSERT_EQ(p.no_data.size(), p.samples_m.size());
    EXPECT_FALSE(p.no_data[149]);  // 2.98 km
    EXPECT_TRUE(p.no_data[150]);   // 3.00 km
    EXPECT_TRUE(p.no_data[249]);   // 4.98 km
    EXPECT_FALSE(p.no_data[250]);  // 5.00 km
    EXPECT_NEAR(NoDataLength_km(p), 2.0, 1e-6);

    // Complete heights: nothing marked, no length.
    const Profile full = SampleProfile(kBase, 0.0, 10.0, EarthBulge(1.3, 10.0), Flat100,
                                       [](LatLon) { return true; });
    EXPECT_TRUE(full.no_data.empty());
    EXPECT_EQ(NoDataLength_km(full), 0.0);
}

TEST(SampleProfile, NeverRunsPastTheSampleArray) {
    const Profile p =
        SampleProfile(kBase, 90.0, 2001.0, EarthBulge(1.3, 2001.0), [](LatLon) { return 0; });
    EXPECT_EQ(p.LastIndex(), kMaxSampleIndex);
}

// A ridge 500 m high across the path from 8 to 9 km north of the base, on 100 m ground:
// masts of 10 m see a line of sight at 110 m plus nothing, so the ridge blocks it by the
// ridge height plus the bulge there.
TEST(LineOfSightClearance, RidgeBlocksByItsHeightAboveTheLine) {
    const auto ridge = [](LatLon p) {
        const double d = NorthOfBase_km(p);
        return d >= 8.0 - 1e-6 && d <= 9.0 ? 500 : 100;
    };
    const double path_km = 20.0;
    const EarthBulge bulge(1.3, path_km);
    const Profile p = SampleProfile(kBase, 0.0, path_km, bulge, ridge);
    const Clearance c = LineOfSightClearance(p, 10.0, 10.0);
    EXPECT_FALSE(c.Clear());
    // The worst sample is the ridge sample nearest mid-path (largest bulge): 9 km.
    EXPECT_NEAR(c.at_km, 9.0, 0.021);
    EXPECT_NEAR(c.worst_m, 110.0 - 500.0 - bulge.At_m(c.at_km), 0.01);
    EXPECT_LT(c.worst_m, -390.0);
}

TEST(LineOfSightClearance, FlatGroundIsClearedLeastAtMidPath) {
    const double path_km = 30.0;
    const EarthBulge bulge(1.3, path_km);
    const Profile p = SampleProfile(kBase, 45.0, path_km, bulge, Flat100);
    const Clearance c = LineOfSightClearance(p, 20.0, 20.0);
    EXPECT_TRUE(c.Clear());
    EXPECT_NEAR(c.at_km, 15.0, 0.021);
    EXPECT_NEAR(c.worst_m, 20.0 - bulge.At_m(15.0), 0.01);
}

TEST(LineOfSightClearance, SlopingLineAndTheMastFeetLeftOut) {
    // Unequal masts over a flat earth (huge K): the line runs from 102 m to 150 m, so the
    // least clearance is next to the base mast, at the first sample past the ground under it
    // (0.02 ... 0.08 km read the foot's own height sample; 0.1 km is past its 93 m).
    const double path_km = 1.0;
    const Profile p = SampleProfile(kBase, 0.0, path_km, EarthBulge(1.0e6, path_km), Flat100);
    const Clearance c = LineOfSightClearance(p, 2.0, 50.0);
    EXPECT_NEAR(c.at_km, 0.1, 1e-6);
    EXPECT_NEAR(c.worst_m, 2.0 + 48.0 * 0.1, 1e-3);

    SCOPED_TRACE("a profile of one sample has only the mast foot to offer");
    Profile one;
    one.path_km = 0.01;
    one.distance_km = {0.0};
    one.samples_m = {100.0};
    const Clearance c1 = LineOfSightClearance(one, 2.0, 2.0);
    EXPECT_EQ(c1.at_km, 0.0);
    EXPECT_EQ(c1.worst_m, 2.0);
}

// A 10 m mast at the top of an even slope of 40 m per km: the mast's own height sample (the
// first 90 m, all at 300 m) is level, so the line from the mast top passes closer above it than
// above anything the path crosses. That ground is left out; beyond it the slope stays 10 m
// (give or take the whole-metre rounding) under the line.
TEST(LineOfSightClearance, MastOnADownslopeIsNotClearedByItsOwnFoot) {
    const double path_km = 5.0;
    const auto slope = [](LatLon q) {
        const double d = NorthOfBase_km(q);
        return d < 0.09 ? 300 : static_cast<int>(std::lround(300.0 - 40.0 * d));
    };
    const Profile p = SampleProfile(kBase, 0.0, path_km, EarthBulge(1.0e6, path_km), slope);
    const Clearance c = LineOfSightClearance(p, 10.0, 10.0);
    EXPECT_GT(c.at_km, 0.09);
    EXPECT_GE(c.worst_m, 9.5 - 1e-3);
    EXPECT_LE(c.worst_m, 10.5 + 1e-3);

    SCOPED_TRACE("a path that lies wholly under its masts keeps the samples between the feet");
    const Profile tiny = SampleProfile(kBase, 0.0, 0.1, EarthBulge(1.0e6, 0.1), Flat100);
    const Clearance ct = LineOfSightClearance(tiny, 2.0, 4.0);
    EXPECT_NEAR(ct.at_km, 0.02, 1e-6);
    EXPECT_NEAR(ct.worst_m, 2.0 + 2.0 * 0.02 / 0.1, 1e-3);
}

}  // namespace
}  // namespace pathprofile
