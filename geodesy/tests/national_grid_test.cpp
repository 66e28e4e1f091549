// Grid reference text: digit counts by resolution, rounding, letters, carries and round trips.
#include "geodesy/national_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geodesy/datum_shift.h"
#include "geodesy/grid_letters.h"
#include "geodesy/transverse_mercator.h"

namespace geodesy {
namespace {

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// WGS84 51.5 N, 1.0 W: E about 469510.616, N about 178369.625.
TEST(FormatGridRefTest, DigitsFollowResolution) {
    struct Case {
        double resolution_km;
        const char* text;
        const char* square;
    };
    const Case cases[] = {
        {0.001, "SU69511 78370", "SU67"}, {0.05, "SU6951 7837", "SU67"},
        {1.0, "SU695 784", "SU67"},   // 783.696 hundreds of metres round up to 784
        {2.0, "SU695 784", "SU67"},   // the 3-digit test is "at most 2 km"
        {2.0001, "SU70 78", "SU77"},  // rounding, not truncation, picks the digits and square
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resolution_km);
        const NgrText t = FormatGridRef(51.5, -1.0, c.resolution_km);
        EXPECT_EQ(t.status, NgrStatus::kOk);
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(Square10km(WithoutBlanks(t.text)), c.square);
        EXPECT_NEAR(t.easting_m, 469510.616, 0.001);
        EXPECT_NEAR(t.northing_m, 178369.625, 0.001);
    }
}

TEST(FormatGridRefTest, DigitCountBoundaries) {
    EXPECT_EQ(NgrDigitsForResolution(2.0001), 2);
    EXPECT_EQ(NgrDigitsForResolution(2.0), 3);
    EXPECT_EQ(NgrDigitsForResolution(0.1), 3);
    EXPECT_EQ(NgrDigitsForResolution(0.0999), 4);
    EXPECT_EQ(NgrDigitsForResolution(0.01), 4);
    EXPECT_EQ(NgrDigitsForResolution(0.0099), 5);
}

TEST(FormatGridRefTest, AreaEdgesAreInsideAndBeyondIsEmpty) {
    // Edges of the area are inside (strict tests); they may still be off the grid.
    EXPECT_NE(FormatGridRef(49.0, -5.0, 0.001).status, NgrStatus::kOutsideArea);
    EXPECT_NE(FormatGridRef(61.0, -1.0, 0.001).status, NgrStatus::kOutsideArea);
    EXPECT_NE(FormatGridRef(55.0, -8.0, 0.001).status, NgrStatus::kOutsideArea);
    EXPECT_NE(FormatGridRef(52.0, 1.8, 0.001).status, NgrStatus::kOutsideArea);
    for (auto [lat, lon] : {std::pair{48.9999, -2.0}, std::pair{61.0001, -1.0},
                            std::pair{55.0, -8.0001}, std::pair{52.0, 1.8001}}) {
        const NgrText t = FormatGridRef(lat, lon, 0.001);
        EXPECT_EQ(t.status, NgrStatus::kOutsideArea) << lat << " " << lon;
        EXPECT_EQ(t.text, "");
        EXPECT_EQ(t.easting_m, 0.0);
        EXPECT_EQ(t.northing_m, 0.0);
    }
}

TEST(FormatGridRefTest, OffTheGridIsNotValid) {
    // 49.2 N 7.9 W lies west of the false origin: negative easting.
    const NgrText t = FormatGridRef(49.2, -7.9, 0.001);
    EXPECT_EQ(t.status, NgrStatus::kNotValid);
    EXPECT_EQ(t.text, "Not valid");
    EXPECT_EQ(t.easting_m, 0.0);
}

// A WGS84 position whose grid coordinates are (e_m, n_m), found by inverting the projection and
// the datum shift (the shifts are not exact inverses, so refine once).
LatLon WgsAt(double e_m, double n_m) {
    const LatLon airy = EastNorthToLatLong(e_m, n_m);
    LatLon wgs = AiryToWGS84(airy.lat_deg, airy.lon_deg);
    for (int i = 0; i < 3; ++i) {
        const LatLon a2 = WGS84ToAiry(wgs.lat_deg, wgs.lon_deg);
        const EastNorth en = LatLongToEastNorth(a2.lat_deg, a2.lon_deg);
        const LatLon want = EastNorthToLatLong(e_m, n_m);
        const LatLon got = EastNorthToLatLong(en.e_m, en.n_m);
        wgs.lat_deg += want.lat_deg - got.lat_deg;
        wgs.lon_deg += want.lon_deg - got.lon_deg;
    }
    return wgs;
}

TEST(FormatGridRefTest, LettersOfEachRegion) {
    struct Case {
        double e_m, n_m;
        const char* letters;
    };
    const Case cases[] = {
        {450000, 150000, "SU"},  {550000, 150000, "TQ"},  {350000, 550000, "NY"},
        {250000, 850000, "NH"},  {350000, 1050000, "HY"}, {450000, 1150000, "HU"},
        {150000, 50000, "SW"},   {650000, 350000, "TG"},  {450000, 550000, "NZ"},
        {450000, 1050000, "HZ"}, {550000, 650000, "OQ"},
    };
    for (const Case& c : cases) {
        const LatLon p = WgsAt(c.e_m, c.n_m);
        const NgrText t = FormatGridRef(p.lat_deg, p.lon_deg, 0.001);
        EXPECT_EQ(t.text.substr(0, 2), c.letters) << c.e_m << " " << c.n_m;
    }
}

TEST(FormatGridRefTest, RoundingCarriesIntoNextSquare) {
    // 60 m short of the SU/TQ boundary (E 500000) with 2 digits (1 km): the easting group rounds
    // up to a whole square, so the text names TQ with digits 00, not SU with "100".
    const LatLon p = WgsAt(499940.0, 150300.0);
    const NgrText t = FormatGridRef(p.lat_deg, p.lon_deg, 5.0);
    EXPECT_EQ(t.text, "TQ00 50");
    EXPECT_EQ(Square10km(WithoutBlanks(t.text)), "TQ05");
    // Same for the northing: 40 m short of N 200000 (SU -> SP).
    const LatLon q = WgsAt(450300.0, 199960.0);
    EXPECT_EQ(FormatGridRef(q.lat_deg, q.lon_deg, 0.5).text, "SP503 000");
}

TEST(ParseGridRefTest, WorkedValues) {
    const NgrPosition ten = ParseGridRef("SU5096012345", 7.0);
    ASSERT_TRUE(ten.ok);
    EXPECT_EQ(ten.easting_m, 450960.0);
    EXPECT_EQ(ten.northing_m, 112345.0);
    EXPECT_EQ(ten.resolution_km, 0.001);
    EXPECT_NEAR(ten.lat_deg, 50.908333, 1e-6);
    EXPECT_NEAR(ten.lon_deg, -1.276575, 1e-6);
    EXPECT_EQ(Square10km("SU5096012345"), "SU51");

    const NgrPosition eight = ParseGridRef("SU50961234", 7.0);
    EXPECT_EQ(eight.easting_m, 450960.0);
    EXPECT_EQ(eight.northing_m, 112340.0);
    EXPECT_EQ(eight.resolution_km, 0.01);

    const NgrPosition six = ParseGridRef("SU123456", 7.0);
    EXPECT_EQ(six.easting_m, 412300.0);
    EXPECT_EQ(six.northing_m, 145600.0);
    EXPECT_EQ(six.resolution_km, 0.1);
    EXPECT_EQ(Square10km("SU123456"), "SU14");
}

TEST(ParseGridRefTest, FourDigitsNameAOneKilometreSquare) {
    const NgrPosition r = ParseGridRef("SU1234", 0.001);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.easting_m, 412000.0);
    EXPECT_EQ(r.northing_m, 134000.0);
    EXPECT_EQ(r.resolution_km, 1.0);
}

