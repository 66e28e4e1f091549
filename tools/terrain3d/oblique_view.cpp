#include "oblique_view.h"

#include <algorithm>
#include <cmath>

#include "geodesy/constants.h"

namespace terrain3d {
namespace {

// Fractional constants are held in single precision and widened where used, like every
// constant of the console tools.
constexpr double kViewAngle_deg = 55;                         // angle of view
constexpr double kDepth = static_cast<double>(0.7f);          // shortening of the rows
constexpr double kVerticalShare = static_cast<double>(0.1f);  // lift of maxPlot over nLat
constexpr double kLeftMargin = static_cast<double>(0.01f);    // of nLon
constexpr double kBottomMargin = static_cast<double>(0.1f);   // of nLat
constexpr int kTopEntry = 255;                                // last palette entry
using geodesy::kRadPerDeg;

}  // namespace

ObliqueView::ObliqueView(int nLat, int nLon, double lat0_deg, int maxPlot_m)
    : nLat_(nLat),
      nLon_(nLon),
      maxPlot_(std::max(1, maxPlot_m)),
      cosLat0_(std::cos(lat0_deg * kRadPerDeg)),
      sx_(kDepth * std::sin(kViewAngle_deg * kRadPerDeg)),
      sy_(kDepth * std::cos(kViewAngle_deg * kRadPerDeg)),
      liftPerMetre_(kVerticalShare * nLat / maxPlot_) {}

ViewPoint ObliqueView::SamplePoint(int x, int y, int h_m) const {
    const int h = std::clamp(h_m, 0, maxPlot_);
    ViewPoint p;
    p.x = std::min(kDepth * x + sx_ * y + kLeftMargin * nLon_, double{1} * nLon_);
    p.y = (sy_ * y + liftPerMetre_ * h) / cosLat0_ + kBottomMargin * nLat_;
    return p;
}

ViewPoint ObliqueView::CentrePoint(int h_m) const {
    ViewPoint p;
    p.x = kDepth * nLon_ / 2 + sx_ * nLat_ / 2 + kLeftMargin * nLon_;
    p.y = (sy_ * nLat_ / 2 + liftPerMetre_ * h_m) / cosLat0_ + kBottomMargin * nLat_;
    return p;
}

int ObliqueView::ColourEntry(int h_m) const {
    const int h = std::clamp(h_m, 0, maxPlot_);
    return static_cast<int>(std::nearbyint(double{kTopEntry} * h / maxPlot_));
}

double ObliqueView::EntryHeight(int entry) const {
    return double{1} * entry * maxPlot_ / kTopEntry;
}

}  // namespace terrain3d
