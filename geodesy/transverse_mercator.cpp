// National Grid Transverse Mercator, from the Ordnance Survey's "A guide to coordinate systems
// in Great Britain" (annex C): meridional arc M, forward terms I..VI, inverse terms VII..XIIA.
// a*F0 and b*F0 are the stored products; n and the projection's e^2 are derived from them.
#include "geodesy/transverse_mercator.h"

#include <cmath>

namespace geodesy {

namespace {

// n = (aF0 - bF0) / (aF0 + bF0) and e^2 = (aF0^2 - bF0^2) / aF0^2, from the stored products.
constexpr double kN = (kGridAF0_m - kGridBF0_m) / (kGridAF0_m + kGridBF0_m);
constexpr double kE2 =
    (kGridAF0_m * kGridAF0_m - kGridBF0_m * kGridBF0_m) / (kGridAF0_m * kGridAF0_m);

// The inverse stops refining latitude when the residual arc is under this, metres.
constexpr double kArcTolerance_m = 0.001;
// Guard for non-finite input only: the residual falls below 1 mm within a few passes.
constexpr int kMaxArcPasses = 100;

// Radii of curvature at latitude phi: nu (prime vertical), rho (meridian) and eta^2 = nu/rho - 1.
struct Curvature {
    double nu, rho, eta2;
};

Curvature CurvatureAt(double phi) {
    const double s = std::sin(phi);
    const double w = 1.0 - kE2 * s * s;
    const double nu = kGridAF0_m / std::sqrt(w);
    const double rho = nu * (1.0 - kE2) / w;
    return Curvature{nu, rho, nu / rho - 1.0};
}

}  // namespace

double MeridionalArc(double phi, const AngleUnits& units) {
    const double phi0 = kGridOriginLat_deg / units.deg_per_rad;
    const double n = kN, n2 = n * n, n3 = n2 * n;
    const double dphi = phi - phi0;
    const double sphi = phi + phi0;
    const double ma = (1.0 + n + 5.0 / 4.0 * n2 + 5.0 / 4.0 * n3) * dphi;
    const double mb = (3.0 * n + 3.0 * n2 + 21.0 / 8.0 * n3) * std::sin(dphi) * std::cos(sphi);
    const double mc =
        (15.0 / 8.0 * n2 + 15.0 / 8.0 * n3) * std::sin(2.0 * dphi) * std::cos(2.0 * sphi);
    const double md = 35.0 / 24.0 * n3 * std::sin(3.0 * dphi) * std::cos(3.0 * sphi);
    return kGridBF0_m * (ma - mb + mc - md);
}

EastNorth LatLongToEastNorth(double lat_deg, double lon_deg, const AngleUnits& units) {
    const double phi = lat_deg / units.deg_per_rad;
    const Curvature c = CurvatureAt(phi);
    const double m = MeridionalArc(phi, units);
    const double p = (lon_deg - kGridOriginLon_deg) / units.deg_per_rad;

    const double s = std::sin(phi), co = std::cos(phi);
    const double co3 = co * co * co, co5 = co3 * co * co;
    const double t = std::tan(phi), t2 = t * t, t4 = t2 * t2;

    const double i = m + kGridFalseNorthing_m;
    const double ii = c.nu / 2.0 * s * co;
    const double iii = c.nu / 24.0 * s * co3 * (5.0 - t2 + 9.0 * c.eta2);
    const double iiia = c.nu / 720.0 * s * co5 * (61.0 - 58.0 * t2 + t4);
    const double iv = c.nu * co;
    const double v = c.nu / 6.0 * co3 * (c.nu / c.rho - t2);
    const double vi =
        c.nu / 120.0 * co5 * (5.0 - 18.0 * t2 + t4 + 14.0 * c.eta2 - 58.0 * t2 * c.eta2);

    const double p2 = p * p, p3 = p2 * p, p4 = p2 * p2, p5 = p4 * p, p6 = p4 * p2;
    return EastNorth{kGridFalseEasting_m + iv * p + v * p3 + vi * p5,
                     i + ii * p2 + iii * p4 + iiia * p6};
}

LatLon EastNorthToLatLong(double e_m, double n_m, const AngleUnits& units) {
    const double dpr = units.deg_per_rad;
    const double phi0 = kGridOriginLat_deg / dpr;
    double phi = (n_m - kGridFalseNorthing_m) / kGridAF0_m + phi0;
    // The update is applied at least once, and once more after the residual is under 1 mm.
    for (int pass = 0; pass < kMaxArcPasses; ++pass) {
        const double residual = n_m - kGridFalseNorthing_m - MeridionalArc(phi, units);
        phi += residual / kGridAF0_m;
        if (std::fabs(residual) < kArcTolerance_m) break;
    }

    const Curvature c = CurvatureAt(phi);
    const double t = std::tan(phi), t2 = t * t, t4 = t2 * t2, t6 = t4 * t2;
    const double cos_phi = std::cos(phi);
    const double nu = c.nu, nu3 = nu * nu * nu, nu5 = nu3 * nu * nu, nu7 = nu5 * nu * nu;

    const double vii = t / (2.0 * c.rho * nu);
    const double viii = t / (24.0 * c.rho * nu3) * (5.0 + 3.0 * t2 + c.eta2 - 9.0 * t2 * c.eta2);
    const double ix = t / (720.0 * c.rho * nu5) * (61.0 + 90.0 * t2 + 45.0 * t4);
    const double x = 1.0 / (cos_phi * nu);
    const double xi = 1.0 / (6.0 * cos_phi * nu3) * (nu / c.rho + 2.0 * t2);
    const double xii = 1.0 / (120.0 * cos_phi * nu5) * (5.0 + 28.0 * t2 + 24.0 * t4);
    const double xiia =
        1.0 / (5040.0 * cos_phi * nu7) * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6);

    const double de = e_m - kGridFalseEasting_m;
    const double de2 = de * de, de3 = de2 * de, de4 = de2 * de2, de5 = de4 * de, de6 = de4 * de2,
                 de7 = de6 * de;
    return LatLon{dpr * (phi - vii * de2 + viii * de4 - ix * de6),
                  kGridOriginLon_deg + dpr * (x * de - xi * de3 + xii * de5 - xiia * de7)};
}

}  // namespace geodesy
