#include "profile_view.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "console/numbers.h"
#include "console/picture_mask.h"
#include "console/position_entry.h"
#include "fresnel_zone.h"
#include "grid_labels.h"
#include "plot/no_data.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {
namespace {

using plot::PenStyle;

// The pixel (row or column index) that holds a fractional pixel coordinate, kept well inside
// the int range for coordinates far outside the window.
int PixelIndex(double p) {
    constexpr double kFar = 1.0e8;
    if (!(p > -kFar)) return -static_cast<int>(kFar);  // NaN included
    if (p > kFar) return static_cast<int>(kFar);
    return static_cast<int>(std::floor(p));
}

// Height mask of the read-out: the clicked height with the earth bulge taken off.
constexpr std::string_view kHeightMask = "  ####.#m AGL  ";
// Nearest-site mask of the read-out: a 27-character name field and the distance in km.
const std::string kNearestMask = "Nearest site \\" + std::string(25, ' ') + "\\  ###.#km   ";

// Pixels between the plot's top-left corner and the click read-out.
constexpr int kReadOutMargin_px = 4;

}  // namespace

std::string ClickReadOutFirstPart(const std::string& locator, const std::string& grid_ref,
                                  double height_agl_m) {
    return " " + locator + " = " + grid_ref + console::FormatMask(kHeightMask, {height_agl_m});
}

std::string ClickReadOutNearestPart(const std::string& site_name, double site_km) {
    return console::FormatMask(kNearestMask, {site_name, site_km});
}

ReadOutBox PlaceClickReadOut(int plot_left_px, int plot_top_px, int height_labels_px, int first_px,
                             int nearest_px, int line_px) {
    ReadOutBox box;
    box.left = plot_left_px + kReadOutMargin_px;
    box.top = plot_top_px + kReadOutMargin_px;
    const int room = height_labels_px - kLabelGap_px - box.left;
    box.two_lines = first_px + nearest_px > room;
    box.right = box.left + (box.two_lines ? std::max(first_px, nearest_px) : first_px + nearest_px);
    box.bottom = box.top + (box.two_lines ? 2 : 1) * line_px;
    return box;
}

ProfileView::ProfileView(std::string caption, Profile profile, EarthBulge bulge, double plot_top_m,
                         PathSetup setup, const console::HeadlessOptions& headless)
    : profile_(std::move(profile)),
      bulge_(bulge),
      layout_(profile_.path_km, plot_top_m),
      setup_(std::move(setup)),
      window_(std::make_unique<plot::PlotWindow>(std::move(caption), kWindowLeft_px, kWindowTop_px,
                                                 kWindowWidth_px, kWindowHeight_px, headless)) {}

Point ProfileView::BaseMastTop() const {
    return {0.0, profile_.samples_m.front() + setup_.base_mast_m};
}

Point ProfileView::DistantMastTop() const {
    return {profile_.path_km, profile_.samples_m.back() + setup_.distant_mast_m};
}

void ProfileView::Draw() {
    plot::Canvas& canvas = window_->Picture();
    window_->DisableClose();
    canvas.SetScale(layout_.Left(), layout_.Top(), layout_.Right(), layout_.Bottom());
    DrawExitBox();
    DrawGrid();
    DrawTerrain();
    if (setup_.frequency_MHz) DrawFresnelZone(*setup_.frequency_MHz);
    DrawMastsAndSight();
    // Click paths are drawn dash-dot, one pixel wide.
    canvas.SetPen(PenStyle::kDashDot, 1);
    window_->Show();
    window_->Repaint();
}

void ProfileView::DrawExitBox() {
    plot::Canvas& canvas = window_->Picture();
    const Point c1 = layout_.ExitBoxCorner1();
    const Point c2 = layout_.ExitBoxCorner2();
    canvas.SetPen(PenStyle::kSolid, 1);
    canvas.Rectangle(c1.x, c1.y, c2.x, c2.y, console::kPureRed, console::kPureRed);
    const Point a1 = layout_.ExitCrossA1(), a2 = layout_.ExitCrossA2();
    const Point b1 = layout_.ExitCrossB1(), b2 = layout_.ExitCrossB2();
    canvas.Line(a1.x, a1.y, a2.x, a2.y, console::kBlack);
    canvas.Line(b1.x, b1.y, b2.x, b2.y, console::kBlack);
    const Point label = layout_.ExitLabel();
    canvas.SetTextColour(console::kBlack);
    canvas.SetPosition(label.x, label.y);
    canvas.Print("Exit");
    // A headless run leaves through the middle of the box.
    window_->SetExitPoint((c1.x + c2.x) / 2.0, (c1.y + c2.y) / 2.0);
}

