// The README's pictures (docs/*.png) against what its commands draw now: scripts/draw-docs-pictures
// draws them into a scratch folder and each one must match the committed picture pixel for pixel
// (the PNG bytes may differ where nothing visible does). A failure means the programs draw
// differently: draw the pictures again with the script and look at them before committing.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "console/testing/test_support.h"

namespace {

namespace fs = std::filesystem;

// The pixels of a PNG in one format, so that two files of the same picture compare equal
// whatever depth or colour type their encoder chose.
QImage Pixels(const fs::path& png) {
    return QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_ARGB32);
}

std::set<std::string> PngNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".png") names.insert(entry.path().filename().string());
    return names;
}

// Where the two pictures first differ, and in how many pixels; empty when they are the same.
std::string Difference(const QImage& committed, const QImage& drawn) {
    if (committed.size() != drawn.size())
        return "size " + std::to_string(committed.width()) + "x" +
               std::to_string(committed.height()) + " committed, " + std::to_string(drawn.width()) +
               "x" + std::to_string(drawn.height()) + " drawn";
    long differing = 0;
    std::string first;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (committed.pixel(x, y) == drawn.pixel(x, y)) continue;
            if (differing++ == 0) first = std::to_string(x) + "," + std::to_string(y);
        }
    }
    if (differing == 0) return "";
    return std::to_string(differing) + " pixels differ, the first at " + first;
}

TEST(DocsPictures, MatchWhatTheReadmeCommandsDraw) {
    const fs::path source = TORMARK_SOURCE_DIR;
    console::testing::TempDir drawn;
    const std::string command = "\"" + (source / "scripts/draw-docs-pictures").string() + "\" \"" +
                                TORMARK_BUILD_DIR + "\" \"" + drawn.Path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::set<std::string> committed = PngNames(source / "docs");
    ASSERT_FALSE(committed.empty());
    EXPECT_EQ(PngNames(drawn.Path()), committed)
        << "the README's commands draw other pictures than docs/ holds";
    for (const std::string& name : committed) {
        SCOPED_TRACE(name);
        const QImage old = Pixels(source / "docs" / name);
        ASSERT_FALSE(old.isNull()) << "docs/" << name << " does not read as a picture";
        if (!fs::exists(drawn.Path() / name)) continue;  // reported above
        const QImage now = Pixels(drawn.Path() / name);
        ASSERT_FALSE(now.isNull());
        EXPECT_EQ(Difference(old, now), "")
            << "docs/" << name << " is not what the programs draw now: run "
            << "scripts/draw-docs-pictures and look at the pictures before committing them";
    }
}

// The comparison itself: one changed pixel of a picture is found, a copy is not.
TEST(DocsPictures, OneChangedPixelIsADifference) {
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(QColor(10, 120, 200));
    QImage same = picture.copy();
    EXPECT_EQ(Difference(picture, same), "");
    same.setPixelColor(17, 23, QColor(10, 120, 201));
    EXPECT_EQ(Difference(picture, same), "1 pixels differ, the first at 17,23");
    EXPECT_EQ(Difference(picture, picture.scaled(40, 31)), "size 40x30 committed, 40x31 drawn");
}

}  // namespace
