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
#include "ground_columns.h"
#include "plot/no_data.h"
#include "radiolink/radio_propagation.h"
#include "segment_clip.h"

namespace pathprofile {
namespace {

using plot::PenStyle;

// Height mask of the read-out: the clicked height with the earth bulge taken off, which is its
// height above sea level (the ground of a sample is its height less the bulge).
constexpr std::string_view kHeightMask = "  ####.#m ASL  ";
// Nearest-site mask of the read-out: a 27-character name field and the distance in km.
const std::string kNearestMask = "Nearest site \\" + std::string(25, ' ') + "\\  ###.#km   ";

// Pixels between the plot's top-left corner and the click read-out.
constexpr int kReadOutMargin_px = 4;
// Lines of the click read-out at its longest.
constexpr int kReadOutLines = 2;

}  // namespace

int MeasureLineHeightPx(plot::Canvas& canvas) {
    // Measured on a scale of one unit to the pixel, y upwards as the plot has it.
    canvas.SetScale(0.0, canvas.HeightPx(), canvas.WidthPx(), 0.0);
    return canvas.TextHeightPx();
}

std::string ClickReadOutFirstPart(const std::string& locator, const std::string& grid_ref,
                                  double height_asl_m) {
    return " " + locator + " = " + grid_ref + console::FormatMask(kHeightMask, {height_asl_m});
}

AxisRows ReadOutRows(int line_px) {
    return {2 * kReadOutMargin_px + kReadOutLines * line_px, line_px + 2 * kLabelGap_px};
}

HeightAxis ProfileHeightAxis(const Profile& profile, double base_mast_m, double distant_mast_m) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto take = [&](double y) {
        low = std::min(low, y);
        high = std::max(high, y);
    };
    for (std::size_t i = 0; i < profile.samples_m.size(); ++i) {
        // Without height data the ground is unknown (read as 0 m): it is drawn grey over the
        // whole axis, and would only pull the axis down to sea level.
        if (i < profile.no_data.size() && profile.no_data[i]) continue;
        take(console::RoundHalfEven(profile.samples_m[i]));
    }
    if (!profile.samples_m.empty()) {
        const SightLine line = LineOfSight(profile, base_mast_m, distant_mast_m);
        take(line.start_m);
        take(line.end_m);
    }
    return FitHeightAxis(low, high);
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

ProfileView::ProfileView(std::string caption, Profile profile, EarthBulge bulge, PathSetup setup,
                         const console::HeadlessOptions& headless)
    : profile_(std::move(profile)),
      bulge_(bulge),
      setup_(std::move(setup)),
      window_(std::make_unique<plot::PlotWindow>(std::move(caption), kWindowLeft_px, kWindowTop_px,
                                                 kWindowWidth_px, kWindowHeight_px, headless)),
      layout_(profile_.path_km,
              ProfileHeightAxis(profile_, setup_.base_mast_m, setup_.distant_mast_m),
              ReadOutRows(MeasureLineHeightPx(window_->Picture())), kWindowHeight_px) {
    std::optional<double> wavelength_m;
    if (setup_.frequency_MHz) wavelength_m = radiolink::Wavelength_m(*setup_.frequency_MHz);
    if (!profile_.samples_m.empty())
        marks_ =
            WorstClearanceMarks(profile_, setup_.base_mast_m, setup_.distant_mast_m, wavelength_m);
}

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
    canvas.SetTitleStrip(setup_.title);
    DrawExitBox();
    DrawGrid();
    DrawTerrain();
    if (setup_.frequency_MHz) DrawFresnelZone(*setup_.frequency_MHz);
    DrawMastsAndSight();
    DrawWorstClearance();
    // Click paths are drawn dash-dot, one pixel wide.
    canvas.SetPen(PenStyle::kDashDot, 1);
    window_->Show();
    window_->Repaint();
}

void ProfileView::DrawExitBox() {
    plot::Canvas& canvas = window_->Picture();
    const Point c1 = layout_.ExitBoxCorner1();
    const Point c2 = layout_.ExitBoxCorner2();
    // A headless run leaves through the middle of the box; its saved picture has no box, which
    // would mean nothing there.
    window_->SetExitPoint((c1.x + c2.x) / 2.0, (c1.y + c2.y) / 2.0);
    if (window_->IsHeadless()) return;
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
}

void ProfileView::DrawGrid() {
    plot::Canvas& canvas = window_->Picture();
    const double d = profile_.path_km;
    const HeightAxis& axis = layout_.Axis();
    canvas.SetPen(PenStyle::kDot, 1);
    for (double y : layout_.HeightGridLines_m()) canvas.Line(0.0, y, d, y, kGridGrey);
    for (double x : layout_.DistanceGridLines_km())
        canvas.Line(x, axis.bottom_m, x, axis.top_m, kGridGrey);
    const GridLabels labels = ProfileGridLabels(canvas, layout_, !window_->IsHeadless());
    canvas.SetTextColour(console::kBlack);
    for (const auto* group : {&labels.heights, &labels.distances}) {
        for (const GridLabel& label : *group) {
            canvas.SetPosition(canvas.UserX(label.left + 0.5), canvas.UserY(label.top + 0.5));
            canvas.Print(label.text);
        }
    }
}

