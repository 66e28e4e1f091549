// Geometry of one radio path: points along the great circle from the base and the earth bulge
// for an effective earth radius.
//
// Distances are kilometres, heights metres, angles degrees at every interface (radians only
// inside). Fractional literal constants are held in single precision and widened to double
// where they are used, as in every console tool, so 0.02 acts as 0.019999999552965164.
#pragma once

#include "geodesy/constants.h"
#include "geodesy/types.h"

namespace pathprofile {

// Fixed sampling step along the path: 20 m, in km (single-precision literal, widened).
inline constexpr double kSampleStep_km = static_cast<double>(0.02f);
// The largest sample index of a profile: 100000 steps of 20 m cover 2000 km.
inline constexpr int kMaxSampleIndex = 100000;
// The longest path the sample array holds, km.
inline constexpr double kMaxPathLength_km = 2000.0;
// Below this distance, km (1 m), the distant site is taken to be the base itself: the
// bearings are then undefined and there is no path to draw.
inline constexpr double kCoincidentDistance_km = 0.001;

// Positions are WGS84; a longitude is not brought into -180..180.
using geodesy::LatLon;

// The point reached by going dist_km along the initial bearing bearing_deg (0..360, clockwise
// from north) from `start`, on a sphere of the true earth radius (geodesy::kEarthRadiusSingle_km).
// The arcsine is taken as atan(w / sqrt(1 - w^2)) and the two-argument arctangent as the geodesy
// core's half-angle formula with the single-precision floor 1e-8f.
LatLon DestinationPoint(LatLon start, double bearing_deg, double dist_km);

// The earth bulge of a path of length D km for an effective radius Re = K x 6371.29 km:
// the height in metres of the arc of radius Re above the chord joining the two ends.
class EarthBulge {
  public:
    // k_factor: effective earth radius factor K (> 0); path_km: D (>= 0).
    EarthBulge(double k_factor, double path_km);

    // Bulge in metres at x_km from the base: 0 at both ends, largest at mid-path.
    // Points further from mid-path than the radius itself (only possible for clicks far
    // outside the path) read as if they lay on that limit, never as NaN. A K too large for
    // Re^2 to be represented gives a flat earth (0 everywhere).
    double At_m(double x_km) const;

    double EffectiveRadius_km() const { return re_km_; }
    double ChordDepth_m() const { return c0_m_; }
    // True when the path is longer than the diameter of the effective earth (D/2 >= Re):
    // such a path has no bulge and must not be drawn.
    bool PathTooLong() const { return path_km_ / 2.0 >= re_km_; }

  private:
    double re_km_;
    double path_km_;
    double c0_m_;  // 1000 sqrt(Re^2 - (D/2)^2): depth of the chord's midpoint below the centre
};

}  // namespace pathprofile
