#include "visibility_plot.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "console/picture_mask.h"
#include "console/position_entry.h"
#include "mastview/area_loader.h"
#include "mastview/elevation_colour.h"
#include "mastview/sample_verdicts.h"
#include "mastview/sweep.h"
#include "plot/map_furniture.h"
#include "plot/map_sites.h"
#include "plot/no_data.h"
#include "plot/place_text.h"
#include "plot/plot_controls.h"
#include "read_out_place.h"

namespace visplot {

namespace {

constexpr console::Rgb kReadOutBlue{0, 0, 255};
constexpr console::Rgb kHeightPurple{200, 0, 160};
constexpr console::Rgb kSiteRed{255, 0, 0};

constexpr double kReadOutStrip = -0.005;  // y of the read-out strip below the plot, times nLat
// Pixels kept between the nearest site's name and a read-out beside it.
constexpr int kGap_px = 8;
// The top strip is free up to the Exit control, right of the plot.
constexpr double kExitLeftOfStrip = 1.0;

constexpr double kPi = 3.14159265358979323846;
// The range rings: magenta, a colour neither palette uses, which reads on hidden black too.
constexpr console::Rgb kRingColour{255, 0, 255};
// The key of the angles: below the Exit control, down to a third of the plot's height.
constexpr double kKeyTop = 0.9;  // times nLat
constexpr double kKeyBottom = 0.3;

// The key's margin from the window's right edge.
int KeyMarginPx(const plot::Canvas& canvas) {
    return std::max(2, plot::LineHeightPx(canvas) / 4);
}

// The pixels [first, last] that a plot sample covers along one axis: those whose centres lie in
// the sample's cell from edgeA to edgeB (pixel coordinates, either order). A sample smaller than a
// pixel covers the one pixel that holds its centre. Pixels outside [0, size) are dropped; an
// empty span has first > last.
std::pair<int, int> PixelSpan(double edgeA, double edgeB, double middle, int size) {
    const double lo = std::min(edgeA, edgeB), hi = std::max(edgeA, edgeB);
    double first = std::ceil(lo - 0.5), last = std::ceil(hi - 0.5) - 1;
    if (last < first) first = last = std::floor(middle);
    first = std::max(first, 0.0);
    last = std::min(last, size - 1.0);
    if (last < first) return {0, -1};
    return {static_cast<int>(first), static_cast<int>(last)};
}

// The pixel spans of plot samples 0 ... count along one axis, `toPixel` giving that axis's pixel
// coordinate of a plot coordinate and `size` the picture's pixels along it.
template <typename ToPixel>
std::vector<VisibilityPlot::Span> Spans(int count, ToPixel toPixel, int size) {
    std::vector<VisibilityPlot::Span> spans(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const auto [first, last] = PixelSpan(toPixel(i - 0.5), toPixel(i + 0.5), toPixel(i), size);
        spans[static_cast<std::size_t>(i)] = {first, last};
    }
    return spans;
}

}  // namespace

std::string Caption(const mastview::MastView& view) {
    return "Viewable spots, centred on " + view.centre.text +
           console::FormatMask(mastview::kMastCaptionMask, {view.mast_m});
}

void SetPlotFrame(plot::Canvas& canvas, const mastview::RadiusArea& area, int legendStrip_px) {
    const double nLon = area.nLon, nLat = area.nLat;
    const double plotWidth_px = std::max(1, canvas.WidthPx() - legendStrip_px);
    const double right = legendStrip_px > 0 ? kRightEdge * nLon * canvas.WidthPx() / plotWidth_px
                                            : kRightEdge * nLon;
    canvas.SetScale(0, kTopEdge * nLat, right, kBottomEdge * nLat);
    // Plot point (x, y) lies at (LatOf(y), LonOf(x)): the pixels are a regular lat/long grid.
    const double degreesPerSample = 1.0 / console::kSamplesPerDegree;
    canvas.SetGeoreference({area.LonOf(0), degreesPerSample, area.LatOf(0), degreesPerSample});
}

VisibilityPlot::VisibilityPlot(const mastview::MastView& view, plot::PlotWindow& window,
                               console::Console& console, int legendStrip_px, AnglePalette palette)
    : view_(view),
      window_(window),
      canvas_(window.Picture()),
      console_(console),
      legendStrip_px_(legendStrip_px),
      palette_(palette) {}

void VisibilityPlot::DrawFrame() {
    const double nLon = view_.area.nLon, nLat = view_.area.nLat;
    SetPlotFrame(canvas_, view_.area, legendStrip_px_);
    plot::DrawExitControl(window_, nLon, nLat);
    canvas_.Rectangle(0, 0, nLon, nLat, console::kBlack, console::kBlack);
    window_.DisableClose();
    console_.BringToFront();
    window_.Show();
    window_.Repaint();
}

void VisibilityPlot::Sweep(const mastview::PlotHeights& heights) {
    // Pixels of every plot column and row, worked out once. Where a sample is larger than a
    // pixel (small radii) it is painted over its whole cell, so that the picture has no gaps.
    const std::vector<Span> columns = ColumnSpans();
    const std::vector<Span> rows = RowSpans();
    std::array<QRgb, 256> ramp{};
    for (int n = 0; n < 256; ++n) {
        const console::Rgb c = AngleColour(palette_, n);
        ramp[n] = qRgb(c.red, c.green, c.blue);
    }

    const mastview::SweepSetup setup = mastview::SweepSetupFor(view_);

    canvas_.FinishPainting();
    mastview::SampleVerdicts& verdicts = verdicts_.emplace(setup);
    const mastview::StepPlanes steps = verdicts.Steps();
    // Where several samples share a pixel, the pixel keeps what the sweep painted there: the
    // verdicts given to the samples between the rays only fill pixels the sweep left alone.
    const std::size_t width = static_cast<std::size_t>(canvas_.WidthPx());
    std::vector<bool> swept(width * static_cast<std::size_t>(canvas_.HeightPx()), false);
    const auto paint = [&](int x, int y, int colourIndex, bool fromSweep) {
        const Span& c = columns[x];
        const Span& r = rows[y];
        const QRgb colour = ramp[colourIndex];
        for (int py = r.first; py <= r.last; ++py) {
            QRgb* line = canvas_.ScanLine(py);
            const std::size_t row = static_cast<std::size_t>(py) * width;
            for (int px = c.first; px <= c.last; ++px) {
                const std::size_t at = row + static_cast<std::size_t>(px);
                if (fromSweep) {
                    swept[at] = true;
                } else if (swept[at]) {
                    continue;
                }
                line[px] = colour;
            }
        }
    };
    mastview::SweepRays(
        setup, heights, mastview::NewHighest::kStrictlyAbove,
        [&](const mastview::RaySample& s) {
            const int index = mastview::AngleColourIndex(s.angle_rad);
            verdicts.Seen(s.x, s.y, index);
            paint(s.x, s.y, index, true);
        },
        [&](int) { window_.Repaint(); }, &steps);
    // The samples between the rays' steps get the verdict of the nearest ray.
    verdicts.JoinSteps();
    verdicts.FillUnvisited([&](int x, int y, int colourIndex) { paint(x, y, colourIndex, false); });
    window_.Repaint();
}

std::vector<VisibilityPlot::Span> VisibilityPlot::ColumnSpans() const {
    return Spans(
        view_.area.nLon, [this](double x) { return canvas_.PixelX(x); }, canvas_.WidthPx());
}

std::vector<VisibilityPlot::Span> VisibilityPlot::RowSpans() const {
    return Spans(
        view_.area.nLat, [this](double y) { return canvas_.PixelY(y); }, canvas_.HeightPx());
}

void VisibilityPlot::ShowNoData(const terrain::NoDataMask& noData) {
    if (!noData.Any()) return;
    const mastview::RadiusArea& area = view_.area;
    const std::vector<Span> columns = ColumnSpans();
    const std::vector<Span> rows = RowSpans();
    const QRgb grey =
        qRgb(plot::kNoDataColour.red, plot::kNoDataColour.green, plot::kNoDataColour.blue);
    canvas_.FinishPainting();
    for (int y = 0; y <= area.nLat; ++y) {
        const Span& r = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x <= area.nLon; ++x) {
            if (!noData.At(x, y) || !mastview::InsideRadius(area, x, y)) continue;
            const Span& c = columns[static_cast<std::size_t>(x)];
            for (int py = r.first; py <= r.last; ++py) {
                QRgb* line = canvas_.ScanLine(py);
                for (int px = c.first; px <= c.last; ++px) line[px] = grey;
            }
        }
    }
    window_.Repaint();
}

