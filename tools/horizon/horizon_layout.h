// Where the parts of horizon's chart go, in pixels: the distance key and the angle axis's title in
// a band above the field, rows for the names of the sites seen, the field, the angle labels right
// of it and the bearing and compass labels below. The text size is the picture's; what does not
// fit a small picture is left out (first the site rows, then the compass points, then the key's
// figures) so that the field keeps most of the height and no label runs over another.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "horizon_chart.h"

namespace horizon {

// The chart's own words: the axes' and the key's titles with their units, the Exit box's.
inline constexpr const char* kKeyTitle = "Distance km";
inline constexpr const char* kAngleTitle = "Elevation °";
inline constexpr const char* kBearingTitle = "Bearing °";
inline constexpr const char* kExitText = "Exit";

// The field keeps at least this share of the picture's height while optional rows are dropped.
inline constexpr double kLeastFieldShare = 0.45;
// At most this many rows of site names.
inline constexpr int kMostSiteRows = 3;

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ChartLayout {
    int width = 0, height = 0;
    int textHeight = 0;  // one line of text
    int pad = 0;         // gap between neighbouring parts
    PixelBox field;      // bearings 0 ... 360 across, plot heights 100 ... 0 down

    // The band above the field: the key's title and bar, its figures below the bar, the angle
    // axis's title at the right, and in a window the Exit box at the far right.
    int keyRowTop = 0;
    bool keyShown = false;
    bool keyFiguresShown = false;
    PixelBox keyBar;
    int keyTitleLeft = 0;
    std::string keyTitle;
    std::vector<double> keyTicks_km;
    bool angleTitleShown = false;
    int angleTitleLeft = 0;
    bool exitShown = false;
    PixelBox exitBox;

    int siteRows = 0;
    int siteRowsTop = 0;  // the highest row's top; rows follow down to the field

    // Right of the field.
    int tickLength = 0;
    std::vector<double> angleTicks_deg;
    double angleStep_deg = 0;
    int angleLabelLeft = 0;

    // Below the field.
    int bearingRowTop = 0;
    bool compassShown = false;
    int compassRowTop = 0;
    int bearingTickStep = 15;
    int bearingLabelStep = 45;
};

// Lays the chart out on a picture of width x height pixels whose text is textHeight high and
// textWidth(text) wide, for the angle axis `scale`, a radius of radius_km, with room for
// siteRows rows of site names (at most kMostSiteRows) and an Exit box when withExit (a window,
// not a saved picture).
ChartLayout LayOutChart(int width, int height, int textHeight,
                        const std::function<int(std::string_view)>& textWidth,
                        const AngleScale& scale, double radius_km, int siteRows, bool withExit);

// The labels of one row of text, kept apart: Place refuses a label that would run off the row's
// span or over one already placed, and Reserve keeps a stretch free (a leader line through the
// row).
class RowPlacer {
  public:
    RowPlacer(int left, int right, int gap) : left_(left), right_(right), gap_(gap) {}
    bool Fits(int from, int to) const;
    bool Place(int from, int to);
    void Reserve(int from, int to) { taken_.push_back({from, to}); }

  private:
    struct Span {
        int from, to;
    };
    int left_, right_, gap_;
    std::vector<Span> taken_;
};

// The bearing (half-way between two labels step apart) nearest 180 at which a label of
// `width` pixels centred there fits the row; -1 when none does. pixelX maps bearings to pixels.
double PlaceBetweenLabels(const RowPlacer& row, int width, int step,
                          const std::function<double(double)>& pixelX);

}  // namespace horizon