TEST(ParseGridRefTest, OddDigitCountsKeepResolution) {
    // 5 digits: halves of 2 (2.5 rounds to even), the fifth digit is not read.
    const NgrPosition five = ParseGridRef("NY12345", 0.25);
    ASSERT_TRUE(five.ok);
    EXPECT_EQ(five.easting_m, 312000.0);
    EXPECT_EQ(five.northing_m, 534000.0);
    EXPECT_EQ(five.resolution_km, 0.25);
    // The northing digit is the one at position 5/2 + 1 = 3.5, rounded to 4.
    EXPECT_EQ(Square10km("NY12345"), "NY14");
}

TEST(ParseGridRefTest, TooManyDigitsRefused) {
    for (const char* text : {"SU50960123456", "SU509601234567"}) {
        const NgrPosition r = ParseGridRef(text, 0.5);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_NE(r.error.find(text), std::string::npos) << r.error;
        EXPECT_NE(r.error.find("more than 5 digits"), std::string::npos) << r.error;
    }
    EXPECT_FALSE(ParseGridRef("S", 0.5).ok);
}

// The letters name 25 x 25 squares, of which the grid holds 7 x 14: every square FormatGridRef
// writes is read back, the squares beyond each edge are not valid (they name no place the
// projection can give: XZ lies 500 km south-west of the false origin).
TEST(ParseGridRefTest, LettersOffTheGridAreNotValid) {
    for (std::int64_t east = 0; east < 7; ++east) {
        for (std::int64_t north = 0; north < 14; ++north) {
            const std::string text = FormatGridLetters(GridSquare{east, north}) + "5050";
            const NgrPosition r = ParseGridRef(text, 0.5);
            ASSERT_TRUE(r.ok) << text;
            EXPECT_FALSE(r.not_valid);
            EXPECT_EQ(r.easting_m, east * 100000.0 + 50000.0) << text;
            EXPECT_EQ(r.northing_m, north * 100000.0 + 50000.0) << text;
        }
    }
    const struct {
        std::string letters;
        const char* where;
    } off[] = {
        {FormatGridLetters(GridSquare{7, 3}), "east of TG"},
        {FormatGridLetters(GridSquare{2, 14}), "north of the top row"},
        {"RZ", "west of SV"},
        {"XA", "south of SV"},
        {"XZ", "500 km south-west"},
        {"IA", "I is no grid letter"},
        {"S1", "a digit for a letter"},
    };
    for (const auto& c : off) {
        SCOPED_TRACE(c.where);
        const std::string text = c.letters + "12345678";
        const NgrPosition r = ParseGridRef(text, 0.5);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_TRUE(r.not_valid) << text;
        EXPECT_EQ(r.resolution_km, 0.5);
        EXPECT_NE(r.error.find("\"" + text + "\" is not valid"), std::string::npos) << r.error;
    }
    EXPECT_EQ(ParseGridLetters('R', 'Z'), (GridSquare{-1, 0}));
    EXPECT_EQ(ParseGridLetters('X', 'A'), (GridSquare{0, -1}));
    // Too many digits is another refusal, with its own sentence.
    EXPECT_FALSE(ParseGridRef("XZ1234567890123", 0.5).not_valid);
}

