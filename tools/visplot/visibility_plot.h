// visplot's plot: the square window with the ground that is not seen left black, the terrain
// that the mast top sees painted in the colour of its elevation angle, and the click read-outs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "angle_palette.h"
#include "console/console.h"
#include "mastview/dialogue.h"
#include "mastview/plot_heights.h"
#include "mastview/sample_verdicts.h"
#include "plot/plot_window.h"
#include "terrain/no_data_mask.h"

namespace visplot {

inline constexpr int kWindowLeft_px = 400;
inline constexpr int kWindowTop_px = 0;

// "Viewable spots, centred on " + centre text + "   Mast height ###m".
std::string Caption(const mastview::MastView& view);

// The plot's user scale: x from 0 to 1.07 nLon across the plot and the strip right of it for the
// Exit control, y from 1.1 nLat at the top (the read-out strip) down to -0.03 nLat.
inline constexpr double kRightEdge = 1.07;  // times nLon
inline constexpr double kTopEdge = 1.1;     // times nLat
inline constexpr double kBottomEdge = -0.03;

// Sets `canvas`'s scale and georeference for the plot of `area`, the rightmost legendStrip_px
// pixels of the canvas left beyond the usual strip (for a legend): the plot keeps the pixels a
// canvas legendStrip_px narrower would give it.
void SetPlotFrame(plot::Canvas& canvas, const mastview::RadiusArea& area, int legendStrip_px = 0);

class VisibilityPlot {
  public:
    // Draws into `window`, the plot's own: square, or wider by legendStrip_px for a legend.
    VisibilityPlot(const mastview::MastView& view, plot::PlotWindow& window,
                   console::Console& console, int legendStrip_px = 0,
                   AnglePalette palette = AnglePalette::kClassic);

    // Scale (SetPlotFrame), the "Exit" control and the black field; shows the window.
    void DrawFrame();
    // The visibility sweep, painted straight into the image with about 40 repaints.
    void Sweep(const mastview::PlotHeights& heights);
    // Paints the samples within the radius that have no height data in plot::kNoDataColour,
    // whatever the sweep made of them (their ground read 0 m).
    void ShowNoData(const terrain::NoDataMask& noData);
    // Whether the last Sweep saw plot sample (x, y); false before any sweep.
    bool Seen(int x, int y) const;
    // The share (0 ... 1) of the samples within the radius that the last Sweep saw, of those with
    // height data only: ground without heights is drawn grey, so counting what the sweep made
    // of it would contradict the picture.
    double SeenShare(const terrain::NoDataMask& noData) const;
    // What makes the picture a map: the key of the angles (with a legend strip), the range rings
    // with their distances, the sites of `sitesFile` within the radius with their names, a north
    // arrow and the centre marker.
    void DrawFurniture(const std::string& sitesFile, bool angleKey);
    // A click that is not Exit: a single click reads out the clicked point, a double click
    // marks the site nearest to it.
    void OnClick(const plot::Click& click);

    // The pixels a plot column or row covers.
    struct Span {
        int first = 0, last = -1;
    };

  private:
    std::vector<Span> ColumnSpans() const;
    std::vector<Span> RowSpans() const;

    void ReadOut(double x, double y);
    void MarkNearestSite(double x, double y);

    const mastview::MastView& view_;
    std::optional<mastview::SampleVerdicts> verdicts_;  // of the last sweep
    plot::PlotWindow& window_;
    plot::Canvas& canvas_;  // the window's picture
    console::Console& console_;
    bool secondLineShown_ = false;  // the last read-out was split onto the top strip
    int readOutLeft_ = -1;          // first pixel column of the read-out below the plot; -1: none
    int legendStrip_px_ = 0;
    AnglePalette palette_;
};

// The pixels a window of size_px must add right of the plot for the key of the angles.
int AngleKeyStripPx(AnglePalette palette, int size_px);

// The distance between range rings for a plot of radius_km: the largest 1, 2 or 5 × 10^n km that
// is at most a third of the radius, so that a plot has three to six rings.
double RingStep_km(double radius_km);

// The title strip of visplot's pictures: "visplot: ..." round the centre, and the radius, mast
// and K with `results` after them.
std::vector<std::string> TitleLines(const mastview::MastView& view, const std::string& what,
                                    const std::string& results);

}  // namespace visplot