bool VisibilityPlot::Seen(int x, int y) const {
    return verdicts_ && verdicts_->At(x, y) >= 0;
}

double VisibilityPlot::SeenShare(const terrain::NoDataMask& noData) const {
    if (!verdicts_) return 0;
    long inside = 0, seen = 0;
    for (int y = 0; y <= view_.area.nLat; ++y)
        for (int x = 0; x <= view_.area.nLon; ++x) {
            if (!mastview::InsideRadius(view_.area, x, y) || noData.At(x, y)) continue;
            ++inside;
            if (verdicts_->At(x, y) >= 0) ++seen;
        }
    return inside > 0 ? static_cast<double>(seen) / inside : 0;
}

double RingStep_km(double radius_km) {
    const double most = radius_km / 3;
    if (!(most > 0) || !std::isfinite(most)) return radius_km;
    const double decade = std::pow(10.0, std::floor(std::log10(most)));
    for (const double f : {5.0, 2.0, 1.0})
        if (f * decade <= most * (1 + 1e-9)) return f * decade;
    return decade;
}

int AngleKeyStripPx(AnglePalette palette, int size_px) {
    const plot::Canvas measure("", size_px, size_px);
    const int margin = KeyMarginPx(measure);
    const int usual_px = static_cast<int>(size_px * (kRightEdge - 1) / kRightEdge);
    return std::max(0,
                    plot::ColourScaleWidthPx(measure, AngleScale(palette)) + 2 * margin - usual_px);
}

