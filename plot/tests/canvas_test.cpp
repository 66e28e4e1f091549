// Drawing on a canvas: pixels, rectangles, pen styles and text land where the user coordinates
// say, with no window at all.
#include "plot/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "plot/testing/text_layout.h"

namespace plot {
namespace {

using console::kBlack;
using console::kPureBlue;
using console::kPureRed;
using console::kWhite;

Rgb PixelAt(const Canvas& c, int px, int py) {
    QRgb p = c.Image().pixel(px, py);
    return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p))};
}

// A plot of 100 x 100 user units with the tools' margins on a 214 x 206 pixel picture:
// two pixels per unit, x from 0 to 107, y from 100 down to -3.
struct Plot {
    Plot() : canvas("test plot", 214, 206) { canvas.SetScale(0, 100, 107, -3); }
    Canvas canvas;
};

TEST(Canvas, UserCoordinatesRunUpwards) {
    Plot plot;
    Canvas& w = plot.canvas;
    EXPECT_DOUBLE_EQ(w.PixelX(0), 0);
    EXPECT_DOUBLE_EQ(w.PixelX(107), 214);
    EXPECT_DOUBLE_EQ(w.PixelY(100), 0);
    EXPECT_DOUBLE_EQ(w.PixelY(-3), 206);
    EXPECT_DOUBLE_EQ(w.UserX(w.PixelX(12.5)), 12.5);
    EXPECT_DOUBLE_EQ(w.UserY(w.PixelY(40.25)), 40.25);

    w.SetPixel(10.2, 50.2, kPureRed);  // pixel column 20, row (100 - 50.2) * 2 = 99.6 -> 99
    EXPECT_EQ(w.PixelColumn(10.2), 20);
    EXPECT_EQ(w.PixelRow(50.2), 99);
    EXPECT_EQ(w.PixelRow(-1e300), 100000000);
    EXPECT_EQ(PixelAt(w, 20, 99), kPureRed);
    EXPECT_EQ(PixelAt(w, 20, 100), kWhite);
    EXPECT_DOUBLE_EQ(w.CurrentX(), 10.2);  // the pixel moves the current position
    w.SetPixel(-1, 50, kPureRed);          // clipped, no crash
    w.SetPixel(1e30, -1e30, kPureRed);
}

TEST(Canvas, RectanglesIncludeBothCorners) {
    Plot plot;
    Canvas& w = plot.canvas;
    w.Rectangle(10, 60, 20, 50, kBlack, kPureBlue);  // pixels x 20..40, y 80..100
    EXPECT_EQ(PixelAt(w, 20, 80), kBlack);
    EXPECT_EQ(PixelAt(w, 40, 100), kBlack);
    EXPECT_EQ(PixelAt(w, 30, 90), kPureBlue);
    EXPECT_EQ(PixelAt(w, 41, 90), kWhite);
    w.Rectangle(50, 60, 60, 50, kPureRed);  // hollow
    EXPECT_EQ(PixelAt(w, 100, 80), kPureRed);
    EXPECT_EQ(PixelAt(w, 110, 90), kWhite);
}

TEST(Canvas, FillPixelsIsClippedToThePicture) {
    Canvas c("fill", 10, 8);
    c.FillPixels(8, 6, 40, -5, kPureRed);  // corners in either order, mostly outside
    EXPECT_EQ(PixelAt(c, 9, 0), kPureRed);
    EXPECT_EQ(PixelAt(c, 8, 6), kPureRed);
    EXPECT_EQ(PixelAt(c, 7, 6), kWhite);
    EXPECT_EQ(PixelAt(c, 9, 7), kWhite);
    EXPECT_EQ(c.ScanLine(8), nullptr);
    EXPECT_EQ(c.ScanLine(-1), nullptr);
    c.FillPixels(20, 20, 30, 30, kBlack);  // wholly outside: nothing, no crash
}

TEST(Canvas, LinesWithPenStyles) {
    Plot plot;
    Canvas& w = plot.canvas;
    w.SetPen(PenStyle::kSolid, 1);
    w.Line(0, 90, 100, 90, kPureRed);  // row 20
    int solid = 0;
    for (int x = 0; x < 200; ++x) solid += PixelAt(w, x, 20) == kPureRed;
    EXPECT_GE(solid, 199);
    w.SetPen(2, 1);  // dotted
    w.SetPosition(0, 80);
    w.LineTo(100, 80, kPureBlue);  // row 40
    w.FinishPainting();
    int dotted = 0;
    for (int x = 0; x < 200; ++x) dotted += PixelAt(w, x, 40) == kPureBlue;
    EXPECT_GT(dotted, 40);
    EXPECT_LT(dotted, 160);
    EXPECT_DOUBLE_EQ(w.CurrentX(), 100);
}

