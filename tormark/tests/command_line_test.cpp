// The Tormark program itself run without a display for --resolve (arguments and standard input)
// and --listing.

#include "command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "resolve_rows.h"
#include "test_support.h"

namespace tormark {
namespace {

struct ProgramRun {
    int status = -1;
    QString out, err;
};

class TormarkProgram : public ::testing::Test {
  protected:
    ProgramRun Start(const QStringList& args, const QByteArray& input = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));  // never the user's settings
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");  // the command lines need no display at all
        p.setProcessEnvironment(env);
        p.start(TORMARK_EXE, args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QTemporaryDir dir;
    QString db = QString::fromStdString(test::WriteFile(
        dir, "Sites.dat", {"Hill Top~ST4523 8150", "Odd~XY", "ENDENDEND", "Late~IO91IM"}));
};

TEST_F(TormarkProgram, ResolveCarriesTheStateFromLineToLine) {
    const ProgramRun r = Start({"--resolve", "--db", db, "--home", "52N 0E", "51.5N 1W", "IO91IM0",
                                "hill", "late", "odd", "SU12345678"});
    // Some lines do not resolve: every row is printed and the status says so.
    ASSERT_EQ(r.status, 1) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QString::fromStdString(ResolveHeader()));
    const QStringList worked = lines[1].split('\t');
    ASSERT_EQ(worked.size(), 17);
    EXPECT_EQ(worked.mid(0, 7), (QStringList{"51.5N 1W", "4", "51.500000000", "-1.000000000",
                                             "0.001000000", "IO91MM00AA", "SU69511 78370"}));
    EXPECT_EQ(worked[9], "51.500000N , 1.000000W");
    EXPECT_EQ(worked[10].left(6), "88.490");
    EXPECT_EQ(worked[11].left(6), "231.46");
    EXPECT_EQ(worked[13], "0.001400");
    EXPECT_EQ(worked[15], "");

    // An odd locator keeps the previous position (the next rows' distances are from it) but its
    // row shows no position of its own.
    const QStringList odd = lines[2].split('\t');
    EXPECT_EQ(odd[1], "2");
    EXPECT_EQ(odd[2], "");
    EXPECT_EQ(odd[15], "Locator error");

    const QStringList hill = lines[3].split('\t');
    EXPECT_EQ(hill[1], "0");
    EXPECT_EQ(hill[6], "ST45238150");
    EXPECT_EQ(hill[7], "345230.000");
    EXPECT_EQ(hill[8], "181500.000");
    EXPECT_EQ(lines[4].split('\t')[15], "Not Found");
    EXPECT_EQ(lines[5].split('\t')[15], "ERROR");
    EXPECT_EQ(lines[6].split('\t')[7], "412340.000");
}

TEST_F(TormarkProgram, ResolveReadsStandardInputAndNeedsNoHome) {
    const ProgramRun r = Start({"--resolve", "--db", dir.filePath("none.dat")}, "IO91IM\r\nhill\n");
    ASSERT_EQ(r.status, 1);  // "hill" needs the missing database
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QStringList loc = lines[1].split('\t');
    EXPECT_EQ(loc[0], "IO91IM");
    EXPECT_EQ(loc[4], "4.633333333");
    EXPECT_EQ(loc.mid(10, 5), QStringList(5, ""));  // no home: no distance columns
    EXPECT_EQ(lines[2].split('\t')[15], "Site datbase not found");
}

TEST_F(TormarkProgram, ListingWritesTheFileOrFailsWithAMessage) {
    const QString out = dir.filePath("list.txt");
    ProgramRun r = Start(
        {"--listing", out, "--home", "IO91IM", "--db", db, "--search", "HILL", "--max", "500"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = test::ReadCrLfLines(out.toStdString());
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[3], "Distance and Bearings from IO91IM");
    EXPECT_EQ(lines[5], "Maximum distance 500");
    EXPECT_EQ(lines[6], "Only Sites with   'HILL'   in their name");
    EXPECT_TRUE(lines[10].startsWith("Hill Top"));

    r = Start({"--listing", dir.filePath("no folder/list.txt"), "--home", "IO91IM", "--db", db});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("Path or filename error"));

    r = Start({"--listing", out, "--home", "IO91IM", "--db", dir.filePath("none.dat")});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("Site datbase not found"));

    // A home that names no position refuses the run (1); it is no usage error (2).
    r = Start({"--listing", out, "--home", "nowhere", "--db", db});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Not Found"));
    EXPECT_EQ(test::ReadCrLfLines(out.toStdString()), lines);  // the earlier file survives

    r = Start({"--bogus"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("usage"));

    r = Start({"--listing=" + out, "--home=IO91IM", "--db=" + db, "--max", "abc"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith("Tormark: --max abc: expected a number in km\nusage: Tormark"))
        << r.err.toStdString();
}

}  // namespace
}  // namespace tormark
