#include "horizon_layout.h"

#include <algorithm>
#include <cmath>

namespace horizon {

namespace {

// The bearing labels are spaced by one of these (degrees), the closest that keeps them apart.
constexpr int kBearingLabelSteps[] = {45, 90, 180, 360};
// Bearing ticks every 15 degrees while they stay this many pixels apart, else at the labels.
constexpr int kLeastTickGap_px = 4;

}  // namespace

bool RowPlacer::Fits(int from, int to) const {
    if (from < left_ || to > right_) return false;
    return std::none_of(taken_.begin(), taken_.end(),
                        [&](const Span& s) { return from < s.to + gap_ && s.from < to + gap_; });
}

bool RowPlacer::Place(int from, int to) {
    if (!Fits(from, to)) return false;
    taken_.push_back({from, to});
    return true;
}

double PlaceBetweenLabels(const RowPlacer& row, int width, int step,
                          const std::function<double(double)>& pixelX) {
    std::vector<double> candidates;
    for (double b = step / 2.0; b < 360; b += step) candidates.push_back(b);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](double a, double b) { return std::fabs(a - 180) < std::fabs(b - 180); });
    for (double b : candidates) {
        const int left = static_cast<int>(std::lround(pixelX(b) - width / 2.0));
        if (row.Fits(left, left + width)) return b;
    }
    return -1;
}

ChartLayout LayOutChart(int width, int height, int textHeight,
                        const std::function<int(std::string_view)>& textWidth,
                        const AngleScale& scale, double radius_km, int siteRows, bool withExit) {
    ChartLayout l;
    l.width = width;
    l.height = height;
    l.textHeight = textHeight;
    l.pad = std::max(2, textHeight / 5);
    l.tickLength = std::max(3, textHeight / 3);
    const int th = textHeight, pad = l.pad;

    // Rows from the top: the key's row (always: it holds the Exit box and the axis title), the
    // key's figures, the site rows; from the bottom: ticks, bearings, compass points.
    l.keyFiguresShown = true;
    l.compassShown = true;
    l.siteRows = std::clamp(siteRows, 0, kMostSiteRows);
    const auto fieldHeight = [&] {
        const int top = pad + th + (l.keyFiguresShown ? th : 0) + l.siteRows * th + pad;
        const int bottom = l.tickLength + th + (l.compassShown ? th : 0) + pad;
        return height - top - bottom;
    };
    const int least = static_cast<int>(kLeastFieldShare * height);
    while (fieldHeight() < least && l.siteRows > 0) --l.siteRows;
    if (fieldHeight() < least) l.compassShown = false;
    if (fieldHeight() < least) l.keyFiguresShown = false;

    l.keyRowTop = pad;
    l.siteRowsTop = pad + th + (l.keyFiguresShown ? th : 0) + pad;
    l.field.top = l.siteRowsTop + l.siteRows * th;
    l.field.bottom = l.field.top + std::max(fieldHeight(), 1);
    l.bearingRowTop = l.field.bottom + l.tickLength;
    l.compassRowTop = l.bearingRowTop + th;

    // The angle ticks, their labels at least two text lines apart.
    const double lowDeg = scale.DegreesAt(0), highDeg = scale.DegreesAt(kFieldHeight);
    const int maxTicks = std::max(1, l.field.Height() / (2 * th));
    l.angleStep_deg = TickStep(highDeg - lowDeg, maxTicks);
    l.angleTicks_deg = TicksWithin(lowDeg, highDeg, l.angleStep_deg);
    int widest = 0;
    for (double a : l.angleTicks_deg)
        widest = std::max(widest, textWidth(DegreeLabel(a, l.angleStep_deg)));
    const int rightColumn =
        std::max(l.tickLength + pad + widest + pad, textWidth("360°") / 2 + pad);
    l.field.left = std::max(pad, textWidth("0°") / 2 + pad);
    l.field.right = std::max(l.field.left + 1, width - rightColumn);
    l.angleLabelLeft = l.field.right + l.tickLength + pad;

    const double pxPerDegree = l.field.Width() / 360.0;
    const int bearingLabelWidth = textWidth("360°") + 2 * pad;
    l.bearingLabelStep = 360;
    for (int step : kBearingLabelSteps) {
        if (step * pxPerDegree >= bearingLabelWidth) {
            l.bearingLabelStep = step;
            break;
        }
    }
    l.bearingTickStep = 15 * pxPerDegree >= kLeastTickGap_px ? 15 : l.bearingLabelStep;

    // The band's right end: the Exit box, then the angle axis's title before it.
    int bandRight = width - pad;
    if (withExit) {
        const int exitWidth = textWidth(kExitText) + 2 * pad;
        l.exitShown = true;
        l.exitBox = {bandRight - exitWidth, l.keyRowTop, bandRight, l.keyRowTop + th};
        bandRight = l.exitBox.left - pad;
    }
    const int angleTitleWidth = textWidth(kAngleTitle);
    if (bandRight - angleTitleWidth >= pad) {
        l.angleTitleShown = true;
        l.angleTitleLeft = bandRight - angleTitleWidth;
        bandRight = l.angleTitleLeft - 2 * pad;
    }
    // The key: its title, then the bar up to the band's right end; figures under the bar.
    // Without a row for the figures the title gives the range.
    l.keyTitle =
        l.keyFiguresShown ? std::string(kKeyTitle) : "Distance 0-" + Fixed(radius_km, 0) + " km";
    l.keyTitleLeft = l.field.left;
    const int barLeft = l.keyTitleLeft + textWidth(l.keyTitle) + 2 * pad;
    const int barRight = std::min(bandRight, barLeft + std::max(l.field.Width() / 2, 3 * th));
    l.keyShown = barRight - barLeft >= 3 * th;
    if (l.keyShown) {
        const int barHeight = std::max(3, th * 2 / 3);
        const int barTop = l.keyRowTop + (th - barHeight) / 2;
        l.keyBar = {barLeft, barTop, barRight, barTop + barHeight};
        // Figures at round distances, their labels apart.
        const int figureWidth = textWidth("0000") + 2 * pad;
        const int most = std::max(1, l.keyBar.Width() / figureWidth);
        const double step = TickStep(radius_km, most);
        l.keyTicks_km = TicksWithin(0, radius_km, step);
    }
    if (!l.keyShown) l.keyFiguresShown = false;
    return l;
}

}  // namespace horizon
