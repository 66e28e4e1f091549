// Every text fits its control: the longest texts of each control of the main window and the
// Pointing window, and the texts real inputs give, at the scale the test runs with (ctest runs
// this suite again with QT_SCALE_FACTOR 1.5 and 2). Also where the companion windows open, and
// the --screenshot picture.

#include "text_fit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "longest_texts.h"
#include "main_window.h"
#include "test_support.h"
#include "twips.h"
#include "window_places.h"

namespace tormark {
namespace {

// Fails with the control's name and the text when the text is cut.
void ExpectShownWhole(const QWidget& control, const QString& text) {
    EXPECT_TRUE(TextFits(control, text))
        << control.objectName().toStdString() << " cuts \"" << text.toStdString() << "\" ("
        << QFontMetrics(control.font()).horizontalAdvance(text) << " px in "
        << TextRoom(control).width() << " x " << TextRoom(control).height() << ")";
}

class TextFit : public ::testing::Test {
  protected:
    void SetUp() override {
        store = test::TempStore(dir);
        window = std::make_unique<MainWindow>(*store);
        window->setMessageHandler([](const QString&) {});
        window->setDatabasePath(QString::fromStdString(
            test::WriteFile(dir, "Sites.dat", {"Ten Km Square~SU12", "Hill Top~ST4523 8150"})));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window->close(); }
    // The text each control shows now fits it.
    void ExpectAllShownWhole(const QWidget& w) {
        for (const auto* edit : w.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
            if (edit->objectName() != "InputText" && edit->objectName() != "Ipt" &&
                edit->objectName() != "LocDatabase")
                ExpectShownWhole(*edit, edit->text());
        for (const auto* label : w.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            if (label->objectName() != "BaseLocLbl") ExpectShownWhole(*label, label->text());
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> window;
};

TEST_F(TextFit, TheLongestTextOfEveryControlFits) {
    for (auto* w : std::initializer_list<QWidget*>{window.get(), window->pointingWindow()}) {
        const std::vector<ControlTexts> needs =
            w == window.get() ? MainWindowTexts(*w) : PointingWindowTexts(*w);
        EXPECT_GE(needs.size(), 5u);
        for (const ControlTexts& need : needs)
            for (const QString& text : need.texts) ExpectShownWhole(*need.control, text);
    }
    // The cases seen cut before: a 4-digit height, a 5-digit grid reference, the panel caption.
    ExpectShownWhole(*Named<QLabel>(*window, "Ydim"), "4633m");
    ExpectShownWhole(*Named<QLabel>(*window, "Ydim"), "11132m");
    ExpectShownWhole(*Named<QLineEdit>(*window, "NGRText"), "TQ88888 88888");
    ExpectShownWhole(*Named<QLabel>(*window, "Label9"), "through to  to bearing ");
    ExpectShownWhole(*Named<QCheckBox>(*window, "ShowAll"), "Show the results on screen");
    // The order of the controls is kept: the grid-reference box still starts right of the
    // locator box, the size label left of the cell picture.
    EXPECT_LE(Named<QLineEdit>(*window, "LocText")->x(), Named<QLineEdit>(*window, "NGRText")->x());
    EXPECT_LE(Named<QLabel>(*window, "Ydim")->geometry().right(),
              Named<QWidget>(*window, "Frame1")->x());
}

TEST_F(TextFit, WhatRealInputsShowFits) {
    window->TypeAndUse("Hill Top");
    window->PressSetAsHome();
    for (const char* text : {"51 30 12.3N 0 7 45.6W", "IO91IM", "SU1234567890", "Ten Km Square",
                             "-33.8568 151.2153", "58 36N 3 5W"}) {
        window->TypeAndUse(text);
        for (int format = 0; format < 3; ++format) {
            ExpectAllShownWhole(*window);
            ExpectAllShownWhole(*window->pointingWindow());
            QTest::mouseClick(Named<QPushButton>(*window, "LLfmt"), Qt::LeftButton);
        }
    }
}

TEST_F(TextFit, AControlTooSmallForItsTextIsFound) {
    QLabel label("A caption far too long for its label", window.get());
    label.setGeometry(0, 0, 40, 30);
    EXPECT_FALSE(TextFits(label, label.text()));
    label.setGeometry(0, 0, 400, 30);
    EXPECT_TRUE(TextFits(label, label.text()));
    label.setGeometry(0, 0, 400, 4);  // too low for one line
    EXPECT_FALSE(TextFits(label, label.text()));
    QPushButton button("&Lookup Database", window.get());
    button.setGeometry(0, 0, 40, 22);  // two lines do not fit in one line's height
    EXPECT_FALSE(TextFits(button, button.text()));
    button.setGeometry(0, 0, 200, 30);
    EXPECT_TRUE(TextFits(button, button.text()));
}

TEST(PlaceBeside, TheFirstSideWithRoomAndNeverOverTheAnchor) {
    const QRect screen(0, 0, 1920, 1080);
    const QRect main(0, 7, 650, 330);
    EXPECT_EQ(PlaceBeside(main, {300, 200}, screen, Side::kRight, 8), QPoint(658, 7));
    EXPECT_EQ(PlaceBeside(main, {800, 450}, screen, Side::kBelow, 8), QPoint(0, 345));
    // No room to the right: below.
    const QRect rightEdge(1500, 7, 400, 330);
    EXPECT_EQ(PlaceBeside(rightEdge, {300, 200}, screen, Side::kRight, 8), QPoint(1500, 345));
    // A screen too small for any side: on the screen, covering as little as it can.
    const QRect small(0, 0, 800, 600);
    const QPoint p = PlaceBeside(QRect(0, 0, 700, 500), {300, 200}, small, Side::kRight, 8);
    EXPECT_TRUE(small.contains(QRect(p, QSize(300, 200))));
    EXPECT_EQ(p, QPoint(0, 400));  // below covers 300 x 100, right would cover 200 x 200
}

// Run at scale 1 only: at scale 2 the offscreen screen is 400 x 400 and has no room beside.
using CompanionWindows = TextFit;

TEST_F(CompanionWindows, OpenBesideTheMainWindow) {
    window->TypeAndUse("Hill Top");
    window->PressSetAsHome();
    ASSERT_TRUE(window->pointingWindow()->isVisible());
    EXPECT_FALSE(window->pointingWindow()->frameGeometry().intersects(window->frameGeometry()))
        << "screen " << QGuiApplication::primaryScreen()->availableGeometry().width() << " x "
        << QGuiApplication::primaryScreen()->availableGeometry().height() << ", main at "
        << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
        << window->frameGeometry().width() << " x " << window->frameGeometry().height()
        << ", Pointing at " << window->pointingWindow()->frameGeometry().x() << ","
        << window->pointingWindow()->frameGeometry().y();
    QTest::mouseClick(Named<QLineEdit>(*window, "InputText"), Qt::LeftButton);
    QTest::mouseClick(Named<QPushButton>(*window, "Lookup"), Qt::LeftButton);
    ASSERT_TRUE(window->siteListWindow()->isVisible());
    // The list is larger than the offscreen screen (800 x 600) leaves beside the window; it
    // still leaves the input box and the database box free.
    const QRect list = window->siteListWindow()->frameGeometry();
    for (const char* name : {"InputText", "LocDatabase"}) {
        const QWidget* box = Named<QLineEdit>(*window, name);
        EXPECT_FALSE(list.intersects(QRect(box->mapToGlobal(QPoint(0, 0)), box->size())))
            << name << " list " << list.x() << "," << list.y() << " " << list.width() << "x"
            << list.height();
    }
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(list.topLeft()));
    // A place the list was moved to is kept.
    window->siteListWindow()->move(300, 40);
    QTest::mouseClick(Named<QLineEdit>(*window, "InputText"), Qt::LeftButton);  // closes it
    QTest::mouseClick(Named<QPushButton>(*window, "Lookup"), Qt::LeftButton);
    EXPECT_EQ(window->siteListWindow()->pos(), QPoint(300, 40));
}

TEST(Screenshot, DrawsTheWindowAndThePointingWindowIntoOnePng) {
    QTemporaryDir dir;
    const QString db =
        QString::fromStdString(test::WriteFile(dir, "Sites.dat", {"Hill Top~IO91IM"}));
    auto run = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");  // drawn without a display of its own accord
        p.setProcessEnvironment(env);
        p.start(TORMARK_EXE, args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return p.exitCode();
    };
    const QString alone = dir.filePath("alone.png"), both = dir.filePath("both.png");
    ASSERT_EQ(run({"--screenshot", alone, "--db", db, "SU1234567890"}), 0);
    ASSERT_EQ(run({"--screenshot", both, "--db", db, "--home", "hill top", "SU1234567890"}), 0);
    const QImage a(alone), b(both);
    ASSERT_FALSE(a.isNull());
    ASSERT_FALSE(b.isNull());
    // The Pointing window stands to the right of the same main window.
    EXPECT_GT(b.width(), a.width() + 100);
    EXPECT_EQ(b.height(), a.height());
    // The grid-reference box is yellow (a typed grid reference): the texts were resolved.
    int yellow = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixelColor(x, y) == QColor(255, 255, 90)) ++yellow;
    EXPECT_GT(yellow, 500);
    EXPECT_EQ(run({"--screenshot"}), 2);
}

}  // namespace
}  // namespace tormark