std::vector<std::string> TitleLines(const mastview::MastView& view, const std::string& what,
                                    const std::string& results) {
    char parameters[160];
    std::snprintf(parameters, sizeof parameters, "Radius %g km   mast %g m   K %g",
                  view.area.radius_km, view.mast_m, view.kFactor);
    std::string second = parameters;
    if (!results.empty()) second += "   " + results;
    return {
        "visplot: " + what + " round " +
            plot::PlaceText(view.centre.text, view.centre.latitude_deg, view.centre.longitude_deg),
        second};
}

void VisibilityPlot::DrawFurniture(const std::string& sitesFile, bool angleKey) {
    const mastview::RadiusArea& area = view_.area;
    const double nLon = area.nLon, nLat = area.nLat;
    const double cx = nLon / 2, cy = nLat / 2;
    const plot::PixelBox square{std::max(0, canvas_.PixelColumn(0)),
                                std::max(0, canvas_.PixelRow(nLat)),
                                std::min(canvas_.WidthPx() - 1, canvas_.PixelColumn(nLon)),
                                std::min(canvas_.HeightPx() - 1, canvas_.PixelRow(0))};
    if (angleKey) {
        const int margin = KeyMarginPx(canvas_);
        plot::DrawColourScale(canvas_, AngleScale(palette_), canvas_.WidthPx() - 1 - margin,
                              canvas_.PixelRow(kKeyTop * nLat),
                              canvas_.PixelRow(kKeyBottom * nLat));
    }
    const plot::PixelBox arrow = plot::DrawNorthArrow(canvas_, square);

    // The rings: ellipses in plot units (a sample is narrower east-west than north-south), drawn
    // as short chords.
    const double step = RingStep_km(area.radius_km);
    std::vector<double> rings;
    for (double d = step; d <= area.radius_km * (1 + 1e-9); d += step) rings.push_back(d);
    canvas_.SetPen(plot::PenStyle::kSolid, 1);
    constexpr int kChords = 720;
    for (const double d : rings) {
        const double rx = d / area.radius_km * nLon / 2, ry = d / area.radius_km * nLat / 2;
        canvas_.SetPosition(cx + rx, cy);
        for (int i = 1; i <= kChords; ++i) {
            const double a = 2 * kPi * i / kChords;
            canvas_.LineTo(cx + rx * std::cos(a), cy + ry * std::sin(a), kRingColour);
        }
    }

    std::vector<plot::MapSite> sites;
    for (const plot::SiteLine& site : plot::ReadSiteLines(sitesFile)) {
        const double x = console::kSamplesPerDegree * (site.position.lon_deg - area.lonW_deg);
        const double y = console::kSamplesPerDegree * (site.position.lat_deg - area.latS_deg);
        const double u = 2 * x / nLon - 1, v = 2 * y / nLat - 1;
        if (u * u + v * v <= 1) sites.push_back({site.name, x, y});
    }

    // Each ring's distance just right of where it crosses north of the centre, on a white plate;
    // left out where it would cover another label.
    const int th = plot::LineHeightPx(canvas_);
    canvas_.SetTextColour(plot::kMapInk);
    canvas_.SetTextBackground(console::kWhite);
    for (const double d : rings) {
        char text[32];
        std::snprintf(text, sizeof text, "%g km", d);
        const int left = canvas_.PixelColumn(cx) + 3;
        const int ringRow = canvas_.PixelRow(cy + d / area.radius_km * nLat / 2);
        // Across the ring, or just inside it where the ring meets the plot's top edge.
        const int top = ringRow - th / 2 < square.top ? ringRow + 2 : ringRow - th / 2;
        const plot::PixelBox box{left, top, left + canvas_.TextWidthPx(text) - 1, top + th - 1};
        const bool clash =
            box.top < square.top || box.bottom > square.bottom ||
            std::any_of(canvas_.TextBoxes().begin(), canvas_.TextBoxes().end(),
                        [&](const plot::Canvas::TextBox& t) {
                            return box.left < t.left_px + t.width_px && t.left_px <= box.right &&
                                   box.top < t.top_px + t.height_px && t.top_px <= box.bottom;
                        });
        if (clash) continue;
        canvas_.SetPosition(canvas_.UserX(left + 0.5), canvas_.UserY(top + 0.5));
        canvas_.Print(text);
    }
    canvas_.SetTextBackground(std::nullopt);
    plot::DrawSites(canvas_, sites, square, {arrow});
    plot::DrawCentreMarker(canvas_, cx, cy);
    window_.Repaint();
}

