#include "horizon_plot.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "console/numbers.h"
#include "console/picture_mask.h"
#include "geodesy/national_grid.h"
#include "plot/no_data.h"
#include "plot/place_text.h"

namespace horizon {

namespace {

constexpr console::Rgb kAxisColour{0, 0, 0};
constexpr console::Rgb kTickColour{0, 0, 255};
constexpr console::Rgb kCaptionTeal{0, 60, 60};
constexpr console::Rgb kRed{255, 0, 0};
constexpr console::Rgb kSiteColour{150, 0, 0};
constexpr console::Rgb kClickMarkColour{255, 0, 0};

// "54.4543°N 3.2117°W".
std::string LatLongText(double lat_deg, double lon_deg) {
    return Fixed(std::fabs(lat_deg), 4) + (lat_deg < 0 ? "°S " : "°N ") +
           Fixed(std::fabs(lon_deg), 4) + (lon_deg < 0 ? "°W" : "°E");
}

}  // namespace

std::string Caption(const mastview::MastView& view) {
    return "Horizon Viw from " + view.centre.text +
           console::FormatMask(mastview::kMastCaptionMask, {view.mast_m});
}

int WindowWidth_px(int windowSize) {
    return console::RoundToInt(console::Single(1.4f) * windowSize);
}

int WindowHeight_px(int windowSize) {
    return console::RoundToInt(console::Single(0.667f) * windowSize);
}

std::vector<std::string> TitleLines(const mastview::MastView& view, const HorizonSweep& sweep,
                                    int sitesSeen, int sitesWithin) {
    // The title wraps at spaces: a figure and its unit stay together.
    const std::string where =
        "horizon from " +
        plot::PlaceText(view.centre.text, view.centre.latitude_deg, view.centre.longitude_deg) +
        "  ground\u00A0" + std::to_string(view.ground_m) + "\u00A0m";
    const std::string parameters = "mast " + Shortest(view.mast_m) + " m   radius " +
                                   Shortest(view.area.radius_km) + " km   K " +
                                   Shortest(view.kFactor);
    std::vector<std::string> lines{where, parameters};
    if (sweep.rays.empty()) return lines;
    double nearest = sweep.radius_km, farthest = 0;
    bool noData = false;
    for (const RayHorizon& ray : sweep.rays) {
        nearest = std::min(nearest, sweep.Distance_km(ray));
        farthest = std::max(farthest, sweep.Distance_km(ray));
        noData = noData || ray.noData;
    }
    std::string result = "horizon " + Fixed(sweep.LowestHorizon_rad() * console::kDegPerRad, 2) +
                         "° to " + Fixed(sweep.HighestHorizon_rad() * console::kDegPerRad, 2) +
                         "°, " + Fixed(nearest, 1) + " to " + Fixed(farthest, 1) + " km away   " +
                         std::to_string(sitesSeen) + " of " + std::to_string(sitesWithin) +
                         (sitesWithin == 1 ? " site" : " sites") + " within the radius seen";
    if (noData) result += "   grey: no height data";
    lines.push_back(result);
    return lines;
}

std::string ClickReadOut(const mastview::MastView& view, const HorizonSweep& sweep,
                         double bearing_deg) {
    if (sweep.rays.empty()) return {};
    const RayHorizon& ray = sweep.Nearest(bearing_deg);
    const double lat = view.area.LatOf(ray.y), lon = view.area.LonOf(ray.x);
    std::string text = "Bearing " + Fixed(ray.bearing_deg, 1) + "°  horizon " +
                       Fixed(ray.angle_rad * console::kDegPerRad, 3) + "° at " +
                       Fixed(sweep.Distance_km(ray), 2) + " km  " +
                       geodesy::FormatGridRef10m({lat, lon}) + "  " + LatLongText(lat, lon);
    if (ray.noData) text += "  (no height data there)";
    return text;
}

HorizonPlot::HorizonPlot(const mastview::MastView& view, plot::PlotWindow& window)
    : view_(view), window_(window), canvas_(window.Picture()) {}

void HorizonPlot::ShowWindow() {
    // Where and with what, while the sweep runs; Draw adds what it found.
    canvas_.SetTitleStrip(TitleLines(view_, HorizonSweep{}, 0, 0));
    window_.DisableClose();
    window_.Show();
    window_.Repaint();
}

bool HorizonPlot::IsExitClick(double x, double y) const {
    if (!layout_.exitShown && !window_.IsHeadless()) return false;
    const PixelBox& b = layout_.exitBox;
    const double px = canvas_.PixelX(x), py = canvas_.PixelY(y);
    return px >= b.left && px < b.right && py >= b.top && py < b.bottom;
}

void HorizonPlot::SetScaleToField() {
    const PixelBox& f = layout_.field;
    const double unitsPerPxX = 360.0 / f.Width(), unitsPerPxY = kFieldHeight / f.Height();
    const double x1 = -f.left * unitsPerPxX, y1 = kFieldHeight + f.top * unitsPerPxY;
    canvas_.SetScale(x1, y1, x1 + layout_.width * unitsPerPxX, y1 - layout_.height * unitsPerPxY);
}

void HorizonPlot::PrintAt(int left_px, int top_px, const std::string& text) {
    canvas_.SetPosition(canvas_.UserX(left_px + 0.5), canvas_.UserY(top_px + 0.5));
    canvas_.Print(text);
}

void HorizonPlot::Draw(const HorizonSweep& sweep, const std::vector<ChartSite>& sites) {
    sweep_ = &sweep;
    scale_ = sweep.rays.empty()
                 ? FitAngleScale(0, 0)
                 : FitAngleScale(sweep.LowestHorizon_rad(), sweep.HighestHorizon_rad());
    // Named: the sites seen whose ground lies within the angle axis (below it, the site's
    // mark would sit on the field's edge at an angle it does not have).
    std::vector<const ChartSite*> named;
    for (const ChartSite& s : sites)
        if (s.seen && s.angle_rad >= scale_.low_rad) named.push_back(&s);
    const auto seen =
        std::count_if(sites.begin(), sites.end(), [](const ChartSite& s) { return s.seen; });
    canvas_.SetTitleStrip(
        TitleLines(view_, sweep, static_cast<int>(seen), static_cast<int>(sites.size())));
    // Laid out in pixels before the scale is set: the text's height is then its pixel rows.
    canvas_.SetScale(0, canvas_.HeightPx(), canvas_.WidthPx(), 0);
    layout_ = LayOutChart(
        canvas_.WidthPx(), canvas_.HeightPx(), canvas_.TextHeightPx(),
        [this](std::string_view text) { return canvas_.TextWidthPx(text); }, scale_,
        view_.area.radius_km, static_cast<int>(named.size()), !window_.IsHeadless());
    SetScaleToField();
    // A headless run leaves through a click at the Exit point, whether or not a box is drawn.
    if (!layout_.exitShown) {
        const int w = canvas_.TextWidthPx(kExitText) + 2 * layout_.pad;
        layout_.exitBox = {layout_.width - layout_.pad - w, layout_.keyRowTop,
                           layout_.width - layout_.pad, layout_.keyRowTop + layout_.textHeight};
    }
    const PixelBox& e = layout_.exitBox;
    window_.SetExitPoint(canvas_.UserX((e.left + e.right) / 2.0),
                         canvas_.UserY((e.top + e.bottom) / 2.0));

    canvas_.FinishPainting();
    canvas_.FillPixels(0, 0, layout_.width - 1, layout_.height - 1, console::kWhite);
    const PixelBox& f = layout_.field;
    canvas_.FillPixels(f.left, f.top, f.right - 1, f.bottom - 1, kSkyColour);
    DrawGround();
    DrawHorizonLine();
    DrawAxes();
    DrawKey();
    DrawSites(named);
    if (layout_.exitShown) {
        canvas_.Rectangle(canvas_.UserX(e.left), canvas_.UserY(e.top), canvas_.UserX(e.right - 1),
                          canvas_.UserY(e.bottom - 1), kRed, kRed);
        canvas_.SetTextColour(console::kWhite);
        canvas_.SetTextBackground(std::nullopt);
        PrintAt(e.left + layout_.pad, e.top, kExitText);
    }
    canvas_.SetTextColour(console::kBlack);
    canvas_.SetTextBackground(console::kWhite);
    window_.Repaint();
}

void HorizonPlot::DrawGround() {
    const HorizonSweep& sweep = *sweep_;
    if (sweep.rays.empty()) return;
    const PixelBox& f = layout_.field;
    canvas_.FinishPainting();
    const auto angleAtRow = [&](int py) {
        return scale_.DegreesAt(canvas_.UserY(py + 0.5)) / console::kDegPerRad;
    };
    std::size_t next = 0;  // the first ray at or beyond the column's left edge
    for (int px = f.left; px < f.right; ++px) {
        const double b0 = canvas_.UserX(px), b1 = canvas_.UserX(px + 1);
        while (next < sweep.rays.size() && sweep.rays[next].bearing_deg < b0) ++next;
        // The column's horizon: the highest of its rays, or where the line between the rays on
        // either side crosses its middle; its ground: the ray with that horizon, or the nearest.
        const RayHorizon* ray = nullptr;
        double top_rad = 0;
        for (std::size_t i = next; i < sweep.rays.size() && sweep.rays[i].bearing_deg < b1; ++i) {
            if (!ray || sweep.rays[i].angle_rad > ray->angle_rad) ray = &sweep.rays[i];
        }
        if (ray) {
            top_rad = ray->angle_rad;
        } else {
            const double middle = (b0 + b1) / 2;
            const RayHorizon& a = next > 0 ? sweep.rays[next - 1] : sweep.rays.front();
            const RayHorizon& c = next < sweep.rays.size() ? sweep.rays[next] : sweep.rays.back();
            const double span = c.bearing_deg - a.bearing_deg;
            const double share =
                span > 0 ? std::clamp((middle - a.bearing_deg) / span, 0.0, 1.0) : 0.0;
            top_rad = a.angle_rad + share * (c.angle_rad - a.angle_rad);
            ray = share < 0.5 ? &a : &c;
        }
        // Up the column: each row takes the first step of the ray at or above its angle, the
        // nearest ground that reaches that high; above the ray's own horizon, its last step.
        std::size_t step = 0;
        for (int py = f.bottom - 1; py >= f.top; --py) {
            const double angle = angleAtRow(py);
            if (angle > top_rad) break;
            while (step + 1 < ray->stepCount &&
                   sweep.steps[ray->firstStep + step].angle_rad < angle)
                ++step;
            const GroundStep& g = sweep.steps[ray->firstStep + step];
            const console::Rgb c = g.noData ? plot::kNoDataColour : GroundShade(g.t);
            canvas_.ScanLine(py)[px] = qRgb(c.red, c.green, c.blue);
        }
    }
}

void HorizonPlot::DrawHorizonLine() {
    const HorizonSweep& sweep = *sweep_;
    if (sweep.rays.empty()) return;
    canvas_.SetPen(plot::PenStyle::kSolid, std::max(1, layout_.textHeight / 8));
    for (std::size_t i = 1; i < sweep.rays.size(); ++i) {
        const RayHorizon& a = sweep.rays[i - 1];
        const RayHorizon& b = sweep.rays[i];
        // Where the horizon is ground without heights the line is grey: it is not known there.
        const console::Rgb c = a.noData || b.noData ? plot::kNoDataColour : kHorizonLineColour;
        canvas_.Line(a.bearing_deg, scale_.Height(a.angle_rad), b.bearing_deg,
                     scale_.Height(b.angle_rad), c);
    }
    canvas_.SetPen(plot::PenStyle::kSolid, 1);
}

void HorizonPlot::DrawAxes() {
    const ChartLayout& l = layout_;
    const PixelBox& f = l.field;
    canvas_.Rectangle(0, 0, 360, kFieldHeight, kAxisColour);
    canvas_.SetTextBackground(std::nullopt);

    // The angle axis at the right: ticks, labels centred on them but kept beside the field.
    canvas_.SetTextColour(console::kBlack);
    const double tickUnits = (360.0 / f.Width()) * l.tickLength;
    for (double a : l.angleTicks_deg) {
        const double y = scale_.HeightOfDegrees(a);
        canvas_.Line(360, y, 360 + tickUnits, y, kTickColour);
        const int centre = static_cast<int>(std::lround(canvas_.PixelY(y)));
        const int top = std::clamp(centre - l.textHeight / 2, f.top, f.bottom - l.textHeight);
        PrintAt(l.angleLabelLeft, top, DegreeLabel(a, l.angleStep_deg));
    }
    if (l.angleTitleShown) PrintAt(l.angleTitleLeft, l.keyRowTop, kAngleTitle);

    // The bearing axis below: ticks, bearings and compass points centred on their ticks.
    const double tickDown = canvas_.UserY(f.bottom + l.tickLength) - canvas_.UserY(f.bottom);
    for (int b = 0; b <= 360; b += l.bearingTickStep)
        canvas_.Line(b, 0, b, b % l.bearingLabelStep == 0 ? tickDown : tickDown / 2, kTickColour);
    RowPlacer bearings(0, l.width, l.pad), compass(0, l.width, l.pad);
    for (int b = 0; b <= 360; b += l.bearingLabelStep) {
        const double centre = canvas_.PixelX(b);
        const std::string number = std::to_string(b) + "°";
        const int w = canvas_.TextWidthPx(number);
        int left = static_cast<int>(std::lround(centre - w / 2.0));
        left = std::clamp(left, 0, l.width - w);
        if (bearings.Place(left, left + w)) PrintAt(left, l.bearingRowTop, number);
        if (!l.compassShown) continue;
        const std::string point = CompassPoint(b);
        const int pw = canvas_.TextWidthPx(point);
        const int pleft =
            std::clamp(static_cast<int>(std::lround(centre - pw / 2.0)), 0, l.width - pw);
        canvas_.SetTextColour(kCaptionTeal);
        if (compass.Place(pleft, pleft + pw)) PrintAt(pleft, l.compassRowTop, point);
        canvas_.SetTextColour(console::kBlack);
    }
    // The axis's title half-way between two labels, in the compass row when there is one.
    const int tw = canvas_.TextWidthPx(kBearingTitle);
    const auto pixelX = [this](double b) { return canvas_.PixelX(b); };
    RowPlacer& row = l.compassShown ? compass : bearings;
    const double at = PlaceBetweenLabels(row, tw, l.bearingLabelStep, pixelX);
    if (at >= 0) {
        canvas_.SetTextColour(kCaptionTeal);
        PrintAt(static_cast<int>(std::lround(pixelX(at) - tw / 2.0)),
                l.compassShown ? l.compassRowTop : l.bearingRowTop, kBearingTitle);
        canvas_.SetTextColour(console::kBlack);
    }
}

void HorizonPlot::DrawKey() {
    const ChartLayout& l = layout_;
    if (!l.keyShown) return;
    canvas_.SetTextColour(console::kBlack);
    canvas_.SetTextBackground(std::nullopt);
    PrintAt(l.keyTitleLeft, l.keyRowTop, l.keyTitle);
    const PixelBox& bar = l.keyBar;
    canvas_.FinishPainting();
    for (int px = bar.left; px < bar.right; ++px) {
        const double share = (px + 0.5 - bar.left) / bar.Width();
        canvas_.FillPixels(px, bar.top, px, bar.bottom - 1, GroundShade(share));
    }
    // No data: a grey square after the bar would need its own words; the title strip says it.
    if (!l.keyFiguresShown) return;
    const double rd = view_.area.radius_km;
    RowPlacer figures(0, l.width, l.pad);
    const int figuresTop = l.keyRowTop + l.textHeight;
    for (double d : l.keyTicks_km) {
        const int x = bar.left + static_cast<int>(std::lround(d / rd * bar.Width()));
        canvas_.FillPixels(x == bar.right ? x - 1 : x, bar.top, x == bar.right ? x - 1 : x,
                           bar.bottom + l.pad - 1, console::kBlack);
        const std::string text = Fixed(d, d == std::floor(d) ? 0 : 1);
        const int w = canvas_.TextWidthPx(text);
        const int left = static_cast<int>(std::lround(x - w / 2.0));
        if (figures.Place(left, left + w)) PrintAt(left, figuresTop, text);
    }
}

void HorizonPlot::DrawSites(std::vector<const ChartSite*> seen) {
    const ChartLayout& l = layout_;
    if (l.siteRows == 0) return;
    // The highest in view first: the peaks on the skyline before the slopes below it.
    std::stable_sort(seen.begin(), seen.end(), [](const ChartSite* a, const ChartSite* b) {
        return a->angle_rad > b->angle_rad;
    });
    std::vector<RowPlacer> rows(static_cast<std::size_t>(l.siteRows), RowPlacer(0, l.width, l.pad));
    canvas_.SetTextBackground(console::kWhite);
    canvas_.SetTextColour(kSiteColour);
    const int mark = std::max(2, l.textHeight / 6);
    for (const ChartSite* s : seen) {
        const int x = static_cast<int>(std::floor(canvas_.PixelX(s->bearing_deg)));
        const int w = canvas_.TextWidthPx(s->name);
        const int left = std::clamp(static_cast<int>(std::lround(x - w / 2.0)), 0, l.width - w);
        // The row nearest the field where the name fits and its leader passes the rows below.
        for (int r = l.siteRows - 1; r >= 0; --r) {
            bool clear = true;
            for (int below = r + 1; below < l.siteRows && clear; ++below)
                clear = rows[static_cast<std::size_t>(below)].Fits(x, x + 1);
            if (!clear || !rows[static_cast<std::size_t>(r)].Place(left, left + w)) continue;
            for (int below = r + 1; below < l.siteRows; ++below)
                rows[static_cast<std::size_t>(below)].Reserve(x, x + 1);
            const int top = l.siteRowsTop + r * l.textHeight;
            const double y = scale_.Height(s->angle_rad);
            canvas_.Line(s->bearing_deg, canvas_.UserY(top + l.textHeight), s->bearing_deg, y,
                         kSiteColour);
            const int py = static_cast<int>(std::floor(canvas_.PixelY(y)));
            canvas_.FinishPainting();
            canvas_.FillPixels(x - mark, py - mark, x + mark, py + mark, kSiteColour);
            PrintAt(left, top, s->name);
            break;
        }
    }
    canvas_.SetTextColour(console::kBlack);
}

void HorizonPlot::OnClick(const plot::Click& click, console::Console& console) {
    if (!sweep_ || sweep_->rays.empty()) return;
    console.PrintLine(ClickReadOut(view_, *sweep_, click.x));
    const RayHorizon& ray = sweep_->Nearest(click.x);
    // A cross on the horizon there, so the picture shows which point was read.
    const double x = canvas_.PixelX(ray.bearing_deg),
                 y = canvas_.PixelY(scale_.Height(ray.angle_rad));
    const double arm = std::max(3, layout_.textHeight / 3);
    canvas_.SetPen(plot::PenStyle::kSolid, 2);
    canvas_.Line(canvas_.UserX(x - arm), canvas_.UserY(y - arm), canvas_.UserX(x + arm),
                 canvas_.UserY(y + arm), kClickMarkColour);
    canvas_.Line(canvas_.UserX(x - arm), canvas_.UserY(y + arm), canvas_.UserX(x + arm),
                 canvas_.UserY(y - arm), kClickMarkColour);
    canvas_.SetPen(plot::PenStyle::kSolid, 1);
}

void ServeClicks(HorizonPlot& plot, plot::PlotWindow& window, console::Console& console) {
    for (;;) {
        const plot::Click click = window.PollClick();
        while (window.PollKey()) {
        }
        if (click.kind != plot::ClickKind::kNone) {
            if (plot.IsExitClick(click.x, click.y)) {
                console.BringToFront();
                window.Close();
                return;
            }
            plot.OnClick(click, console);
            window.Repaint();
        }
        window.WaitForInput();
    }
}

}  // namespace horizon
