// The profile window: draws one path's profile with its grid, masts and line of sight, and
// serves the clicks on it until the user leaves through "Exit" or presses a key after a click.
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>

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

// Pen width of the masts, pixels.
inline constexpr int kMastPen_px = 4;

enum class ProfileEnd {
    kExit,  // "Exit" clicked: the window is closed
    kKey,   // a key after a click: the window stays open
};

// Where a click read-out goes, in pixels (left and top inclusive, right and bottom exclusive):
// at the plot's top-left corner, above the terrain (the plot top is 1.2 times the highest
// sample) and left of the height labels. The nearest-site part follows the first part on the
// same line when both fit before the height labels' column, else it goes on a second line.
struct ReadOutBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool two_lines = false;
};
ReadOutBox PlaceClickReadOut(int plot_left_px, int plot_top_px, int height_labels_px, int first_px,
                             int nearest_px, int line_px);

class ProfileView {
  public:
    // `headless` makes it a headless run's window (console/headless.h), saved under its PNG name.
    ProfileView(std::string caption, Profile profile, EarthBulge bulge, double plot_top_m,
                PathSetup setup, const console::HeadlessOptions& headless = {});

    // Draws the whole profile (window, scale, Exit box, grid, terrain, the Fresnel zone when
    // there is a frequency, masts, line of sight) and shows it.
    void Draw();

    // The click read-out of one click: the locator, grid reference and height above ground
    // of the clicked point and the nearest site; a double click also draws the two-segment
    // path from the base mast top through the point to the distant mast top.
    void HandleClick(const plot::Click& click);

    // Serves clicks until the user leaves, waiting for each in the window's event loop.
    ProfileEnd ServeClicks(console::Console& console);

    plot::PlotWindow& Window() { return *window_; }
    // Hands the window over (one left open by a key stays on screen after the view is gone).
    std::unique_ptr<plot::PlotWindow> ReleaseWindow() { return std::move(window_); }
    const PlotLayout& Layout() const { return layout_; }
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

    Profile profile_;
    EarthBulge bulge_;
    ReadOutBox read_out_;                   // where the last click read-out was drawn
    std::optional<QImage> under_read_out_;  // what it covered
    PlotLayout layout_;
    PathSetup setup_;
    std::unique_ptr<plot::PlotWindow> window_;
};

// The text drawn for a click: " ", the locator, " = ", the grid reference, the height above
// ground, and the nearest site with its distance.
std::string ClickReadOutFirstPart(const std::string& locator, const std::string& grid_ref,
                                  double height_agl_m);
std::string ClickReadOutNearestPart(const std::string& site_name, double site_km);

}  // namespace pathprofile
