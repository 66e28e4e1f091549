// Constants of the geodesy core: angle units, the two ellipsoids, the National Grid projection
// and the spherical earth used for distances. Each value is named once here.
#pragma once

#include <numbers>

namespace geodesy {

// Pi at full double precision: the half-turn that HalfAngleAtan2 returns on the negative x axis.
inline constexpr double kPi = std::numbers::pi;

// Degrees per radian and radians per degree at full double precision, as the console tools use
// them.
inline constexpr double kDegPerRad = 180.0 / kPi;
inline constexpr double kRadPerDeg = kPi / 180.0;

// Degrees per radian as the window program's conversions use it. Deliberately this literal
// (1.4e-11 above 180/pi) so that results agree digit for digit with the published worked values.
inline constexpr double kWindowDegPerRad = 57.29577951309679;

// Pi to twelve decimals, as the arc cosine ACS of the window program adds it (not full precision).
inline constexpr double kAcsPi = 3.141592653589;

// A full turn, degrees: bearings are folded into [0, 360).
inline constexpr double kFullCircle_deg = 360.0;

inline constexpr double kMetresPerKm = 1000.0;

// Radius of the spherical earth for great-circle distances, km.
inline constexpr double kEarthRadius_km = 6371.29;
// The same radius as the console tools hold it: in single precision, widened again
// (6371.2900390625 km). Their distances, bulges and destination points use this value.
inline constexpr double kEarthRadiusSingle_km =
    static_cast<double>(static_cast<float>(kEarthRadius_km));

// One degree of latitude on that sphere, rounded as the programs have always used it, km: the
// locator's cell sizes are worked from it.
inline constexpr double kKmPerDegreeLat = 111.2;
// Minutes of arc in a degree (latitude/longitude texts, the locator's subsquares).
inline constexpr double kMinutesPerDegree = 60.0;
// The same as the console tools hold it, in single precision and widened (111.19999694824219 km):
// their map rectangles, sample steps and radii use this value.
inline constexpr double kKmPerDegreeLatSingle =
    static_cast<double>(static_cast<float>(kKmPerDegreeLat));

// Angle units of a family of programs: degrees per radian and the pi used inside ACS.
// The window program uses kWindowAngles; the console tools compute with full-precision pi and
// 180/pi and pass kConsoleAngles.
struct AngleUnits {
    double deg_per_rad;  // degrees per radian
    double acs_pi;       // half turn added by ACS for negative arguments, radians
};
inline constexpr AngleUnits kWindowAngles{kWindowDegPerRad, kAcsPi};
inline constexpr AngleUnits kConsoleAngles{kDegPerRad, kPi};

// An ellipsoid as the datum shift uses it: semi-major axis a, semi-minor axis b (m) and the
// squared eccentricity e2 as published (not recomputed from a and b).
struct Ellipsoid {
    double a_m;
    double b_m;
    double e2;
};

// Airy 1830, the ellipsoid of OSGB36 (Ordnance Survey, "A guide to coordinate systems in Great
// Britain", table of ellipsoid constants).
inline constexpr Ellipsoid kAiry1830{6377563.396, 6356256.910, 0.0066705397616};

// WGS84, the datum of GPS receivers and of Maidenhead locators.
inline constexpr Ellipsoid kWGS84{6378137.0, 6356752.3141, 0.0066943800355};

// National Grid Transverse Mercator on Airy 1830 (Ordnance Survey projection constants).
inline constexpr double kGridScaleF0 = 0.9996012717;  // scale factor on the central meridian
// The Airy axes scaled to the central meridian, a x F0 and b x F0 (6375020.480988971 and
// 6353722.490487913 m, the figures the Ordnance Survey's worked examples carry).
inline constexpr double kGridAF0_m = kAiry1830.a_m * kGridScaleF0;
inline constexpr double kGridBF0_m = kAiry1830.b_m * kGridScaleF0;
inline constexpr double kGridOriginLat_deg = 49.0;  // true origin, 49 deg N
inline constexpr double kGridOriginLon_deg = -2.0;  // true origin, 2 deg W
inline constexpr double kGridFalseEasting_m = 400000.0;
inline constexpr double kGridFalseNorthing_m = -100000.0;

}  // namespace geodesy