void ProfileView::DrawTerrain() {
    // Every pixel column from the base to the distant site, from the foot of the axis: green up
    // to the earth bulge, brown from there to the ground (ground_columns.h). A column without
    // height data is grey over the whole axis instead: whatever stands there is unknown, and
    // the line of sight and the zone are drawn over it.
    plot::Canvas& canvas = window_->Picture();
    canvas.FinishPainting();
    const int foot_row = AxisFootRow(canvas, layout_);
    const int top_row = canvas.PixelRow(layout_.Axis().top_m);
    // Rows are kept to the axis: ground at its foot (the sea, when the axis starts at 0) shows
    // as the foot row rather than not at all.
    const auto fill = [&](int column, int row_a, int row_b, console::Rgb colour) {
        const int a = std::clamp(row_a, top_row, foot_row);
        const int b = std::clamp(row_b, top_row, foot_row);
        canvas.FillPixels(column, std::min(a, b), column, std::max(a, b), colour);
    };
    for (const GroundColumn& column : GroundColumns(profile_, canvas.Transform())) {
        if (column.no_data) {
            fill(column.column, foot_row, top_row, plot::kNoDataColour);
            continue;
        }
        const int bulge_row = canvas.PixelRow(column.bulge_m);
        fill(column.column, foot_row, bulge_row, kBulgeGreen);
        fill(column.column, bulge_row, canvas.PixelRow(column.top_m), kTerrainBrown);
    }
    canvas.SetPosition(profile_.distance_km.back(),
                       console::RoundHalfEven(profile_.samples_m.back()));
}

void ProfileView::DrawFresnelZone(double frequency_MHz) {
    // Under the masts and the line of sight, which stay on top.
    plot::Canvas& canvas = window_->Picture();
    const SightLine line = LineOfSight(profile_, setup_.base_mast_m, setup_.distant_mast_m);
    const double wavelength_m = radiolink::Wavelength_m(frequency_MHz);
    // The zone is kept to the plot: below the axis it would run over the distance labels.
    const PlotBox plot{0.0, layout_.Axis().bottom_m, profile_.path_km, layout_.Axis().top_m};
    const auto polyline = [&](const std::vector<Point>& points, console::Rgb colour) {
        for (std::size_t k = 1; k < points.size(); ++k) {
            if (const auto part = ClipSegment(points[k - 1], points[k], plot))
                canvas.Line(part->first.x, part->first.y, part->second.x, part->second.y, colour);
        }
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

void ProfileView::DrawWorstClearance() {
    // At each worst sample: a tick from the ground up (or down) to the line of sight, a triangle
    // pointing down at the ground there, and the clearance beside them.
    plot::Canvas& canvas = window_->Picture();
    const int line_px = canvas.TextHeightPx();
    // On the plot: between the base and the height labels, below the read-out's rows and above
    // the distance labels.
    const PixelBox room{canvas.PixelColumn(0.0), canvas.PixelRow(layout_.Axis().top_m),
                        HeightLabelColumn(canvas, layout_) - kLabelGap_px,
                        AxisFootRow(canvas, layout_) + 1};
    for (const ClearanceMark& mark : marks_) {
        canvas.SetPen(PenStyle::kSolid, kMarkPen_px);
        canvas.Line(mark.at_km, mark.ground_m, mark.at_km, mark.sight_m, kMarkRed);
        canvas.FinishPainting();
        const int column = canvas.PixelColumn(mark.at_km);
        const int ground_row = canvas.PixelRow(mark.ground_m);
        for (int k = 0; k < kMarkTriangle_px; ++k) {
            const int row = ground_row - 1 - k;
            canvas.FillPixels(column - k / 2 - 1, row, column + k / 2 + 1, row, kMarkRed);
        }
    }
    // The labels after all the ticks, so that no tick runs over a label; in the sky where they
    // can be, so that they hide no ground.
    std::vector<int> ground_top_rows;
    for (const GroundColumn& column : GroundColumns(profile_, canvas.Transform())) {
        const std::size_t k = static_cast<std::size_t>(std::max(0, column.column - room.left));
        if (ground_top_rows.size() <= k) ground_top_rows.resize(k + 1, room.bottom);
        ground_top_rows[k] = column.no_data ? room.top : canvas.PixelRow(column.top_m);
    }
    mark_labels_.clear();
    for (const ClearanceMark& mark : marks_) {
        const int column = canvas.PixelColumn(mark.at_km);
        const int ground_row = canvas.PixelRow(mark.ground_m);
        const int sight_row = canvas.PixelRow(mark.sight_m);
        const PixelBox box =
            PlaceMarkLabel(column, std::min(ground_row - kMarkTriangle_px, sight_row),
                           std::max(ground_row, sight_row), canvas.TextWidthPx(mark.text), line_px,
                           room, mark_labels_, ground_top_rows);
        mark_labels_.push_back(box);
        canvas.SetTextColour(kMarkRed);
        canvas.SetTextBackground(kLabelBackground);
        canvas.SetPosition(canvas.UserX(box.left + 0.5), canvas.UserY(box.top + 0.5));
        canvas.Print(mark.text);
        canvas.SetTextBackground(std::nullopt);
        canvas.SetTextColour(console::kBlack);
    }
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
                          HeightLabelColumn(canvas, layout_), canvas.TextWidthPx(first),
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
