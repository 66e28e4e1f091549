#include "benchfind/trig_search.h"

#include <gtest/gtest.h>

#include <sstream>

#include "console/console.h"

namespace benchfind {
namespace {

SearchSettings baseNY3020() {
    SearchSettings s;
    s.baseText = "NY30002000";
    s.base = {330000, 520000};
    return s;  // 5 km, destroyed left out, all types
}

TEST(ResultHeader, TitleBaseAndRadiusWithCrLf) {
    SearchSettings s = baseNY3020();
    EXPECT_EQ(ResultHeader(s),
              "LOCAL OS BENCHMARKS\r\n\r\n"
              "Base NGR NY30002000      Max Distance    5.0 km\r\n\r\n");
    // A base longer than its 14-character column is cut; the radius has one decimal.
    s.baseText = "NY3000012345678";
    s.maxDistance_km = 12.3F;
    EXPECT_EQ(ResultHeader(s),
              "LOCAL OS BENCHMARKS\r\n\r\n"
              "Base NGR NY300001234567  Max Distance   12.3 km\r\n\r\n");
}

TEST(ResultRow, ColumnsThenStatus) {
    EXPECT_EQ(
        FormatRow(2470, "High Crag", "NY32100 21300", 885, "Pillar", "Good"),
        "  2.5 km  High Crag                         NY32100 21300  885m Pillar         Good");
    // Long name and type are cut to their columns; an empty status leaves the final blank.
    EXPECT_EQ(FormatRow(269, "Thirlmere Shore Mark With A Rather Long Name", "NY30250 20100", -2,
                        "Fundamental Benchmark", ""),
              "  0.3 km  Thirlmere Shore Mark With A Rathe NY30250 20100   -2m Fundamental Be ");
}

TEST(SearchArchive, ListsInArchiveOrderOnConsoleAndInTheResult) {
    std::istringstream archive(
        "Far,,,400000,600000,10,,Pillar,,,,,,,1 Good\r\n"
        "Near,,,330300,520400,12.4,,Bolt,,,,,,,1 Good\r\n"
        "Gone,,,330000,520000,5,,Pillar,,,,,,,3 Destroyed\r\n"
        "Edge,,,327000,516000,7,,Pillar,,,,,,,2 Good,later\n");
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, false);
    std::string result;
    EXPECT_EQ(SearchArchive(archive, baseNY3020(), con, result), 2);
    EXPECT_EQ(
        result,
        "  0.5 km  Near                              NY30300 20400   12m Bolt           Good\r\n"
        "  5.0 km  Edge                              NY27000 16000    7m Pillar         "
        "Good,later\r\n");
    // Each row on the console is followed by its archive line as read (without its CR).
    EXPECT_EQ(
        out.str(),
        "  0.5 km  Near                              NY30300 20400   12m Bolt           Good\n"
        "Near,,,330300,520400,12.4,,Bolt,,,,,,,1 Good\n"
        "  5.0 km  Edge                              NY27000 16000    7m Pillar         "
        "Good,later\n"
        "Edge,,,327000,516000,7,,Pillar,,,,,,,2 Good,later\n");
}

TEST(SearchArchive, FiltersFromTheAnswers) {
    const std::string text =
        "Bolt,,,330000,520000,1,,Bolt,,,,,,,1 Good\n"
        "Pillar,,,330000,520000,1,,PILLAR,,,,,,,1 Good\n"
        "Lost,,,330000,520000,1,,Pillar,,,,,,,1 dest.\n";
    auto names = [&](const SearchSettings& s) {
        std::istringstream archive(text), in;
        std::ostringstream out;
        console::Console con(in, out, false);
        std::string result;
        SearchArchive(archive, s, con, result);
        std::string first;  // first word of every result row's name column
        std::istringstream rows(result);
        std::string row;
        while (std::getline(rows, row)) first += row.substr(10, row.find(' ', 10) - 10) + ";";
        return first;
    };
    SearchSettings s = baseNY3020();
    EXPECT_EQ(names(s), "Bolt;Pillar;");
    s.includeDestroyed = true;
    EXPECT_EQ(names(s), "Bolt;Pillar;Lost;");
    s.pillarsOnly = true;
    EXPECT_EQ(names(s), "Pillar;Lost;");
    s.includeDestroyed = false;
    EXPECT_EQ(names(s), "Pillar;");
}

TEST(SearchArchive, RowAndArchiveLineColours) {
    std::istringstream archive("Near,,,330300,520400,12,,Bolt,,,,,,,1 Good\n"), in;
    std::ostringstream out;
    console::Console con(in, out, true);
    std::string result;
    SearchArchive(archive, baseNY3020(), con, result);
    const std::string text = out.str();
    // The row is printed after a switch to colour 7, the archive line after one to colour 4.
    std::ostringstream grey, red;
    console::Console greyCon(in, grey, true), redCon(in, red, true);
    greyCon.SetColour(console::Colour::kLightGrey);
    redCon.SetColour(console::Colour::kRed);
    const auto rowAt = text.find("  0.5 km");
    const auto lineAt = text.find("Near,,,");
    ASSERT_NE(rowAt, std::string::npos);
    ASSERT_NE(lineAt, std::string::npos);
    EXPECT_EQ(text.rfind(grey.str(), rowAt), rowAt - grey.str().size());
    EXPECT_EQ(text.rfind(red.str(), lineAt), lineAt - red.str().size());
    EXPECT_NE(grey.str(), red.str());
}

}  // namespace
}  // namespace benchfind
