#include "mastview/sample_verdicts.h"

#include <limits>

namespace mastview {

SampleVerdicts::SampleVerdicts(const SweepSetup& setup)
    : setup_(setup),
      cells_(static_cast<std::size_t>(setup.nLon + 1) * static_cast<std::size_t>(setup.nLat + 1),
             kUnvisited) {}

void SampleVerdicts::VisitRays() {
    // The bearings and steps of SweepRays, summed the same way so that they meet the same
    // samples.
    const double rd = setup_.radius_km;
    const double dBearing = console::kSweepStep_km * console::kDegPerRad / rd;
    const double dt = console::kSweepStep_km / rd;
    const double nLon = setup_.nLon;
    const double nLat = setup_.nLat;
    for (double b = 0; b <= 360; b += dBearing) {
        const double a = (90 - b) / console::kDegPerRad;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        for (double t = dt; t <= 1; t += dt) {
            int16_t& cell =
                cells_[Index(Nearest((ca * t + 1) / 2 * nLon), Nearest((sa * t + 1) / 2 * nLat))];
            if (cell == kUnvisited) cell = kHidden;
        }
    }
}

bool SampleVerdicts::InsideRadius(int x, int y) const {
    if (setup_.nLon <= 0 || setup_.nLat <= 0) return false;
    const double u = 2.0 * x / setup_.nLon - 1;
    const double v = 2.0 * y / setup_.nLat - 1;
    return u * u + v * v <= 1;
}

int16_t SampleVerdicts::NearestVerdict(int x, int y) const {
    // Sample spacing in km across and up: the plot spans 2 Rd both ways.
    const double kmAcross = setup_.nLon > 0 ? 2 * setup_.radius_km / setup_.nLon : 0;
    const double kmUp = setup_.nLat > 0 ? 2 * setup_.radius_km / setup_.nLat : 0;
    double best = std::numeric_limits<double>::infinity();
    int16_t verdict = kUnvisited;
    for (int dy = -kReach; dy <= kReach; ++dy) {
        const int ny = y + dy;
        if (ny < 0 || ny > setup_.nLat) continue;
        for (int dx = -kReach; dx <= kReach; ++dx) {
            const int nx = x + dx;
            if (nx < 0 || nx > setup_.nLon) continue;
            const int16_t v = At(nx, ny);
            if (v == kUnvisited) continue;
            const double d = (dx * kmAcross) * (dx * kmAcross) + (dy * kmUp) * (dy * kmUp);
            if (d < best) {
                best = d;
                verdict = v;
            }
        }
    }
    return verdict;
}

}  // namespace mastview
