// The line of sight of a profile: the straight line from the base mast top to the distant mast
// top, in the profile's own heights (ground plus earth bulge, metres) over distance from the base.
#pragma once

namespace pathprofile {

struct SightLine {
    double path_km = 0.0;  // D: the distant mast stands at x = D
    double start_m = 0.0;  // height of the base mast top: first sample + base mast
    double end_m = 0.0;    // height of the distant mast top: last sample + distant mast

    // Height of the line x_km from the base (0 <= x_km <= D); a path of no length is level.
    double At_m(double x_km) const {
        const double rise_per_km = path_km > 0.0 ? (end_m - start_m) / path_km : 0.0;
        return start_m + rise_per_km * x_km;
    }
};

}  // namespace pathprofile
