#include "compass.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>

#include "picture_box.h"
#include "testing/darkest_near.h"

namespace tormark {
namespace {

// The picture of the Pointing window: 855 twips square, 57 pixels.
constexpr int kSide = 57;

QImage Compass(double bearing_deg) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    DrawCompass(image, Qt::black, QFont("DejaVu Sans", 8), bearing_deg);
    return image;
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
    EXPECT_EQ(picture.canvas(), Compass(45));
    // Clearing leaves the compass background, without the drawing.
    picture.Clear();
    EXPECT_EQ(DarkestNear(picture.canvas(), {0.45, -0.45}), qGray(kCompassBackColor.rgb()));
}

}  // namespace
}  // namespace tormark
