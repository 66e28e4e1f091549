// The profile window: draws one path's profile with its title strip, grid, masts, line of sight
// and worst clearance, and serves the clicks on it until the user leaves through "Exit" or presses
// a key after a click.
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clearance_mark.h"
#include "console/console.h"
#include "path_geometry.h"
#include "plot/plot_window.h"
#include "plot_layout.h"
#include "profile.h"

namespace pathprofile {

// What the window needs to know of the path besides its samples.
struct PathSetup {
    LatLon base;
    double bearing_deg = 0.0;  // initial bearing from the base
    double base_mast_m = 2.0;  // mast heights above ground
    double distant_mast_m = 2.0;
    std::string sites_path;               // folder of the site database, for the nearest site
    std::optional<double> frequency_MHz;  // with a frequency the first Fresnel zone is drawn
    std::vector<std::string> title;       // the lines of the title strip (profile_title.h)
};

// Colours of the profile plot.
inline constexpr console::Rgb kGridGrey{200, 200, 200};
inline constexpr console::Rgb kBulgeGreen{0, 200, 0};
inline constexpr console::Rgb kTerrainBrown{200, 100, 20};
inline constexpr console::Rgb kMastRed{255, 0, 0};
inline constexpr console::Rgb kSightGreen{50, 80, 0};
inline constexpr console::Rgb kClickMagenta{200, 0, 200};
// The first Fresnel zone's bounds (dashed) and its 60 % line (dotted).
inline constexpr console::Rgb kFresnelBlue{0, 0, 255};
inline constexpr console::Rgb kFresnel60Blue{0, 150, 255};
// The worst clearance's tick and triangle: a red darker than the masts', so the two stay apart.
inline constexpr console::Rgb kMarkRed{210, 0, 0};
// Behind the mark's label, so it reads over the ground and the grid.
inline constexpr console::Rgb kLabelBackground = console::kWhite;

// Pen widths of the masts and of the worst clearance's tick, and the height of its triangle,
// pixels.
inline constexpr int kMastPen_px = 4;
inline constexpr int kMarkPen_px = 2;
inline constexpr int kMarkTriangle_px = 6;

enum class ProfileEnd {
    kExit,  // "Exit" clicked: the window is closed
    kKey,   // a key after a click: the window stays open
};

// Where a click read-out goes, in pixels (left and top inclusive, right and bottom exclusive):
// at the plot's top-left corner, in the rows kept above the axis (ReadOutRows), and left of the
// height labels. The nearest-site part follows the first part on the same line when both fit
// before the height labels' column, else it goes on a second line.
struct ReadOutBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool two_lines = false;
};
ReadOutBox PlaceClickReadOut(int plot_left_px, int plot_top_px, int height_labels_px, int first_px,
                             int nearest_px, int line_px);

// The pixel rows one line of the window's text takes on `canvas` (its scale is reset: measure
// before drawing).
int MeasureLineHeightPx(plot::Canvas& canvas);

// The rows of the window kept above and below the height axis for text lines line_px tall: above,
// a two-line read-out with its margins; below, the distance labels.
AxisRows ReadOutRows(int line_px);

// The heights the profile's axis must show: the ground of every sample with height data (the
// samples rounded to whole metres, as drawn) and both mast tops; the axis fitted to them.
HeightAxis ProfileHeightAxis(const Profile& profile, double base_mast_m, double distant_mast_m);

class ProfileView {
  public:
    // `headless` makes it a headless run's window (console/headless.h), saved under its PNG name.
    ProfileView(std::string caption, Profile profile, EarthBulge bulge, PathSetup setup,
                const console::HeadlessOptions& headless = {});

    // Draws the whole profile (title strip, scale, Exit box on the screen, grid, terrain, the
    // Fresnel zone when there is a frequency, masts, line of sight, worst clearance) and shows
    // it.
    void Draw();

    // The click read-out of one click: the locator, grid reference and height above sea level
    // of the clicked point and the nearest site; a double click also draws the two-segment
    // path from the base mast top through the point to the distant mast top.
    void HandleClick(const plot::Click& click);

    // Serves clicks until the user leaves, waiting for each in the window's event loop.
    ProfileEnd ServeClicks(console::Console& console);

    plot::PlotWindow& Window() { return *window_; }
    // Hands the window over (one left open by a key stays on screen after the view is gone).
    std::unique_ptr<plot::PlotWindow> ReleaseWindow() { return std::move(window_); }
    const PlotLayout& Layout() const { return layout_; }
    // The worst clearances as marked, and where their labels went (after Draw).
    const std::vector<ClearanceMark>& Marks() const { return marks_; }
    const std::vector<PixelBox>& MarkLabels() const { return mark_labels_; }
    // Where the last click read-out was drawn (all 0 before the first click).
    const ReadOutBox& LastReadOut() const { return read_out_; }
    // The two mast tops: (0, first sample + base mast) and (D, last sample + distant mast).
    Point BaseMastTop() const;
    Point DistantMastTop() const;

  private:
    void DrawExitBox();
    void DrawGrid();
    void DrawTerrain();
    void DrawFresnelZone(double frequency_MHz);
    void DrawMastsAndSight();
    void DrawWorstClearance();

    Profile profile_;
    EarthBulge bulge_;
    ReadOutBox read_out_;                   // where the last click read-out was drawn
    std::optional<QImage> under_read_out_;  // what it covered
    PathSetup setup_;
    std::unique_ptr<plot::PlotWindow> window_;
    PlotLayout layout_;  // after the window: its rows are measured with the window's font
    std::vector<ClearanceMark> marks_;
    std::vector<PixelBox> mark_labels_;
};

// The text drawn for a click: " ", the locator, " = ", the grid reference, the height above sea
// level (the clicked height less the earth bulge there), and the nearest site with its distance.
std::string ClickReadOutFirstPart(const std::string& locator, const std::string& grid_ref,
                                  double height_asl_m);
std::string ClickReadOutNearestPart(const std::string& site_name, double site_km);

}  // namespace pathprofile
