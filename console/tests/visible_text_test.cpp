// Control bytes shown, not obeyed: the shared escaping and the console that prints through it.
#include "console/visible_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "console/console.h"

namespace console {
namespace {

using namespace std::string_literals;

TEST(VisibleText, ControlBytesAreWrittenAsTheirHexadecimalCodes) {
    EXPECT_EQ(VisibleText("N54\x1b[31mW003\a.hgt"), "N54\\x1b[31mW003\\x07.hgt");
    EXPECT_EQ(VisibleText("a\0b"s), "a\\x00b") << "a NUL inside the text";
    EXPECT_EQ(VisibleText("del\x7f"), "del\\x7f");
    EXPECT_EQ(VisibleText("\x1f "), "\\x1f ") << "the last control byte, then the blank";
    EXPECT_EQ(VisibleText("Caf\xc3\xa9 \xe9"), "Caf\xc3\xa9 \xe9") << "UTF-8 and Latin-1 letters";
    EXPECT_EQ(VisibleText(""), "");
}

TEST(VisibleText, LayoutBytesAreKeptForLinesAndBlankedForFields) {
    EXPECT_EQ(VisibleText("one\ttwo\nthree\r"), "one\ttwo\nthree\\x0d");
    EXPECT_EQ(VisibleText("one\ttwo\nthree\r", LayoutBytes::kBlanked), "one two three ");
    std::string row = "in\t";
    AppendVisible(row, "x\ty\x1b", LayoutBytes::kBlanked);
    EXPECT_EQ(row, "in\tx y\\x1b") << "appended after what the row held";
}

TEST(VisibleText, TheConsoleShowsEscapedBytesAndCountsTheirColumns) {
    std::istringstream in;
    std::ostringstream out, err;
    Console con(in, out, false, err);
    con.Print("No HDB for tiles/\x1b\x07N54W003.hgt");
    EXPECT_EQ(con.CurrentColumn(), 1 + 36) << "counted in the escaped characters shown";
    con.PrintLine();
    con.PrintError("terrainplot: --png \x1b[2J\n");
    EXPECT_EQ(out.str(), "No HDB for tiles/\\x1b\\x07N54W003.hgt\n");
    EXPECT_EQ(err.str(), "terrainplot: --png \\x1b[2J\n");
}

TEST(GivenAnswers, TheConsoleTellsAGivenAnswerFromATypedOne) {
    std::istringstream in("300\n");
    std::ostringstream out;
    Console con(in, out, false);
    con.GiveAnswer("--radius", "1000");
    EXPECT_EQ(con.Ask("Radius ", "--radius"), "1000");
    EXPECT_TRUE(con.LastAnswerGiven());
    EXPECT_EQ(con.Ask("Radius ", "--radius"), "300");
    EXPECT_FALSE(con.LastAnswerGiven());
    EXPECT_FALSE(con.InputEnded());
    EXPECT_EQ(con.Ask("Radius ", "--radius"), "");
    EXPECT_FALSE(con.LastAnswerGiven());
    EXPECT_TRUE(con.InputEnded());
}

}  // namespace
}  // namespace console