void ProfileView::DrawGrid() {
    plot::Canvas& canvas = window_->Picture();
    const double d = profile_.path_km;
    canvas.SetPen(PenStyle::kDot, 1);
    for (double y : layout_.HeightGridLines_m()) canvas.Line(0.0, y, d, y, kGridGrey);
    for (double x : layout_.DistanceGridLines_km())
        canvas.Line(x, 0.0, x, layout_.Top(), kGridGrey);
    const GridLabels labels = ProfileGridLabels(canvas, layout_);
    for (const auto* group : {&labels.heights, &labels.distances}) {
        for (const GridLabel& label : *group) {
            canvas.SetPosition(label.at.x, label.at.y);
            canvas.Print(label.text);
        }
    }
}

void ProfileView::DrawTerrain() {
    // For each sample, in order: a green line from (x, 0) up to (x, bulge) and a brown one on
    // from there to (x, sample rounded to whole metres), one pixel wide (a sample without height
    // data: one grey line from (x, 0) to the top of the plot). A long path has up to a
    // hundred thousand samples, dozens to a pixel column, so the lines of one column are painted
    // into a column buffer first (later samples over earlier ones, as line drawing would) and
    // the buffer is then written into the image once.
    plot::Canvas& canvas = window_->Picture();
    canvas.FinishPainting();
    QImage& image = canvas.Image();
    const int width = image.width();
    const int height = image.height();
    const bool direct =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    std::uint32_t* const bits = direct ? reinterpret_cast<std::uint32_t*>(image.bits()) : nullptr;
    const std::size_t stride = static_cast<std::size_t>(image.bytesPerLine()) / 4;
    const std::uint32_t green = qRgb(kBulgeGreen.red, kBulgeGreen.green, kBulgeGreen.blue);
    const std::uint32_t brown = qRgb(kTerrainBrown.red, kTerrainBrown.green, kTerrainBrown.blue);
    const std::uint32_t grey =
        qRgb(plot::kNoDataColour.red, plot::kNoDataColour.green, plot::kNoDataColour.blue);

    std::vector<std::uint32_t> column_pixels(static_cast<std::size_t>(height), 0);  // 0: untouched
    int column = std::numeric_limits<int>::min();
    const auto paint = [&](int row_a, int row_b, std::uint32_t colour) {
        const int from = std::max(std::min(row_a, row_b), 0);
        const int to = std::min(std::max(row_a, row_b), height - 1);
        for (int row = from; row <= to; ++row)
            column_pixels[static_cast<std::size_t>(row)] = colour;
    };
    const auto flush = [&] {
        if (column >= 0 && column < width) {
            for (int row = 0; row < height; ++row) {
                const std::uint32_t colour = column_pixels[static_cast<std::size_t>(row)];
                if (colour == 0) continue;
                if (bits != nullptr) {
                    bits[static_cast<std::size_t>(row) * stride +
                         static_cast<std::size_t>(column)] = colour;
                } else {
                    image.setPixel(column, row, colour);
                }
            }
        }
        std::fill(column_pixels.begin(), column_pixels.end(), 0);
    };

    const int ground_row = PixelIndex(canvas.PixelY(0.0));
    const int plot_top_row = PixelIndex(canvas.PixelY(layout_.Top()));
    for (std::size_t i = 0; i < profile_.samples_m.size(); ++i) {
        const int sample_column = PixelIndex(canvas.PixelX(profile_.distance_km[i]));
        if (sample_column != column) {
            flush();
            column = sample_column;
        }
        const int bulge_row = PixelIndex(canvas.PixelY(profile_.bulge_m[i]));
        const int top_row =
            PixelIndex(canvas.PixelY(console::RoundHalfEven(profile_.samples_m[i])));
        // Without height data the ground reads 0 m: drawn as such its column would show the
        // sea's bulge alone. Its column is grey to the top of the plot instead: whatever stands
        // there is unknown, and the line of sight and the zone are drawn over it.
        if (i < profile_.no_data.size() && profile_.no_data[i]) {
            paint(ground_row, plot_top_row, grey);
            continue;
        }
        paint(ground_row, bulge_row, green);
        paint(bulge_row, top_row, brown);
    }
    flush();
    canvas.SetPosition(profile_.distance_km.back(),
                       console::RoundHalfEven(profile_.samples_m.back()));
}