void VisibilityPlot::OnClick(const plot::Click& click) {
    if (click.kind == plot::ClickKind::kDouble)
        MarkNearestSite(click.x, click.y);
    else if (click.kind == plot::ClickKind::kSingle)
        ReadOut(click.x, click.y);
}

void VisibilityPlot::ReadOut(double x, double y) {
    const mastview::RadiusArea& area = view_.area;
    const double lat = area.LatOf(y), lon = area.LonOf(x);
    const std::string locator = geodesy::FormatLocatorRounded({lat, lon});
    const std::string gridRef = geodesy::FormatGridRef10m({lat, lon});
    const geodesy::DistanceBearing db = geodesy::DistBearBetween(
        {view_.centre.latitude_deg, view_.centre.longitude_deg}, {lat, lon});
    int32_t height = 0;
    view_.store->PointHeight(lat, lon, height);

    const std::string place = locator + " = " + gridRef;
    const std::string way = console::FormatMask(
        "   ####km  ###° (°###)  ", {db.distance_km, db.bearing_deg, db.back_bearing_deg});
    const std::string heightText =
        console::FormatMask("#### m           ", {static_cast<double>(height)});
    // The trailing blanks of the masks stand for nothing at the end of a line.
    const std::string shownHeight = heightText.substr(0, heightText.find_last_not_of(' ') + 1);
    const int lineHeight = canvas_.TextHeightPx();
    const int margin = canvas_.PixelColumn(0.01 * area.nLon) - canvas_.PixelColumn(0);
    const ReadOutPlace at = PlaceReadOut(canvas_.WidthPx(), canvas_.PixelColumn(0.6 * area.nLon),
                                         margin, canvas_.TextWidthPx(place + way + shownHeight));

    // The last read-out is erased: the strip below the plot (a site name in it too), and the top
    // strip's first line where a split read-out puts its second part.
    const int bottomRow = canvas_.PixelRow(kReadOutStrip * area.nLat);
    canvas_.FinishPainting();
    canvas_.FillPixels(0, bottomRow, canvas_.WidthPx() - 1, bottomRow + lineHeight - 1,
                       console::kWhite);
    const int topRow = canvas_.PixelRow(kTopEdge * area.nLat);
    if (at.twoLines || secondLineShown_) {
        canvas_.FillPixels(0, topRow, canvas_.PixelColumn(kExitLeftOfStrip * area.nLon) - 1,
                           topRow + lineHeight - 1, console::kWhite);
    }
    secondLineShown_ = at.twoLines;
    readOutLeft_ = at.left_px;

    canvas_.SetTextBackground(console::kWhite);
    canvas_.SetTextColour(kReadOutBlue);
    canvas_.SetPosition(canvas_.UserX(at.left_px + 0.5), kReadOutStrip * area.nLat);
    canvas_.Print(place);
    if (at.twoLines) canvas_.SetPosition(canvas_.UserX(at.left_px + 0.5), kTopEdge * area.nLat);
    canvas_.Print(way);
    canvas_.SetTextColour(kHeightPurple);
    canvas_.Print(shownHeight);
}

