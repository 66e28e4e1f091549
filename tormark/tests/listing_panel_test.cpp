// The listing panel of the main window: opening, List locals, the ShowAll click and the empty
// name box; and the date line in the user's locale.

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "listing_date.h"
#include "main_window.h"
#include "test_support.h"

namespace tormark {
namespace {

// The worked pair of the distance and bearing formulae: home 52 N 0 E, site 51.5 N 1 W.
const QString kWorkedLine =
    "Worked Site                                    IO91MM00AA  SU69511 78370 231.5  (50.7)  deg  "
    "  88.5   km                            ";

TEST(ListingDate, YearMonthDayWithASeparator) {
    EXPECT_TRUE(QString::fromStdString(TodayText())
                    .startsWith(QString::number(QDate::currentDate().year())))
        << TodayText();
    EXPECT_TRUE(QRegularExpression("^\\d{4}\\D\\d{2}\\D\\d{2}$")
                    .match(QString::fromStdString(TodayText()))
                    .hasMatch())
        << TodayText();
}

// The panel of the main window: opening, List locals, the ShowAll click and the empty name box.
class ListingPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir.path());
        store = test::TempStore(dir);
        w = std::make_unique<MainWindow>(*store);
        w->setMessageHandler([this](const QString& m) { messages << m; });
        w->setViewer([this](const QString& f) { viewed << f; });
        Named<QLineEdit>(*w, "LocDatabase")
            ->setText(QString::fromStdString(
                test::WriteFile(dir, "Sites.dat", {"Worked Site~51.5N 1W", "Far Site~IO80AA"})));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(Named<QLineEdit>(*w, "InputText"), Qt::LeftButton);
        QTest::keyClicks(Named<QLineEdit>(*w, "InputText"), "52N 0E");
        QTest::mouseClick(Named<QPushButton>(*w, "FindIt"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*w, "SetHome"), Qt::LeftButton);
    }
    void TearDown() override {
        w->close();
        QDir::setCurrent(QDir::homePath());
    }
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> w;
    QStringList messages, viewed;
};

TEST_F(ListingPanelTest, GenerateAfterShowAllGoesToTheDefaultName) {
    QTest::mouseClick(Named<QPushButton>(*w, "GenList"), Qt::LeftButton);
    EXPECT_FALSE(Named<QPushButton>(*w, "GenList")->isEnabled());
    QTest::mouseClick(Named<QCheckBox>(*w, "ShowAll"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(*w, "ListFileName")->text(), "");
    QTest::mouseClick(Named<QPushButton>(*w, "MakeList"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(*w, "ListFileName")->text(), "LISTFILE.TXT");
    ASSERT_EQ(viewed.size(), 1);
    EXPECT_EQ(viewed[0], "LISTFILE.TXT");
    const QStringList lines = test::ReadCrLfLines(dir.filePath("LISTFILE.TXT").toStdString());
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[3], "Distance and Bearings from 52N 0E");
    EXPECT_EQ(lines[8], kWorkedLine);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ListingPanelTest, ListLocalsWithThePanelNeverOpened) {
    Named<QLineEdit>(*w, "ListFileName")->setText(dir.filePath("locals.txt"));
    QTest::mouseClick(Named<QPushButton>(*w, "LocSites"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(*w, "MaxDistText")->text(), "20");
    const QStringList lines = test::ReadCrLfLines(dir.filePath("locals.txt").toStdString());
    ASSERT_EQ(lines.size(), 9);  // header only: both sites are further than 20 km
    EXPECT_EQ(lines[5], "Maximum distance 20");

    Named<QLineEdit>(*w, "ListFileName")->setText(dir.filePath("missing folder/x.txt"));
    QTest::mouseClick(Named<QPushButton>(*w, "LocSites"), Qt::LeftButton);
    EXPECT_EQ(messages,
              QStringList{"Path or filename error\n" + dir.filePath("missing folder/x.txt")});
    EXPECT_EQ(viewed.size(), 1);
}

}  // namespace
}  // namespace tormark
