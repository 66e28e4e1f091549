#include "plot/plot_controls.h"

#include <algorithm>

#include "console/console_constants.h"
#include "console/picture_mask.h"
#include "plot/colour_legend.h"

namespace plot {

using console::kBlack;
using console::kPureRed;
using console::Single;

namespace {

// Fractions of the plot size that place the legend and the Exit control, held in single
// precision like the tools' other fractional constants.
// The key's plate spans half the plot's height, below the Exit control.
constexpr double kLegendBottom = 0.25;
constexpr double kLegendTop = 0.8;
constexpr double kExitLeft = Single(1.03f);
constexpr double kExitRight = Single(1.05f);
constexpr double kExitBottom = Single(0.97f);
constexpr double kExitTextX = Single(1.02f);
constexpr double kExitTextY = Single(0.96f);

}  // namespace

PixelBox DrawColourLegend(Canvas& canvas, const console::Palette& palette, double nLon, double nLat,
                          double maxHeight_m) {
    return DrawColourLegend(canvas, palette, nLon, nLat, [maxHeight_m](int entry) {
        return console::ColourToHeight(entry, maxHeight_m);
    });
}

PixelBox DrawColourLegend(Canvas& canvas, const console::Palette& palette, double /*nLon*/,
                          double nLat, const std::function<double(int entry)>& entryHeight) {
    // The key's right edge keeps a margin from the window's; where the strip right of the map is
    // too narrow for it (small windows), the plate covers the map's edge rather than losing text.
    const int margin = std::max(2, canvas.TextHeightPx() / 4);
    return DrawColourScale(canvas, HeightScale(palette, entryHeight), canvas.WidthPx() - 1 - margin,
                           canvas.PixelRow(kLegendTop * nLat),
                           canvas.PixelRow(kLegendBottom * nLat));
}

void DrawExitControl(PlotWindow& window, double nLon, double nLat) {
    window.SetExitPoint((kExitLeft + kExitRight) / 2 * nLon, (1 + kExitBottom) / 2 * nLat);
    // A saved picture has nobody to click its Exit.
    if (window.IsHeadless()) return;
    Canvas& canvas = window.Picture();
    canvas.SetPen(PenStyle::kSolid, 1);
    canvas.Rectangle(kExitLeft * nLon, nLat, kExitRight * nLon, kExitBottom * nLat, kPureRed,
                     kPureRed);
    canvas.Line(kExitRight * nLon, nLat, kExitLeft * nLon, kExitBottom * nLat, kBlack);
    canvas.Line(kExitLeft * nLon, nLat, kExitRight * nLon, kExitBottom * nLat, kBlack);
    canvas.SetTextColour(kBlack);
    canvas.SetPosition(kExitTextX * nLon, kExitTextY * nLat);
    canvas.Print("Exit");
}

bool IsExitClick(double x, double y, double nLon, double nLat) {
    return x > kExitLeft * nLon && y > kExitBottom * nLat;
}

WaitEnd WaitForUser(PlotWindow& window, console::Console& console,
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
        window.WaitForInput();
    }
}

WaitEnd WaitForUser(PlotWindow& window, console::Console& console, double nLon, double nLat,
                    const std::function<void(const Click&)>& onClick) {
    return WaitForUser(
        window, console, [=](double x, double y) { return IsExitClick(x, y, nLon, nLat); },
        onClick);
}

}  // namespace plot
