#include "compass.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <numbers>

#include "main_window.h"
#include "picture_box.h"
#include "pointing_window.h"
#include "test_support.h"
#include "testing/darkest_near.h"
#include "window_with_home.h"

namespace tormark {
namespace {

// The picture of the Pointing window: 855 twips square, 57 pixels.
constexpr int kSide = 57;

QImage Compass(double bearing_deg) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    DrawCompass(image, Qt::black, QFont("DejaVu Sans", 8), bearing_deg);
    return image;
}

// A canvas of `width` x `height` window pixels at a device pixel ratio, as a picture control
// has on a screen of that scale factor.
QImage Canvas(int width, int height, double ratio) {
    QImage image(QSize(width, height) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// The bearing at which the needle is drawn, measured on the picture's own pixels: the mean
// direction of the dark grey ink between 0.3 and 0.8 of a needle from the middle of the largest
// square (clear of the red circle and of the letters), clockwise from up. Works on the picture
// alone, so a drawing squashed across or down shows its wrong angle.
double DrawnBearing(const QImage& image) {
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double needlePx = std::min(image.width(), image.height()) / (2 * kCompassHalfSpan);
    double east = 0, north = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const int gray = qGray(p.rgb());
            if (gray >= 160 || std::abs(p.red() - p.green()) > 40) continue;  // background, red
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double r = std::hypot(dx, dy);
            if (r < 0.3 * needlePx || r > 0.8 * needlePx) continue;
            east += (255 - gray) * dx / r;
            north -= (255 - gray) * dy / r;
        }
    }
    const double bearing = std::atan2(east, north) * 180.0 / std::numbers::pi;
    return bearing < 0 ? bearing + 360.0 : bearing;
}

// How far apart two bearings are, degrees (0..180).
double BearingGap(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Whether nothing but the background touches the picture's edge.
bool EdgeIsBlank(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, 0) != kCompassBackColor ||
            image.pixelColor(x, image.height() - 1) != kCompassBackColor)
            return false;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(0, y) != kCompassBackColor ||
            image.pixelColor(image.width() - 1, y) != kCompassBackColor)
            return false;
    return true;
}

// The darkest grey level in the 3x3 pixels round a point in user units.
int DarkestNear(const QImage& image, QPointF user) {
    return qttest::DarkestNear(image, CompassToPixel(image, user).toPoint());
}

bool RedNear(const QImage& image, QPointF user) {
    const QPoint c = CompassToPixel(image, user).toPoint();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor p = image.pixelColor(c.x() + dx, c.y() + dy);
            if (p.red() > 200 && p.green() < 160 && p.blue() < 120) return true;
        }
    return false;
}

int DarkPixelsIn(const QImage& image, QPointF top_left, QPointF bottom_right) {
    const QRect r = QRectF(CompassToPixel(image, top_left), CompassToPixel(image, bottom_right))
                        .toAlignedRect()
                        .intersected(image.rect());
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

TEST(Compass, NeedlePointsClockwiseFromNorth) {
    const struct {
        double bearing, x, y;
    } cases[] = {{0, 0, -1}, {90, 1, 0}, {45, 0.7071068, -0.7071068}, {180, 0, 1}, {270, -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bearing);
        EXPECT_NEAR(CompassNeedleEnd(c.bearing).x(), c.x, 1e-7);
        EXPECT_NEAR(CompassNeedleEnd(c.bearing).y(), c.y, 1e-7);
    }
}

TEST(Compass, Bearing45DrawsTheNeedleUpAndRight) {
    const QImage ne = Compass(45);
    const QImage sw = Compass(225);
    const QPointF up_right(0.45, -0.45), down_left(-0.45, 0.45);
    EXPECT_LT(DarkestNear(ne, up_right), 128);
    EXPECT_EQ(DarkestNear(ne, down_left), qGray(kCompassBackColor.rgb()));
    EXPECT_LT(DarkestNear(sw, down_left), 128);
    EXPECT_EQ(DarkestNear(sw, up_right), qGray(kCompassBackColor.rgb()));
    // Beyond the needle's length nothing is drawn in that direction (inside the circle).
    EXPECT_EQ(ne.pixelColor(CompassToPixel(ne, {0.2, 0.6}).toPoint()), kCompassBackColor);
}

TEST(Compass, RedCircleAndLettersOnTheBackground) {
    const QImage image = Compass(45);
    EXPECT_EQ(image.pixelColor(1, kSide - 2), kCompassBackColor);
    EXPECT_TRUE(RedNear(image, {-0.9, 0}));
    EXPECT_TRUE(RedNear(image, {0, 0.9}));
    EXPECT_TRUE(RedNear(image, {0.9 * 0.7071068, 0.9 * 0.7071068}));
    EXPECT_FALSE(RedNear(image, {0.45, 0.45}));
    // Each letter leaves ink right of and below its top-left corner.
    EXPECT_GT(DarkPixelsIn(image, {-0.2, -1.5}, {0.2, -1.0}), 3) << "N";
    EXPECT_GT(DarkPixelsIn(image, {-0.2, 0.9}, {0.2, 1.5}), 3) << "S";
    EXPECT_GT(DarkPixelsIn(image, {-1.5, -0.35}, {-1.0, 0.2}), 3) << "W";
    EXPECT_GT(DarkPixelsIn(image, {1.2, -0.35}, {1.5, 0.2}), 3) << "E";
}

TEST(Compass, DrawPaintsThePictureControl) {
    PictureBox picture;
    picture.resize(kSide, kSide);
    picture.setFont(QFont("DejaVu Sans", 8));
    Draw(picture, 45);
    EXPECT_EQ(picture.backColor(), kCompassBackColor);
    // Drawn as on a canvas of the screen's pixel ratio.
    QImage expected = Canvas(kSide, kSide, picture.devicePixelRatioF());
    DrawCompass(expected, picture.palette().color(QPalette::WindowText), picture.font(), 45);
    EXPECT_EQ(picture.canvas(), expected);
    EXPECT_EQ(picture.canvas().devicePixelRatio(), picture.devicePixelRatioF());
    // Clearing leaves the compass background, without the drawing.
    picture.Clear();
    EXPECT_EQ(DarkestNear(picture.canvas(), {0.45, -0.45}), qGray(kCompassBackColor.rgb()));
}

// The angle of the needle on the canvas is the bearing, whatever the canvas's shape (the old
// 72 x 57 picture drew 16.5 degrees at about 21) and its device pixel ratio.
TEST(Compass, NeedleShowsTheTrueBearingOnAnyCanvas) {
    const struct {
        int width, height;
        double ratio;
    } canvases[] = {{57, 57, 1.0},  {72, 57, 1.0}, {57, 72, 1.0}, {91, 91, 1.0},
                    {115, 91, 1.0}, {91, 91, 1.5}, {91, 91, 2.0}};
    for (const auto& c : canvases) {
        for (double bearing : {16.5, 75.0, 135.0, 200.0, 300.0, 359.0}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.ratio
                                            << ", bearing " << bearing);
            QImage image = Canvas(c.width, c.height, c.ratio);
            DrawCompass(image, Qt::black, QFont("DejaVu Sans", 8), bearing);
            EXPECT_LT(BearingGap(DrawnBearing(image), bearing), 1.5) << DrawnBearing(image);
            // The circle is round: red at its radius on both diagonals (where no letter is).
            const double d = kCompassCircleRadius / std::sqrt(2.0);
            for (QPointF corner : {QPointF(d, d), QPointF(-d, d), QPointF(d, -d), QPointF(-d, -d)})
                EXPECT_TRUE(RedNear(image, corner)) << corner.x() << " " << corner.y();
        }
    }
}

