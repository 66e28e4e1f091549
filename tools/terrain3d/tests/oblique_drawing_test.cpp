// The one-pixel lines terrain3d writes straight into the plot's image.
#include "terrain3d/oblique_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <utility>

#include "plot/canvas.h"

namespace terrain3d {
namespace {

constexpr std::uint32_t kInk = 0xFF123456;

std::set<std::pair<int, int>> Inked(plot::Canvas& w) {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < w.HeightPx(); ++y)
        for (int x = 0; x < w.WidthPx(); ++x)
            if (w.ScanLine(y)[x] == kInk) s.insert({x, y});
    return s;
}

class PixelLineTest : public ::testing::Test {
  protected:
    void SetUp() override { canvas_.FinishPainting(); }
    void Clear() { canvas_.FillPixels(0, 0, 39, 19, console::kBlack); }
    plot::Canvas canvas_{"lines", 40, 20};
};

TEST_F(PixelLineTest, BothEndsAndOnePixelPerStepAlongTheLongerAxis) {
    Clear();
    PixelLine(canvas_, 2, 3, 9, 6, kInk);
    const auto forward = Inked(canvas_);
    EXPECT_EQ(forward.size(), 8u);  // columns 2 … 9, one pixel each
    EXPECT_TRUE(forward.count({2, 3}));
    EXPECT_TRUE(forward.count({9, 6}));
    for (int x = 2; x <= 9; ++x) {
        int inColumn = 0;
        for (const auto& p : forward) inColumn += p.first == x;
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
    // Steep: one pixel per row.
    Clear();
    PixelLine(canvas_, 30, 1, 28, 15, kInk);
    EXPECT_EQ(Inked(canvas_).size(), 15u);
    // A zero-length line is its one pixel.
    Clear();
    PixelLine(canvas_, 5, 5, 5, 5, kInk);
    EXPECT_EQ(Inked(canvas_), (std::set<std::pair<int, int>>{{5, 5}}));
}

TEST_F(PixelLineTest, PixelsOutsideTheImageAreSkipped) {
    Clear();
    PixelLine(canvas_, -50, 4, 5, 4, kInk);  // starts far left of the image
    EXPECT_EQ(Inked(canvas_).size(), 6u);    // columns 0 … 5
    Clear();
    PixelLine(canvas_, 10, -100000000, 12, -5, kInk);  // wholly above: nothing, at once
    PixelLine(canvas_, 45, 2, 60, 9, kInk);            // wholly right
    EXPECT_TRUE(Inked(canvas_).empty());
    Clear();
    PixelLine(canvas_, 35, 18, 45, 25, kInk);  // leaves through the bottom-right corner
    for (const auto& p : Inked(canvas_)) {
        EXPECT_LT(p.first, 40);
        EXPECT_LT(p.second, 20);
    }
    EXPECT_FALSE(Inked(canvas_).empty());
}

}  // namespace
}  // namespace terrain3d
