#include "console/plot_controls.h"

#include "console/console_constants.h"
#include "console/picture_mask.h"

namespace console {

namespace {

constexpr int kPollPause_ms = 100;

// Fractions of the plot size that place the legend and the Exit control, held in single
// precision like the tools' other fractional constants.
constexpr double kLegendLeft = Single(1.007f);
constexpr double kLegendRight = Single(1.03f);
constexpr double kLegendBottom = Single(0.3f);
constexpr double kLegendTop = Single(0.55f);
constexpr double kLegendLabelLift = Single(0.01f);
constexpr double kLegendCaptionY = Single(0.59f);
constexpr double kExitLeft = Single(1.03f);
constexpr double kExitRight = Single(1.05f);
constexpr double kExitBottom = Single(0.97f);
constexpr double kExitTextX = Single(1.02f);
constexpr double kExitTextY = Single(0.96f);

}  // namespace

void DrawColourLegend(PlotWindow& window, const Palette& palette, double nLon, double nLat,
                      double maxHeight_m) {
    DrawColourLegend(window, palette, nLon, nLat,
                     [maxHeight_m](int entry) { return ColourToHeight(entry, maxHeight_m); });
}

void DrawColourLegend(PlotWindow& window, const Palette& palette, double nLon, double nLat,
                      const std::function<double(int entry)>& entryHeight) {
    window.SetPen(PenStyle::kSolid, 1);
    for (int i = 0; i < kPaletteEntries; ++i) {
        double y = nLat * (i / 1024.0 + kLegendBottom);
        window.Line(kLegendLeft * nLon, y, kLegendRight * nLon, y, palette[i]);
        if (i % 32 == 0 || i == kPaletteEntries - 1) {
            window.SetPosition(kLegendRight * nLon, y + kLegendLabelLift * nLat);
            window.Print(FormatMask("####", {entryHeight(i)}));
        }
    }
    window.Rectangle(kLegendLeft * nLon, kLegendBottom * nLat, kLegendRight * nLon,
                     kLegendTop * nLat, kBlack);
    // The title starts at the bar's left edge unless it would run off the window's right edge;
    // then it moves left just enough to end inside.
    constexpr std::string_view kTitle = "Height m";
    double titleX = kLegendLeft * nLon;
    const double pxPerUnit = window.PixelX(1) - window.PixelX(0);
    const double overhang_px =
        window.PixelX(titleX) + window.TextWidthPx(kTitle) + 1 - window.WidthPx();
    if (overhang_px > 0 && pxPerUnit > 0) titleX -= overhang_px / pxPerUnit;
    window.SetPosition(titleX, kLegendCaptionY * nLat);
    window.Print(kTitle);
}

void DrawExitControl(PlotWindow& window, double nLon, double nLat) {
    window.SetPen(PenStyle::kSolid, 1);
    window.Rectangle(kExitLeft * nLon, nLat, kExitRight * nLon, kExitBottom * nLat, kPureRed,
                     kPureRed);
    window.Line(kExitRight * nLon, nLat, kExitLeft * nLon, kExitBottom * nLat, kBlack);
    window.Line(kExitLeft * nLon, nLat, kExitRight * nLon, kExitBottom * nLat, kBlack);
    window.SetTextColour(kBlack);
    window.SetPosition(kExitTextX * nLon, kExitTextY * nLat);
    window.Print("Exit");
    window.SetExitPoint((kExitLeft + kExitRight) / 2 * nLon, (1 + kExitBottom) / 2 * nLat);
}

bool IsExitClick(double x, double y, double nLon, double nLat) {
    return x > kExitLeft * nLon && y > kExitBottom * nLat;
}

WaitEnd WaitForUser(PlotWindow& window, Console& console,
                    const std::function<bool(double x, double y)>& isExit,
                    const std::function<void(const Click&)>& onClick) {
    for (;;) {
        Click click = window.PollClick();
        std::optional<int> key = window.PollKey();
        if (key && *key == kEscapeKey) return WaitEnd::kEscape;
        if (click.kind != ClickKind::kNone) {
            if (isExit(click.x, click.y)) {
                console.BringToFront();
                window.Close();
                return WaitEnd::kExit;
            }
            if (onClick) onClick(click);
            window.Repaint();
        }
        WaitMilliseconds(kPollPause_ms);
    }
}

WaitEnd WaitForUser(PlotWindow& window, Console& console, double nLon, double nLat,
                    const std::function<void(const Click&)>& onClick) {
    return WaitForUser(
        window, console, [=](double x, double y) { return IsExitClick(x, y, nLon, nLat); },
        onClick);
}

}  // namespace console
