#include "plot/plot_controls.h"

#include "console/console_constants.h"
#include "console/picture_mask.h"

namespace plot {

using console::kBlack;
using console::kPureRed;
using console::Single;

namespace {

// Fractions of the plot size that place the legend and the Exit control, held in single
// precision like the tools' other fractional constants.
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

void DrawColourLegend(Canvas& canvas, const console::Palette& palette, double nLon, double nLat,
                      double maxHeight_m) {
    DrawColourLegend(canvas, palette, nLon, nLat, [maxHeight_m](int entry) {
        return console::ColourToHeight(entry, maxHeight_m);
    });
}

void DrawColourLegend(Canvas& canvas, const console::Palette& palette, double nLon, double nLat,
                      const std::function<double(int entry)>& entryHeight) {
    canvas.SetPen(PenStyle::kSolid, 1);
    for (int i = 0; i < console::kPaletteEntries; ++i) {
        double y = nLat * (i / 1024.0 + kLegendBottom);
        canvas.Line(kLegendLeft * nLon, y, kLegendRight * nLon, y, palette[i]);
        if (i % 32 == 0 || i == console::kPaletteEntries - 1) {
            canvas.SetPosition(kLegendRight * nLon, y + kLegendLabelLift * nLat);
            canvas.Print(console::FormatMask("####", {entryHeight(i)}));
        }
    }
    canvas.Rectangle(kLegendLeft * nLon, kLegendBottom * nLat, kLegendRight * nLon,
                     kLegendTop * nLat, kBlack);
    // The title starts at the bar's left edge unless it would run off the window's right edge;
    // then it moves left just enough to end inside.
    constexpr std::string_view kTitle = "Height m";
    double titleX = kLegendLeft * nLon;
    const double pxPerUnit = canvas.PixelX(1) - canvas.PixelX(0);
    const double overhang_px =
        canvas.PixelX(titleX) + canvas.TextWidthPx(kTitle) + 1 - canvas.WidthPx();
    if (overhang_px > 0 && pxPerUnit > 0) titleX -= overhang_px / pxPerUnit;
    canvas.SetPosition(titleX, kLegendCaptionY * nLat);
    canvas.Print(kTitle);
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
