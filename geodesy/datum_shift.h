// Datum shift between WGS84 and OSGB36 latitude/longitude by a seven-parameter Helmert
// transformation through earth-centred Cartesian coordinates, at ellipsoidal height 0.
#pragma once

#include "geodesy/constants.h"
#include "geodesy/types.h"

namespace geodesy {

// Helmert parameters, position-vector convention. Rotations in arc seconds; the scale term s is
// added to 1.
struct HelmertParams {
    double tx_m, ty_m, tz_m;
    double s;
    double rx_arcsec, ry_arcsec, rz_arcsec;
};

// OSGB36 -> WGS84 (Ordnance Survey's published Helmert parameters), and their negation for the
// reverse direction. Each direction is accurate to a few metres; they are not exact inverses.
inline constexpr HelmertParams kAiryToWGS84Params{446.448, -125.157, 542.06, -2.04894e-5,
                                                  0.1502,  0.247,    0.8421};
inline constexpr HelmertParams kWGS84ToAiryParams{-446.448, 125.157, -542.06, 2.04894e-5,
                                                  -0.1502,  -0.247,  -0.8421};

// The common body of the two shifts. lat_deg/lon_deg on the source ellipsoid (degrees, any finite
// value; meaningful around Great Britain); the result on the target ellipsoid in degrees,
// latitude -90..90, longitude -180..180. The latitude is iterated until it changes by at most
// 1e-8 rad (two or three passes near Britain).
LatLon HelmertShift(double lat_deg, double lon_deg, const Ellipsoid& source,
                    const Ellipsoid& target, const HelmertParams& params,
                    const AngleUnits& units = kWindowAngles);

// WGS84 degrees in, OSGB36 (Airy 1830) degrees out.
LatLon WGS84ToAiry(double lat_deg, double lon_deg, const AngleUnits& units = kWindowAngles);

// OSGB36 (Airy 1830) degrees in, WGS84 degrees out.
LatLon AiryToWGS84(double lat_deg, double lon_deg, const AngleUnits& units = kWindowAngles);

}  // namespace geodesy