void VisibilityPlot::MarkNearestSite(double x, double y) {
    const mastview::RadiusArea& area = view_.area;
    const std::string& sitesPath = view_.config.sitesPath;
    const std::optional<console::NearestSiteResult> nearest =
        console::NearestSite(area.LatOf(y), area.LonOf(x), sitesPath);
    if (!nearest) return;
    // The marker goes at the nearest site's own position: a search by its name could stop at an
    // earlier site whose name contains it ("Scafell" finds "Scafell Pike").
    const double sx = console::kSamplesPerDegree * (nearest->longitude_deg - area.lonW_deg);
    const double sy = console::kSamplesPerDegree * (nearest->latitude_deg - area.latS_deg);
    const double w = area.nLon / 200.0;
    const double cosLat = std::cos(view_.centre.latitude_deg / console::kDegPerRad);
    canvas_.Rectangle(sx, sy, sx + w / cosLat, sy + w, console::kBlack, console::kWhite);
    canvas_.SetPosition(sx, sy);
    canvas_.SetTextColour(console::kWhite);
    canvas_.SetTextBackground(std::nullopt);
    canvas_.Print(nearest->name);
    // The name goes at the left of the strip below the plot, erasing the last name. A read-out
    // in the strip stays when the name ends before it; otherwise the name takes the strip.
    const int lineHeight = canvas_.TextHeightPx();
    const int left = canvas_.PixelColumn(0.01 * area.nLon);
    const int bottomRow = canvas_.PixelRow(kReadOutStrip * area.nLat);
    const bool besideReadOut =
        readOutLeft_ >= 0 && left + canvas_.TextWidthPx(nearest->name) + kGap_px <= readOutLeft_;
    canvas_.FinishPainting();
    canvas_.FillPixels(0, bottomRow, besideReadOut ? readOutLeft_ - 1 : canvas_.WidthPx() - 1,
                       bottomRow + lineHeight - 1, console::kWhite);
    if (!besideReadOut) readOutLeft_ = -1;
    canvas_.SetPosition(canvas_.UserX(left + 0.5), kReadOutStrip * area.nLat);
    canvas_.SetTextColour(kSiteRed);
    canvas_.SetTextBackground(console::kWhite);
    canvas_.Print(nearest->name);
}

}  // namespace visplot
