#include "oblique_drawing.h"

#include <cmath>
#include <string>

#include "console/console_constants.h"
#include "console/picture_mask.h"

namespace terrain3d {
namespace {

using console::Single;

// The legend's place, as shares of nLon and nLat (the same as terrainplot's legend).
constexpr double kBarLeft = Single(1.007f);
constexpr double kBarRight = Single(1.03f);
constexpr double kBarBottom = Single(0.3f);
constexpr double kBarTop = Single(0.55f);
constexpr double kLabelRaise = Single(0.01f);
constexpr double kCaptionY = Single(0.59f);
constexpr double kBarEntriesPerNLat = 1024;  // bar height: 256 entries over nLat/4
constexpr int kLabelEvery = 32;
constexpr double kCentreMarkerShare = 200;  // marker half-width nLon / 200

}  // namespace

void DrawRows(console::PlotWindow& window, const terrainplot::PlotArea& area,
              const ObliqueView& view, const console::AreaGrid& grid, int x0, int y0,
              const console::Palette& palette) {
    const int k = terrainplot::RepaintStep(area.nLat);
    for (int y = area.nLat; y >= 0; --y) {
        for (int x = 0; x <= area.nLon; ++x) {
            const std::int32_t h = grid.At(x + x0, y + y0);
            const ViewPoint p = view.SamplePoint(x, y, h);
            const console::Rgb& colour = palette[view.ColourEntry(h)];
            if (x == 0) {
                window.SetPixel(p.x, p.y, colour);
            } else {
                window.LineTo(p.x, p.y, colour);
            }
        }
        if (y % k == 0) window.Repaint();
    }
}

void DrawCentreMarker(console::PlotWindow& window, const terrainplot::PlotArea& area,
                      const ObliqueView& view, std::int32_t centreHeight_m) {
    const ViewPoint c = view.CentrePoint(centreHeight_m);
    const double e = area.nLon / kCentreMarkerShare;
    const double cosLat0 = view.CosLat0();
    window.Rectangle(c.x - e, c.y - e * cosLat0, c.x + e, c.y + e * cosLat0, console::kBlack,
                     console::kWhite);
}

void DrawLinearLegend(console::PlotWindow& window, const console::Palette& palette,
                      const terrainplot::PlotArea& area, const ObliqueView& view) {
    const double nLon = area.nLon;
    const double nLat = area.nLat;
    window.SetTextColour(console::kBlack);
    window.SetTextBackground(std::nullopt);
    for (int i = 0; i < console::kPaletteEntries; ++i) {
        const double y = nLat * (i / kBarEntriesPerNLat + kBarBottom);
        window.Line(kBarLeft * nLon, y, kBarRight * nLon, y, palette[i]);
        if (i % kLabelEvery == 0 || i == console::kPaletteEntries - 1) {
            window.SetPosition(kBarRight * nLon, y + kLabelRaise * nLat);
            window.Print(console::FormatMask("####", {view.EntryHeight(i)}));
        }
    }
    window.Rectangle(kBarLeft * nLon, kBarBottom * nLat, kBarRight * nLon, kBarTop * nLat,
                     console::kBlack);
    window.SetPosition(kBarLeft * nLon, kCaptionY * nLat);
    window.Print("Height m");
}

}  // namespace terrain3d
