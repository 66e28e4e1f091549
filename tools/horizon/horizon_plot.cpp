#include "horizon_plot.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "console/numbers.h"
#include "console/picture_mask.h"
#include "horizon_chart.h"
#include "mastview/sweep.h"
#include "plot/no_data.h"

namespace horizon {

namespace {

// The user scale: bearing -5 ... 390 across, plot height 100 at the top down to -10.
constexpr double kLeft = -5, kRight = 390, kTop = 100, kBottom = -10;
constexpr double kFieldTop = 100;  // the black field spans 0 ... 100

constexpr console::Rgb kRed{255, 0, 0};
constexpr console::Rgb kBlue{0, 0, 255};
constexpr console::Rgb kGreen{0, 255, 0};
constexpr console::Rgb kCaptionTeal{0, 60, 60};
constexpr console::Rgb kCyan{0, 255, 255};
constexpr console::Rgb kNavy{0, 0, 128};

// The Exit box, user coordinates.
constexpr double kExitLeft = 370, kExitRight = 380, kExitBottom = 90, kExitTop = 95;

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

bool IsExitClick(double x, double y) {
    return x > kExitLeft && x < kExitRight && y > kExitBottom && y < kExitTop;
}

HorizonPlot::HorizonPlot(const mastview::MastView& view, plot::PlotWindow& window)
    : view_(view), window_(window), canvas_(window.Picture()) {}

void HorizonPlot::FindHorizonRange(const mastview::PlotHeights& heights) {
    // The horizon of a bearing is the highest angle its ray reaches. The marks come ray after
    // ray in bearing order, so each ray's horizon is complete when the next ray's marks begin.
    lowest_rad_ = std::numeric_limits<double>::infinity();
    highest_rad_ = -std::numeric_limits<double>::infinity();
    bool inRay = false;
    double rayBearing = 0, rayHorizon = 0;
    const auto endRay = [&] {
        if (!inRay) return;
        lowest_rad_ = std::min(lowest_rad_, rayHorizon);
        highest_rad_ = std::max(highest_rad_, rayHorizon);
    };
    mastview::SweepRays(
        mastview::SweepSetupFor(view_), heights, mastview::NewHighest::kAtOrAbove,
        [&](const mastview::RaySample& s) {
            if (inRay && s.bearing_deg == rayBearing) {
                rayHorizon = std::max(rayHorizon, s.angle_rad);
                return;
            }
            endRay();
            inRay = true;
            rayBearing = s.bearing_deg;
            rayHorizon = s.angle_rad;
        },
        [](int) {});
    endRay();
}

void HorizonPlot::DrawFrame(const mastview::PlotHeights& heights) {
    FindHorizonRange(heights);
    plot::PlotWindow& window = window_;
    plot::Canvas& w = canvas_;
    const double rd = view_.area.radius_km;
    w.SetScale(kLeft, kTop, kRight, kBottom);
    w.Line(0, 0, 360, 0, console::kBlack);

    w.Rectangle(kExitLeft, kExitBottom, kExitRight, kExitTop, kRed, kRed);
    w.Line(371, 91, 379, 94, console::kBlack);
    w.Line(379, 91, 371, 94, console::kBlack);
    w.SetTextColour(console::kBlack);
    w.SetPosition(370, 89);
    w.Print("Exit");
    window.SetExitPoint((kExitLeft + kExitRight) / 2, (kExitBottom + kExitTop) / 2);

    w.Rectangle(0, 0, 360, kFieldTop, console::kBlack, console::kBlack);

    // Angle scale, -0.5 to 2 degrees in half degrees, stretched when the horizon lies beyond.
    scale_ = ScaleFor(lowest_rad_, highest_rad_);
    for (double a = scale_.firstTick_deg; a <= scale_.lastTick_deg + 1e-9;
         a += scale_.tickStep_deg) {
        const double y = scale_.TickHeight(a);
        w.Line(360, y, 365, y, kBlue);
        w.SetTextColour(console::kBlack);
        w.Print(console::FormatMask("##.#°", {a}));
    }
    // Bearing scale every 15 degrees, labelled every 45.
    for (int b = 0; b <= 360; b += 15) {
        w.Line(b, 0, b, -1, kBlue);
        if (b % 45 != 0) continue;
        w.LineTo(b, -2, kBlue);
        w.SetPosition(b - 5, -2);
        w.SetTextColour(console::kBlack);
        w.SetTextBackground(console::kWhite);
        w.Print(console::FormatMask("###°", {static_cast<double>(b)}));
        w.SetPosition(b - 4, -5.5);
        w.SetTextBackground(kGreen);
        w.Print(CompassLabel(b));
    }
    // Black on green is still set from the compass labels.
    w.SetPosition(362, 85);
    w.Print(" Horizon    ");
    w.SetPosition(362, 82);
    w.Print(" Angle out ");
    w.SetPosition(362, 79);
    w.Print(console::FormatMask(" to ###km  ", {rd}));
    w.SetTextColour(kCaptionTeal);
    w.SetPosition(150, -3);
    w.Print("Bearing");

    // Distance legend, white text on black.
    w.SetTextColour(console::kWhite);
    w.SetTextBackground(console::kBlack);
    for (double d = 0; d <= rd; d += rd / 255) {
        const double f = d / rd;
        const console::Rgb c = DistanceColour(f);
        w.Rectangle(120 * f + 20, 90, 120 * f + 30, 87, c, c);
    }
    w.SetPosition(40, 86);
    w.Print(console::FormatMask("Radial distance out to  ### km", {rd}));

    w.SetTextColour(console::kBlack);
    w.SetTextBackground(console::kWhite);
    window.DisableClose();
    window.Show();
    window.Repaint();
}

void HorizonPlot::Sweep(const mastview::PlotHeights& heights, const terrain::NoDataMask& noData) {
    const mastview::SweepSetup setup = mastview::SweepSetupFor(view_);

    const int width = canvas_.WidthPx(), height = canvas_.HeightPx();
    canvas_.FinishPainting();
    mastview::SweepRays(
        setup, heights, mastview::NewHighest::kAtOrAbove,
        [&](const mastview::RaySample& s) {
            const double px = std::floor(canvas_.PixelX(s.bearing_deg));
            const double py = std::floor(canvas_.PixelY(scale_.Height(s.angle_rad)));
            if (px < 0 || px >= width || py < 0 || py >= height) return;
            // Ground without heights reads 0 m: a horizon there would look like the sea's.
            const console::Rgb c = noData.At(s.x, s.y) ? plot::kNoDataColour : DistanceColour(s.t);
            canvas_.ScanLine(static_cast<int>(py))[static_cast<int>(px)] =
                qRgb(c.red, c.green, c.blue);
        },
        [&](int) { window_.Repaint(); });
    window_.Repaint();
}

void HorizonPlot::OnClick(const plot::Click& click) {
    canvas_.SetPosition(190, -5.7);
    canvas_.PrintLine(console::FormatMask("   ###°   ", {click.x}));
}

void ServeClicks(HorizonPlot& plot, plot::PlotWindow& window, console::Console& console) {
    for (;;) {
        const plot::Click click = window.PollClick();
        while (window.PollKey()) {
        }
        window.Picture().SetTextColour(kCyan);
        window.Picture().SetTextBackground(kNavy);
        if (click.kind != plot::ClickKind::kNone) {
            if (IsExitClick(click.x, click.y)) {
                console.BringToFront();
                window.Close();
                return;
            }
            plot.OnClick(click);
            window.Repaint();
        }
        window.WaitForInput();
    }
}

}  // namespace horizon
