// horizon's plot: the horizon over bearings 0 ... 360 as a line, the ground below it shaded by
// its distance, the sites seen named at their bearings, the fitted angle axis, the bearings and
// the distance key, with a title strip that says what the picture shows.
#pragma once

#include <string>
#include <vector>

#include "console/console.h"
#include "horizon_chart.h"
#include "horizon_layout.h"
#include "horizon_rays.h"
#include "horizon_sites.h"
#include "mastview/dialogue.h"
#include "plot/plot_window.h"

namespace horizon {

inline constexpr int kWindowLeft_px = 100;
inline constexpr int kWindowTop_px = 10;

// "Horizon Viw from " + centre text + "   Mast height ###m".
std::string Caption(const mastview::MastView& view);

// Client size of the window for a configured WindowSize: 1.4 and 0.667 times it, rounded.
int WindowWidth_px(int windowSize);
int WindowHeight_px(int windowSize);

// The title strip: the tool and the site with its position and ground, the mast, radius and K,
// and the horizon's range with the number of sites seen of those within the radius.
std::vector<std::string> TitleLines(const mastview::MastView& view, const HorizonSweep& sweep,
                                    int sitesSeen, int sitesWithin);

// What a click on bearing_deg reads out on the console: the bearing of the ray there, the
// horizon's angle and distance and where that ground is (grid reference, latitude/longitude).
std::string ClickReadOut(const mastview::MastView& view, const HorizonSweep& sweep,
                         double bearing_deg);

class HorizonPlot {
  public:
    HorizonPlot(const mastview::MastView& view, plot::PlotWindow& window);

    // Shows the (empty) window while the sweep runs; its close command does nothing.
    void ShowWindow();
    // The whole chart for `sweep`, naming the sites of `sites` that are seen and lie within the
    // angle axis; shows it.
    void Draw(const HorizonSweep& sweep, const std::vector<ChartSite>& sites);
    // A click that is not Exit: its read-out on the console and a mark on the horizon there.
    void OnClick(const plot::Click& click, console::Console& console);
    bool IsExitClick(double x, double y) const;

    const ChartLayout& Layout() const { return layout_; }
    const AngleScale& Scale() const { return scale_; }

  private:
    void SetScaleToField();
    void DrawGround();
    void DrawHorizonLine();
    void DrawAxes();
    void DrawKey();
    void DrawSites(std::vector<const ChartSite*> seen);
    void PrintAt(int left_px, int top_px, const std::string& text);

    const mastview::MastView& view_;
    plot::PlotWindow& window_;
    plot::Canvas& canvas_;  // the window's picture
    const HorizonSweep* sweep_ = nullptr;
    AngleScale scale_;
    ChartLayout layout_;
};

// The click loop: every click but one in the Exit box is read out; the Exit box brings the
// console to the front and closes the window. Keys are not looked at (they are drained).
void ServeClicks(HorizonPlot& plot, plot::PlotWindow& window, console::Console& console);

}  // namespace horizon