void ProfileView::DrawFresnelZone(double frequency_MHz) {
    // Under the masts and the line of sight, which stay on top.
    plot::Canvas& canvas = window_->Picture();
    const SightLine line = LineOfSight(profile_, setup_.base_mast_m, setup_.distant_mast_m);
    const double wavelength_m = radiolink::Wavelength_m(frequency_MHz);
    const auto polyline = [&canvas](const std::vector<Point>& points, console::Rgb colour) {
        for (std::size_t k = 1; k < points.size(); ++k)
            canvas.Line(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y, colour);
    };
    canvas.SetPen(PenStyle::kDash, 1);
    for (double side : {1.0, -1.0})
        polyline(FresnelZoneBound(line, wavelength_m, side), kFresnelBlue);
    canvas.SetPen(PenStyle::kDot, 1);
    for (double side : {kClearZoneFraction, -kClearZoneFraction})
        polyline(FresnelZoneBound(line, wavelength_m, side), kFresnel60Blue);
}

void ProfileView::DrawMastsAndSight() {
    plot::Canvas& canvas = window_->Picture();
    const Point base_top = BaseMastTop();
    const Point distant_top = DistantMastTop();
    canvas.SetPen(PenStyle::kSolid, kMastPen_px);
    canvas.Line(0.0, profile_.samples_m.front(), base_top.x, base_top.y, kMastRed);
    canvas.Line(profile_.path_km, profile_.samples_m.back(), distant_top.x, distant_top.y,
                kMastRed);
    canvas.SetPen(PenStyle::kDot, 1);
    canvas.Line(base_top.x, base_top.y, distant_top.x, distant_top.y, kSightGreen);
}

void ProfileView::HandleClick(const plot::Click& click) {
    plot::Canvas& canvas = window_->Picture();
    const LatLon p = DestinationPoint(setup_.base, setup_.bearing_deg, click.x);
    const std::string locator = geodesy::FormatLocatorRounded({p.lat_deg, p.lon_deg});
    const std::string grid_ref = geodesy::FormatGridRef10m({p.lat_deg, p.lon_deg});
    const double bulge_m = bulge_.At_m(click.x);

    if (click.kind == plot::ClickKind::kDouble) {
        const Point base_top = BaseMastTop();
        const Point distant_top = DistantMastTop();
        canvas.SetPen(PenStyle::kDashDot, 1);
        canvas.Line(base_top.x, base_top.y, click.x, click.y, kClickMagenta);
        canvas.Line(click.x, click.y, distant_top.x, distant_top.y, kClickMagenta);
    }

    std::string site_name;
    double site_km = 0.0;
    if (const auto nearest = console::NearestSite(p.lat_deg, p.lon_deg, setup_.sites_path)) {
        site_name = nearest->name;
        site_km = nearest->distance_km;
    }
    const std::string first = ClickReadOutFirstPart(locator, grid_ref, click.y - bulge_m);
    const std::string nearest = ClickReadOutNearestPart(site_name, site_km);
    const int line_px = canvas.TextHeightPx();
    const ReadOutBox box =
        PlaceClickReadOut(canvas.PixelColumn(layout_.Left()), canvas.PixelRow(layout_.Top()),
                          canvas.PixelColumn(layout_.HeightLabel(0.0).x), canvas.TextWidthPx(first),
                          canvas.TextWidthPx(nearest), line_px);
    // The last read-out gives way to what it covered, then what the new one covers is kept.
    canvas.FinishPainting();
    QImage& image = canvas.Image();
    if (under_read_out_) {
        QPainter restore(&image);
        restore.drawImage(read_out_.left, read_out_.top, *under_read_out_);
    }
    read_out_ = box;
    read_out_.right = std::min(read_out_.right, image.width());
    read_out_.bottom = std::min(read_out_.bottom, image.height());
    under_read_out_ = image.copy(read_out_.left, read_out_.top, read_out_.right - read_out_.left,
                                 read_out_.bottom - read_out_.top);
    canvas.SetPosition(canvas.UserX(box.left + 0.5), canvas.UserY(box.top + 0.5));
    canvas.Print(first);
    if (box.two_lines)
        canvas.SetPosition(canvas.UserX(box.left + 0.5), canvas.UserY(box.top + line_px + 0.5));
    canvas.PrintLine(nearest);
}

ProfileEnd ProfileView::ServeClicks(console::Console& console) {
    for (;;) {
        if (window_->IsClosed()) return ProfileEnd::kExit;
        const plot::Click click = window_->PollClick();
        if (click.kind == plot::ClickKind::kNone) {
            window_->WaitForClick();
            continue;
        }
        if (layout_.IsExitClick(click.x, click.y)) {
            console.BringToFront();
            window_->Close();
            return ProfileEnd::kExit;
        }
        HandleClick(click);
        window_->Repaint();
        // Keys count only after a click: one typed in the window leaves it open.
        if (window_->PollKey()) return ProfileEnd::kKey;
    }
}

}  // namespace pathprofile
