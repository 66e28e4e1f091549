// The map tools' shared furniture and colour key: drawn into canvases of the sizes the tools'
// windows take, read back pixel by pixel.
#include "plot/map_furniture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <set>

#include "plot/colour_legend.h"
#include "plot/place_text.h"
#include "plot/testing/text_layout.h"

namespace plot {
namespace {

using console::kWhite;
constexpr Rgb kBlack = kMapInk;  // the furniture's near-black
using console::Rgb;

Rgb PixelAt(Canvas& c, int px, int py) {
    c.FinishPainting();
    const QRgb v = c.Image().pixel(px, py);
    return Rgb{static_cast<std::uint8_t>(qRed(v)), static_cast<std::uint8_t>(qGreen(v)),
               static_cast<std::uint8_t>(qBlue(v))};
}

// A scale of 256 greys, entry e the grey e, and labels at every 16th entry.
ColourScale Greys() {
    ColourScale s;
    s.title = {"Grey", "level"};
    s.entries = 256;
    s.colour = [](int e) {
        const auto g = static_cast<std::uint8_t>(e);
        return Rgb{g, g, static_cast<std::uint8_t>(255 - e)};  // never white, never repeated
    };
    for (int e = 0; e < 256; e += 16) s.labels.push_back({e, std::to_string(e)});
    return s;
}

TEST(ColourScale, BarHasEveryRowPaintedInOrderAtAnySize) {
    for (const int size : {100, 300, 600, 1100, 2000}) {
        SCOPED_TRACE(size);
        Canvas canvas("key", size * 14 / 10, size);
        const PixelBox plate =
            DrawColourScale(canvas, Greys(), canvas.WidthPx() - 3, size / 5, size * 4 / 5);
        EXPECT_EQ(plate.right, canvas.WidthPx() - 3);
        EXPECT_EQ(plate.top, size / 5);
        EXPECT_EQ(plate.bottom, size * 4 / 5);
        EXPECT_EQ(testing::TextLayoutFaults(canvas), std::vector<std::string>{});
        if (size < 300) continue;  // too small a plate for a bar: the labels stay apart still
        // Walk down the bar's middle column: every row a colour of the scale, the entries rising
        // towards the top without a white (unpainted) row anywhere.
        const int column = plate.left + std::max(3, LineHeightPx(canvas) / 3) + 4;
        int rows = 0, previous = 256;
        for (int y = plate.top + 1; y < plate.bottom; ++y) {
            const Rgb c = PixelAt(canvas, column, y);
            if (c == kWhite || c == console::kBlack) {
                EXPECT_EQ(rows == 0 || previous == 0, true) << "gap at row " << y;
                continue;
            }
            EXPECT_EQ(c.blue, 255 - c.red) << "row " << y;
            EXPECT_LE(c.red, previous) << "row " << y;
            previous = c.red;
            ++rows;
        }
        EXPECT_EQ(previous, 0);  // reaches the bottom entry
        EXPECT_GT(rows, size / 3);
    }
}

TEST(ColourScale, LabelsLeftOutRatherThanOverprintedAndEndsKept) {
    Canvas small("key", 420, 300);
    DrawColourScale(small, Greys(), 417, 100, 200);
    std::set<std::string> shown;
    for (const Canvas::TextBox& b : small.TextBoxes()) shown.insert(b.text);
    EXPECT_TRUE(shown.count("Grey") && shown.count("level"));
    EXPECT_TRUE(shown.count("0"));  // the first label wanted is always placed
    EXPECT_LT(shown.size(), 2u + 16u);
    EXPECT_EQ(testing::TextLayoutFaults(small), std::vector<std::string>{});

    Canvas large("key", 1540, 1100);
    DrawColourScale(large, Greys(), 1537, 200, 900);
    EXPECT_EQ(large.TextBoxes().size(), 2u + 16u);  // room for all
}

TEST(ColourScale, HeightKeyLabelsBothEndsFirstInWholeMetres) {
    const console::Palette palette = console::DefaultPalette();
    const ColourScale s = HeightScale(palette, [](int e) { return e * 1000.0 / 255; });
    ASSERT_GE(s.labels.size(), 3u);
    EXPECT_EQ(s.title, std::vector<std::string>{"Height m"});
    EXPECT_EQ(s.labels[0].entry, 0);
    EXPECT_EQ(s.labels[0].text, "0");
    EXPECT_EQ(s.labels[1].entry, 255);
    EXPECT_EQ(s.labels[1].text, "1000");
    EXPECT_EQ(s.labels[2].entry, 128);
    EXPECT_EQ(s.labels[2].text, "502");
    EXPECT_EQ(s.colour(200), palette[200]);
}

TEST(MapFurniture, CentreMarkerShowsOnWhiteAndOnBlack) {
    for (const Rgb ground : {kWhite, kBlack, Rgb{255, 255, 130}}) {
        Canvas canvas("marker", 840, 600, ground);
        DrawCentreMarker(canvas, 400, 300);
        const int s = CentreMarkerHalfPx(canvas);
        // Along the marker's left side, from outside in: black, white, white, black; the middle
        // keeps the ground.
        EXPECT_EQ(PixelAt(canvas, 400 - s, 300), kBlack);
        EXPECT_EQ(PixelAt(canvas, 400 - s + 1, 300), kWhite);
        EXPECT_EQ(PixelAt(canvas, 400 - s + 3, 300), kBlack);
        EXPECT_EQ(PixelAt(canvas, 400, 300), ground);
        EXPECT_EQ(PixelAt(canvas, 400 - s - 1, 300), ground);
    }
    Canvas large("marker", 1540, 1100);
    EXPECT_GT(CentreMarkerHalfPx(large), CentreMarkerHalfPx(Canvas("m", 840, 600)));
}

TEST(MapFurniture, SiteNamesNeverOverprintAndStayInside) {
    Canvas canvas("sites", 840, 600);
    const PixelBox within{0, 0, 799, 599};
    // Three sites on one spot, one near the right edge, one under a keep-out box.
    const std::vector<MapSite> sites{{"Alpha", 400, 300}, {"Beta", 400, 300},
                                     {"Gamma", 401, 301}, {"Delta Edge", 795, 100},
                                     {"Hidden", 50, 550}, {"", 600, 200}};
    const int named = DrawSites(canvas, sites, within, {{0, 500, 100, 599}});
    EXPECT_EQ(testing::TextLayoutFaults(canvas), std::vector<std::string>{});
    std::set<std::string> shown;
    for (const Canvas::TextBox& b : canvas.TextBoxes()) {
        shown.insert(b.text);
        EXPECT_LE(b.left_px + b.width_px - 1, within.right) << b.text;
    }
    EXPECT_EQ(named, static_cast<int>(shown.size()));
    EXPECT_TRUE(shown.count("Alpha"));
    EXPECT_TRUE(shown.count("Delta Edge"));  // moved to the left of its square
    EXPECT_FALSE(shown.count("Hidden"));
    EXPECT_LE(named, 5);
    // The square of an unnamed site is drawn: white inside, black round.
    EXPECT_EQ(PixelAt(canvas, 600, 200), kWhite);
    // Nothing is drawn under the keep-out box.
    EXPECT_EQ(PixelAt(canvas, 50, 550), kWhite);
}

TEST(MapFurniture, ScaleBarIsARoundLengthOfAQuarterAtMost) {
    EXPECT_DOUBLE_EQ(ScaleBarKm(40), 10);
    EXPECT_DOUBLE_EQ(ScaleBarKm(100), 20);
    EXPECT_DOUBLE_EQ(ScaleBarKm(7), 1);
    EXPECT_DOUBLE_EQ(ScaleBarKm(2.8), 0.5);
    EXPECT_DOUBLE_EQ(ScaleBarKm(0), 0);

    Canvas canvas("bar", 840, 600);
    const PixelBox map{0, 0, 783, 581};
    const double pxPerKm = 784 / 56.0;  // a 56 km map: a 10 km bar of 140 pixels
    const PixelBox plate = DrawScaleBar(canvas, pxPerKm, map);
    ASSERT_EQ(canvas.TextBoxes().size(), 1u);
    EXPECT_EQ(canvas.TextBoxes()[0].text, "10 km");
    EXPECT_GE(plate.left, map.left);
    EXPECT_LE(plate.bottom, map.bottom);
    // The black half of the bar is 70 pixels long.
    int black = 0;
    const int m = std::max(3, LineHeightPx(canvas) / 3);
    const int row = plate.top + m + LineHeightPx(canvas) / 2;
    for (int x = plate.left + 1; x <= plate.left + m + 140; ++x)
        if (PixelAt(canvas, x, row) == kBlack) ++black;
    EXPECT_GE(black, 70);
    EXPECT_LE(black, 72);  // and the end of the white half's frame
}

TEST(MapFurniture, NorthArrowPointsTheWayAsked) {
    // Pointing up: the arrowhead's tip is near the top, its barbs wider at the bottom.
    Canvas canvas("arrow", 840, 600);
    const PixelBox plate = DrawNorthArrow(canvas, {0, 0, 799, 599});
    ASSERT_EQ(canvas.TextBoxes().size(), 1u);
    EXPECT_EQ(canvas.TextBoxes()[0].text, "N");
    const auto blackIn = [&](Canvas& c, int y) {
        int n = 0;
        for (int x = plate.left + 1; x < plate.right; ++x) n += PixelAt(c, x, y) == kBlack;
        return n;
    };
    const int arrowTop = canvas.TextBoxes()[0].top_px + LineHeightPx(canvas);
    EXPECT_LT(blackIn(canvas, arrowTop + 5), blackIn(canvas, plate.bottom - 8));

    // Pointing right: the tip on the right, narrower than the barbs on the left.
    Canvas east("arrow", 840, 600);
    const PixelBox p2 = DrawNorthArrow(east, {0, 0, 799, 599}, 1, 0);
    const int r = std::max(14, 2 * LineHeightPx(east)) / 2;
    const int cx = (p2.left + p2.right + 1) / 2;
    const auto blackInColumn = [&](int x) {
        int n = 0;
        for (int y = p2.top + 1; y < p2.bottom; ++y) n += PixelAt(east, x, y) == kBlack;
        return n;
    };
    EXPECT_GT(blackInColumn(cx + r / 2), 0);
    EXPECT_LT(blackInColumn(cx + r / 2), blackInColumn(cx - r / 2));
}

TEST(PlaceText, NameGridReferenceAndPosition) {
    const std::string nbsp = "\u00A0";  // kept together when a title line wraps
    const std::string pike = PlaceText("Scafell Pike", 54.4543, -3.2117);
    EXPECT_EQ(pike.find("Scafell Pike  NY215"), 0u) << pike;
    const std::string position = "  54.4543°N" + nbsp + "3.2117°W";
    EXPECT_EQ(pike.substr(pike.size() - position.size()), position) << pike;
    EXPECT_EQ(pike.find(' ', 14), 14 + 6 + nbsp.size() + 4) << pike;  // "NY2154 0722" unbroken
    // A grid reference typed as the centre is not repeated; off the grid only the position.
    EXPECT_EQ(PlaceText("NY2154 0722", 54.4543, -3.2117).find("NY2154 0722  54.4"), 0u);
    EXPECT_EQ(PlaceText("Paris", 48.8566, 2.3522), "Paris  48.8566°N" + nbsp + "2.3522°E");
}

}  // namespace
}  // namespace plot
