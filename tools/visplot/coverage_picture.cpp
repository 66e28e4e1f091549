#include "coverage_picture.h"

#include <algorithm>

#include "visibility_plot.h"

namespace visplot {
namespace {

// The legend's boxes and gaps, in pixels: the window text is a fixed 12 pixels high, so the
// legend keeps its size at every window size.
constexpr int kMargin_px = 8;  // from the plot's right edge, and kept from the window's
constexpr int kBox_px = 14;
constexpr int kBoxGap_px = 6;
constexpr int kRowGap_px = 3;
// The legend's top, below the Exit control and its word (down to 0.94 nLat).
constexpr double kLegendTop = 0.9;  // times nLat

int WidestPx(const plot::Canvas& canvas, const Legend& legend) {
    int widest = 0;
    for (const std::string& line : legend.heading)
        widest = std::max(widest, canvas.TextWidthPx(line));
    for (const KeyEntry& entry : legend.entries)
        widest = std::max(widest, kBox_px + kBoxGap_px + canvas.TextWidthPx(entry.label));
    return widest;
}

}  // namespace

void PaintSamples(plot::Canvas& canvas, const mastview::RadiusArea& area,
                  const std::function<QRgb(int x, int y)>& colourOf) {
    canvas.FinishPainting();
    const int firstColumn = std::max(0, canvas.PixelColumn(-0.5));
    const int lastColumn = std::min(canvas.WidthPx() - 1, canvas.PixelColumn(area.nLon + 0.5));
    const int firstRow = std::max(0, canvas.PixelRow(area.nLat + 0.5));
    const int lastRow = std::min(canvas.HeightPx() - 1, canvas.PixelRow(-0.5));
    std::vector<int> sampleX(static_cast<std::size_t>(std::max(0, lastColumn + 1)), -1);
    for (int px = firstColumn; px <= lastColumn; ++px) {
        const int x = static_cast<int>(std::lround(canvas.UserX(px + 0.5)));
        if (x >= 0 && x <= area.nLon) sampleX[static_cast<std::size_t>(px)] = x;
    }
    for (int py = firstRow; py <= lastRow; ++py) {
        const int y = static_cast<int>(std::lround(canvas.UserY(py + 0.5)));
        if (y < 0 || y > area.nLat) continue;
        std::uint32_t* line = canvas.ScanLine(py);
        for (int px = firstColumn; px <= lastColumn; ++px) {
            const int x = sampleX[static_cast<std::size_t>(px)];
            if (x >= 0) line[px] = colourOf(x, y);
        }
    }
}

int LegendWidthPx(const Legend& legend) {
    const plot::Canvas measure("", 1, 1);
    return kMargin_px + WidestPx(measure, legend) + kMargin_px;
}

int LegendStripPx(const Legend& legend, int size_px) {
    // The usual strip right of the plot (for the Exit control) already gives some room.
    const int usual_px = static_cast<int>(size_px * (kRightEdge - 1) / kRightEdge);
    return std::max(0, LegendWidthPx(legend) - usual_px);
}

void DrawLegend(plot::Canvas& canvas, const mastview::RadiusArea& area, const Legend& legend) {
    const int left = canvas.PixelColumn(area.nLon) + kMargin_px;
    int top = canvas.PixelRow(kLegendTop * area.nLat);
    const int lineHeight = canvas.TextHeightPx();
    canvas.SetTextBackground(std::nullopt);
    canvas.SetTextColour(console::kBlack);
    for (const std::string& line : legend.heading) {
        canvas.SetPosition(canvas.UserX(left + 0.5), canvas.UserY(top + 0.5));
        canvas.Print(line);
        top += lineHeight;
    }
    top += kRowGap_px;
    const int rowHeight = std::max(kBox_px, lineHeight) + kRowGap_px;
    for (const KeyEntry& entry : legend.entries) {
        canvas.FinishPainting();
        canvas.FillPixels(left, top, left + kBox_px - 1, top + kBox_px - 1, entry.colour);
        canvas.SetPosition(canvas.UserX(left + kBox_px + kBoxGap_px + 0.5),
                           canvas.UserY(top + (kBox_px - lineHeight) / 2 + 0.5));
        canvas.SetTextColour(console::kBlack);
        canvas.Print(entry.label);
        top += rowHeight;
    }
}

}  // namespace visplot