// The letters are kept inside the picture, with a blank edge, at any scale and for a large font
// (at scale 1.5 "N" and "W" used to touch the edge).
TEST(Compass, LettersKeepClearOfTheEdge) {
    QFont large("DejaVu Sans");
    large.setPixelSize(16);
    for (const QFont& font : {QFont("DejaVu Sans", 8), large}) {
        for (double ratio : {1.0, 1.5, 2.0}) {
            SCOPED_TRACE(testing::Message() << font.pixelSize() << " px at " << ratio);
            QImage image = Canvas(kSide, kSide, ratio);
            DrawCompass(image, Qt::black, font, 0);
            EXPECT_TRUE(EdgeIsBlank(image));
            // Each letter is drawn, on its side of the circle.
            EXPECT_GT(DarkPixelsIn(image, {-0.4, -1.5}, {0.4, -0.95}), 3) << "N";
            EXPECT_GT(DarkPixelsIn(image, {-0.4, 0.95}, {0.4, 1.5}), 3) << "S";
            EXPECT_GT(DarkPixelsIn(image, {-1.5, -0.4}, {-0.95, 0.4}), 3) << "W";
            EXPECT_GT(DarkPixelsIn(image, {0.95, -0.4}, {1.5, 0.4}), 3) << "E";
        }
    }
}

// The compass as the window shows it, at the scale factor this run has (ctest runs this suite
// again at 1.5 and 2): a square control larger than the 57 pixels of old, drawn at the screen's
// pixel ratio, its needle at the bearing from home.
TEST(Compass, InThePointingWindowSquareAndTrue) {
    test::WindowWithHome home;
    ASSERT_TRUE(home.exposed);
    MainWindow& window = home.window;
    PictureBox& compass = window.pointingWindow()->compass();
    ASSERT_TRUE(compass.isVisible());
    EXPECT_EQ(compass.width(), compass.height());
    EXPECT_GT(compass.width(), 80);
    for (const char* site : {"52.1N 0.05E", "51.9N 0.2E", "51.95N 0.15W", "52.05N 0.2W"}) {
        SCOPED_TRACE(site);
        window.TypeAndUse(site);
        const double bearing = window.session().distBear.bearing_deg;
        const QImage shot = compass.grab().toImage();
        EXPECT_EQ(shot.size(), compass.size() * compass.devicePixelRatioF());
        EXPECT_EQ(shot.width(), shot.height());
        EXPECT_LT(BearingGap(DrawnBearing(shot), bearing), 1.5)
            << DrawnBearing(shot) << " for " << bearing;
        EXPECT_TRUE(EdgeIsBlank(shot));
    }
}

}  // namespace
}  // namespace tormark
