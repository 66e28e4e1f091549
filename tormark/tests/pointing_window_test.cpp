// The Pointing window as it is seen: each value level with its caption (they used to sit at the
// top of tall boxes beside captions centred lower down), at the scale factor of the run (ctest
// runs it again at 1.5 and 2).

#include "pointing_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "main_window.h"
#include "test_support.h"
#include "window_with_home.h"

namespace tormark {
namespace {

// The first and last rows of `rect` (window pixels) in which the picture has dark ink, in the
// picture's own pixels; nothing when there is none.
std::optional<std::pair<int, int>> InkRows(const QImage& picture, const QRect& rect) {
    const double ratio = picture.devicePixelRatio();
    const QRect r = QRect(rect.topLeft() * ratio, rect.size() * ratio).intersected(picture.rect());
    std::optional<std::pair<int, int>> rows;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(picture.pixel(x, y)) >= 110) continue;
            if (!rows) rows = {y, y};
            rows->second = y;
            break;
        }
    }
    return rows;
}

TEST(PointingWindow, EachValueIsLevelWithItsCaption) {
    test::WindowWithHome home;
    ASSERT_TRUE(home.exposed);
    MainWindow& window = home.window;
    window.TypeAndUse("52.1N 0.05E");
    PointingWindow& pointing = *window.pointingWindow();
    ASSERT_TRUE(pointing.isVisible());

    // Captions and values without descenders below the line, so that their tops and their
    // baselines can both be compared: the label's text is set for the test.
    const struct {
        const char* label;
        const char* box;
    } rows[] = {{"Label5", "BearText"},
                {"Label6", "BackBearText"},
                {"Label4", "DistText"},
                {"Label12", "UncertText"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        auto* label = Named<QLabel>(pointing, row.label);
        auto* box = Named<QLineEdit>(pointing, row.box);
        ASSERT_TRUE(box->isVisible());
        label->setText("HE");
        box->setText("HE");
        const QImage shot = pointing.grab().toImage();
        const double ratio = shot.devicePixelRatio();
        // The box's frame is not ink of its text: only inside the frame.
        const auto caption = InkRows(shot, label->geometry());
        const auto value = InkRows(shot, box->geometry().adjusted(3, 3, -3, -3));
        ASSERT_TRUE(caption && value);
        EXPECT_LE(std::abs(caption->first - value->first), 1 + ratio)
            << caption->first << " " << value->first;
        EXPECT_LE(std::abs(caption->second - value->second), 1 + ratio)
            << caption->second << " " << value->second;
    }
}

}  // namespace
}  // namespace tormark