TEST(ParseGridRefTest, NonDigitEndsTheGroup) {
    const NgrPosition r = ParseGridRef("SU12X45678", 0.5);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.easting_m, 400120.0);  // "12X4" reads 12, in tens of metres
    EXPECT_EQ(r.northing_m, 156780.0);
}

TEST(NationalGridRoundTripTest, TextBackToPositionWithinHalfALastDigit) {
    for (double resolution : {0.001, 0.05, 0.5, 5.0}) {
        const double unit_m = std::pow(10.0, 5 - NgrDigitsForResolution(resolution));
        for (double lat = 50.0; lat <= 58.5; lat += 0.7) {
            for (double lon = -5.5; lon <= 1.5; lon += 0.9) {
                const NgrText t = FormatGridRef(lat, lon, resolution);
                ASSERT_EQ(t.status, NgrStatus::kOk) << lat << " " << lon;
                std::string compact = t.text;
                compact.erase(compact.find(' '), 1);
                const NgrPosition back = ParseGridRef(compact, resolution);
                ASSERT_TRUE(back.ok);
                // The text names the square corner nearest to the point.
                EXPECT_LE(std::fabs(back.easting_m - t.easting_m), unit_m / 2 + 1e-6)
                    << t.text << " at " << lat << " " << lon;
                EXPECT_LE(std::fabs(back.northing_m - t.northing_m), unit_m / 2 + 1e-6)
                    << t.text << " at " << lat << " " << lon;
                // And the position comes back to within that distance (plus the datum shift's
                // centimetre of asymmetry).
                const double dn_m = (back.lat_deg - lat) * 111200.0;
                const double de_m = (back.lon_deg - lon) * 111200.0 * std::cos(lat / 57.2958);
                EXPECT_LE(std::hypot(dn_m, de_m), unit_m * 0.75 + 0.05) << t.text;
                EXPECT_EQ(Square10km(compact), Square10km(WithoutBlanks(t.text)));
            }
        }
    }
}

}  // namespace
}  // namespace geodesy
