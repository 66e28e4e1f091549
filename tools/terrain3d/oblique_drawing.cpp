#include "oblique_drawing.h"

#include <QColor>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "console/console_constants.h"
#include "plot/map_furniture.h"
#include "plot/no_data.h"
#include "plot/plot_controls.h"

namespace terrain3d {
namespace {

// The pixel that holds a fractional pixel coordinate; far-off values are held well outside.
int PixelIndex(double p) {
    const double f = std::floor(p);
    if (!(f > -1e8)) return -100000000;  // also NaN
    if (f > 1e8) return 100000000;
    return static_cast<int>(f);
}

}  // namespace

void PixelLine(plot::Canvas& canvas, int px1, int py1, int px2, int py2, std::uint32_t value) {
    const int w = canvas.WidthPx();
    const int h = canvas.HeightPx();
    // Wholly beyond one edge: nothing to draw (and no long walk outside the image).
    if ((px1 < 0 && px2 < 0) || (px1 >= w && px2 >= w) || (py1 < 0 && py2 < 0) ||
        (py1 >= h && py2 >= h))
        return;
    const int dx = std::abs(px2 - px1);
    const int dy = -std::abs(py2 - py1);
    const int stepX = px1 < px2 ? 1 : -1;
    const int stepY = py1 < py2 ? 1 : -1;
    int err = dx + dy;
    int x = px1;
    int y = py1;
    for (;;) {
        if (x >= 0 && x < w && y >= 0 && y < h) canvas.ScanLine(y)[x] = value;
        if (x == px2 && y == py2) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            y += stepY;
        }
    }
}

void DrawRows(plot::PlotWindow& window, const terrainmap::MapRectangle& area,
              const ObliqueView& view, const terrain::AreaGrid& grid, int x0, int y0,
              const console::Palette& palette) {
    plot::Canvas& canvas = window.Picture();
    std::array<std::uint32_t, console::kPaletteEntries> pixelOf{};
    for (int i = 0; i < console::kPaletteEntries; ++i) {
        const console::Rgb& c = palette[i];
        pixelOf[static_cast<std::size_t>(i)] = qRgb(c.red, c.green, c.blue);
    }
    const std::uint32_t noDataPixel =
        qRgb(plot::kNoDataColour.red, plot::kNoDataColour.green, plot::kNoDataColour.blue);
    const std::uint32_t seaPixel = qRgb(kSeaColour.red, kSeaColour.green, kSeaColour.blue);
    const int k = terrainmap::RepaintStep(area.nLat);
    canvas.FinishPainting();
    for (int y = area.nLat; y >= 0; --y) {
        int lastX = 0;
        int lastY = 0;
        for (int x = 0; x <= area.nLon; ++x) {
            const std::int32_t h = grid.At(x + x0, y + y0);
            const ViewPoint p = view.SamplePoint(x, y, h);
            const int px = PixelIndex(canvas.PixelX(p.x));
            const int py = PixelIndex(canvas.PixelY(p.y));
            const std::uint32_t value =
                grid.NoData().At(x + x0, y + y0) ? noDataPixel
                : h <= 0                         ? seaPixel
                         : pixelOf[static_cast<std::size_t>(view.ColourEntry(h))];
            // The row starts with a pixel at its first sample; each later sample draws the line
            // from the previous one.
            if (x == 0) {
                PixelLine(canvas, px, py, px, py, value);
            } else {
                PixelLine(canvas, lastX, lastY, px, py, value);
            }
            lastX = px;
            lastY = py;
        }
        if (y % k == 0) window.Repaint();
    }
    // Later drawing goes through the window again: it continues from the row's last point.
    const ViewPoint end = view.SamplePoint(area.nLon, 0, grid.At(area.nLon + x0, y0));
    canvas.SetPosition(end.x, end.y);
}

void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& /*area*/,
                      const ObliqueView& view, std::int32_t centreHeight_m) {
    const ViewPoint c = view.CentrePoint(centreHeight_m);
    plot::DrawCentreMarker(canvas, c.x, c.y);
}

plot::PixelBox DrawNorthArrow(plot::Canvas& canvas, const terrainmap::MapRectangle& area,
                              const ObliqueView& view) {
    // North is where the rows move as they go north: right by ShiftRight, up by ShiftUp / cos φ0.
    const double dx = canvas.PixelX(view.ShiftRight()) - canvas.PixelX(0);
    const double dy = canvas.PixelY(view.ShiftUp() / view.CosLat0()) - canvas.PixelY(0);
    const plot::PixelBox field{canvas.PixelColumn(0), canvas.PixelRow(area.nLat),
                               canvas.PixelColumn(area.nLon) - 1, canvas.PixelRow(0)};
    return plot::DrawNorthArrow(canvas, field, dx, dy);
}

void DrawLinearLegend(plot::Canvas& canvas, const console::Palette& palette,
                      const terrainmap::MapRectangle& area, const ObliqueView& view) {
    canvas.SetTextColour(console::kBlack);
    canvas.SetTextBackground(std::nullopt);
    plot::DrawColourLegend(canvas, palette, area.nLon, area.nLat,
                           [&view](int entry) { return view.EntryHeight(entry); });
}

}  // namespace terrain3d
