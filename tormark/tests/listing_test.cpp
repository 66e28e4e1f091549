// The listing file, compared line by line: header lines and their conditions, the 132-character
// site lines, the empty line after every tenth site, the sector through north, and the errors.

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "listing_file.h"
#include "main_window.h"
#include "test_support.h"

namespace tormark {
namespace {

const char* const kDate = "2026/12/08";

// The worked pair of the distance and bearing formulae: home 52 N 0 E, site 51.5 N 1 W.
const QString kWorkedLine =
    "Worked Site                                    IO91MM00AA  SU69511 78370 231.5  (50.7)  deg  "
    "  88.5   km                            ";

QStringList Header(const QStringList& conditional) {
    QStringList lines{"Generated from    Tormark  Orvel", kDate, "",
                      "Distance and Bearings from 52N 0E", ""};
    lines << conditional;
    lines << ""
          << "   Sitename                                     Locator       NGR         To     "
             "Back           Distance"
          << "";
    return lines;
}

class ListingTest : public ::testing::Test {
  protected:
    void Home() {
        session.UseThis("52N 0E");
        session.SetAsHome("52N 0E", session.boxes.locator, session.boxes.ngr);
    }
    ListingOutcome Write(const QStringList& sites, ListingBoxes boxes = {}) {
        session.databasePath = test::WriteFile(dir, "Sites.dat", sites);
        if (boxes.fileName.empty()) boxes.fileName = out;
        return WriteListing(boxes, session, kDate);
    }
    QStringList Lines() const { return test::ReadCrLfLines(out); }

    QTemporaryDir dir;
    std::string out = dir.filePath("SITELIST.TXT").toStdString();
    SiteSession session;
};

TEST_F(ListingTest, DefaultLimitsListEverySiteWithAPosition) {
    Home();
    const ListingOutcome r = Write({"Worked Site~51.5N 1W", "No Position~hello", "Bare line",
                                    "Grid Site~TL4500 5800", "ENDENDEND", "Loc Site~io91im"});
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.sites, 3);
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.mid(0, 8), Header({}));
    EXPECT_EQ(lines[8], kWorkedLine);
    EXPECT_EQ(lines[8].size(), kSiteLineWidth);
    // A stored grid reference is listed as stored (blanks removed), a locator likewise.
    EXPECT_TRUE(lines[9].mid(47, 12).startsWith("JO02"));
    EXPECT_EQ(lines[9].mid(59, 10), "TL45005800");
    EXPECT_EQ(lines[10].mid(0, 8), "Loc Site");
    EXPECT_EQ(lines[10].mid(47, 6), "IO91IM");
    // The conversions leave the last site converted as the current one.
    EXPECT_NEAR(session.Lat, 51.518836, 1e-6);
    EXPECT_EQ(session.boxes.ydim, "4633m");
}

TEST_F(ListingTest, HeaderNamesEachRestriction) {
    Home();
    ListingBoxes boxes;
    boxes.minDist = "5";
    boxes.maxDist = "5000";
    boxes.fromBear = "350";
    boxes.toBear = "10.5";
    boxes.search = "hill";
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}, boxes).ok);
    EXPECT_EQ(Lines(), Header({"Minimum distance 5", "Maximum distance 5000",
                               "Bearings restricted to sites within350 to 10.5 deg",
                               "Only Sites with   'hill'   in their name"}));

    boxes = {};
    boxes.maxDist = "9999";
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}, boxes).ok);
    EXPECT_EQ(Lines().mid(0, 8), Header({}));
}

TEST_F(ListingTest, SectorThroughNorthAndNameSearch) {
    Home();
    const QStringList sites{"North West~52.5N 0.01W", "North East~52.5N 0.01E",
                            "Due South~51.5N 0E", "East Hill~52N 1E"};
    ListingBoxes boxes;
    boxes.fromBear = "350";
    boxes.toBear = "10";
    ASSERT_TRUE(Write(sites, boxes).ok);
    QStringList names;
    for (const QString& line : Lines().mid(9)) names << line.left(46).trimmed();
    EXPECT_EQ(names, (QStringList{"North West", "North East"}));

    boxes.fromBear = boxes.toBear = "90";
    EXPECT_EQ(Write(sites, boxes).sites, 0);

    boxes = {};
    boxes.search = "HILL";
    boxes.minDist = "60";
    EXPECT_EQ(Write(sites, boxes).sites, 1);
    EXPECT_TRUE(Lines().back().startsWith("East Hill"));
    boxes.search = "east h";
    EXPECT_EQ(Write(sites, boxes).sites, 1);
}