TEST(Canvas, TextMovesAlongTheLineAndUsesItsBackground) {
    EXPECT_EQ(QFontInfo(QFont("DejaVu Sans", 12)).family(), "DejaVu Sans");
    Plot plot;
    Canvas& w = plot.canvas;
    w.SetPosition(10, 90);
    w.SetTextColour(kBlack);
    w.SetTextBackground(kPureBlue);
    w.Print("Exit");
    EXPECT_GT(w.CurrentX(), 10);
    double afterFirst = w.CurrentX();
    w.Print("more");
    EXPECT_GT(w.CurrentX(), afterFirst);
    w.FinishPainting();
    EXPECT_EQ(PixelAt(w, 20, 20), kPureBlue);  // background at the top-left corner
    w.PrintLine("");
    EXPECT_DOUBLE_EQ(w.CurrentX(), 0);
    EXPECT_NEAR(w.CurrentY(), 90 - w.TextHeightUser(), 0.5);
    // One text line in pixel rows: the user height at two pixels per unit, whole rows.
    EXPECT_NEAR(w.TextHeightPx(), 2 * w.TextHeightUser(), 1);
    w.FinishPainting();
    int black = 0;
    for (int y = 20; y < 35; ++y)
        for (int x = 20; x < 60; ++x) black += PixelAt(w, x, y) == kBlack;
    EXPECT_GT(black, 10);  // glyphs were drawn
}

// Labels keep today's 12 px on pictures up to 660 px and grow with larger ones; every Print is
// recorded where it landed, so tests can find labels off the picture or over one another.
TEST(Canvas, TextGrowsWithThePictureAndItsBoxesAreChecked) {
    EXPECT_EQ(Canvas("small", 300, 300).TextPixelSize(), 12);
    EXPECT_EQ(Canvas("default", 660, 900).TextPixelSize(), 12);
    EXPECT_EQ(Canvas("large", 1100, 1100).TextPixelSize(), 20);

    Plot plot;
    Canvas& w = plot.canvas;
    EXPECT_TRUE(testing::TextLayoutFaults(w).empty());
    w.SetPosition(10, 90);
    w.PrintLine("first");
    w.Print("second");  // one line down: touching the first, not over it
    ASSERT_EQ(w.TextBoxes().size(), 2u);
    EXPECT_EQ(w.TextBoxes()[0].text, "first");
    EXPECT_EQ(w.TextBoxes()[0].left_px, 20);
    EXPECT_EQ(w.TextBoxes()[0].width_px, w.TextWidthPx("first"));
    EXPECT_TRUE(testing::TextLayoutFaults(w).empty());

    w.SetPosition(12, 90);
    w.Print("over");  // on top of "first"
    w.SetPosition(105, 50);
    w.Print("edge");  // runs off the right edge
    const std::vector<std::string> faults = testing::TextLayoutFaults(w);
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[0].find("overlap: \"first\""), std::string::npos) << faults[0];
    EXPECT_NE(faults[1].find("off the 214 x 206 picture: \"edge\""), std::string::npos)
        << faults[1];
}

// The title strip: above the plot in the composed picture, its lines wrapped to the width,
// nothing at all without one.
TEST(Canvas, TitleStripSitsAboveThePlot) {
    Plot plot;
    Canvas& w = plot.canvas;
    w.FillPixels(0, 0, 213, 205, kPureRed);
    EXPECT_EQ(w.TitleStripHeightPx(), 0);
    EXPECT_EQ(w.ComposedImage().height(), 206);

    w.SetTitleStrip({"One line"});
    const int one = w.TitleStripHeightPx();
    EXPECT_GT(one, 12);
    w.SetTitleStrip({"A title line far too long for a picture only 214 pixels wide to hold"});
    EXPECT_GT(w.TitleStripHeightPx(), one);  // wrapped onto more lines

    w.FinishPainting();
    const QImage composed = w.ComposedImage();
    const int strip = w.TitleStripHeightPx();
    ASSERT_EQ(composed.height(), 206 + strip);
    EXPECT_NE(composed.pixel(100, 1), qRgb(255, 0, 0));      // the strip
    EXPECT_EQ(composed.pixel(100, strip), qRgb(255, 0, 0));  // the plot's first row
    int black = 0;
    for (int y = 0; y < strip; ++y)
        for (int x = 0; x < 214; ++x) black += composed.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(black, 20);  // the title was written
}

}  // namespace
}  // namespace plot