TEST_F(ListingTest, EmptyLineAfterEveryTenthSiteAndLongNamesCut) {
    Home();
    QStringList sites;
    for (int i = 0; i < 10; ++i) sites << QString("Site %1~5%2N 1W").arg(i).arg(i % 9);
    ASSERT_EQ(Write(sites).sites, 10);
    QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 8 + 10 + 1);
    EXPECT_EQ(lines.back(), "");

    sites.removeLast();
    ASSERT_EQ(Write(sites).sites, 9);
    EXPECT_FALSE(Lines().back().isEmpty());

    const QString name50 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
    ASSERT_EQ(name50.size(), 50);
    ASSERT_TRUE(Write({name50 + "~51.5N 1W"}).ok);
    lines = Lines();
    EXPECT_EQ(lines[8].left(47), name50.left(46) + " ");
    EXPECT_EQ(lines[8].mid(47), kWorkedLine.mid(47));
}

TEST_F(ListingTest, ErrorsLeaveAnEarlierListingIntact) {
    Home();
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}).ok);
    const QStringList before = Lines();

    session.databasePath = dir.filePath("missing.dat").toStdString();
    ListingBoxes boxes;
    boxes.fileName = out;
    ListingOutcome r = WriteListing(boxes, session, kDate);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Site datbase not found");

    boxes.fileName = dir.filePath("no such folder/list.txt").toStdString();
    r = Write({"Worked Site~51.5N 1W"}, boxes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Path or filename error");
    EXPECT_EQ(Lines(), before);
}

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
        w->LocDatabase->setText(QString::fromStdString(
            test::WriteFile(dir, "Sites.dat", {"Worked Site~51.5N 1W", "Far Site~IO80AA"})));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(w->InputText, Qt::LeftButton);
        QTest::keyClicks(w->InputText, "52N 0E");
        QTest::mouseClick(w->FindIt, Qt::LeftButton);
        QTest::mouseClick(w->SetHome, Qt::LeftButton);
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
    QTest::mouseClick(w->GenList, Qt::LeftButton);
    EXPECT_FALSE(w->GenList->isEnabled());
    QTest::mouseClick(w->ShowAll, Qt::LeftButton);
    EXPECT_EQ(w->ListFileName->text(), "");
    QTest::mouseClick(w->MakeList, Qt::LeftButton);
    EXPECT_EQ(w->ListFileName->text(), "LISTFILE.TXT");
    ASSERT_EQ(viewed.size(), 1);
    EXPECT_EQ(viewed[0], "LISTFILE.TXT");
    const QStringList lines = test::ReadCrLfLines(dir.filePath("LISTFILE.TXT").toStdString());
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[3], "Distance and Bearings from 52N 0E");
    EXPECT_EQ(lines[8], kWorkedLine);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ListingPanelTest, ListLocalsWithThePanelNeverOpened) {
    w->ListFileName->setText(dir.filePath("locals.txt"));
    QTest::mouseClick(w->LocSites, Qt::LeftButton);
    EXPECT_EQ(w->MaxDistText->text(), "20");
    const QStringList lines = test::ReadCrLfLines(dir.filePath("locals.txt").toStdString());
    ASSERT_EQ(lines.size(), 9);  // header only: both sites are further than 20 km
    EXPECT_EQ(lines[5], "Maximum distance 20");

    w->ListFileName->setText(dir.filePath("missing folder/x.txt"));
    QTest::mouseClick(w->LocSites, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{"Path or filename error"});
    EXPECT_EQ(viewed.size(), 1);
}

}  // namespace
}  // namespace tormark
