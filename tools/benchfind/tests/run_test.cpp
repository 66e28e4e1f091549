// Whole runs of the benchfind program: scripted answers on standard input, a temporary
// working folder holding the archive, and the result file compared line by line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console/testing/test_support.h"

namespace {

using console::testing::ReadFile;
using console::testing::RunProgram;
using console::testing::TempDir;

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void expectSameLines(const std::vector<std::string>& expected,
                     const std::vector<std::string>& actual) {
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(i < expected.size() ? expected[i] : "<none>",
                  i < actual.size() ? actual[i] : "<none>");
    }
}

TEST(BenchfindRun, HandWrittenSampleArchive) {
    const std::filesystem::path data = BENCHFIND_TESTDATA;
    TempDir dir;
    std::filesystem::copy_file(data / "CompleteTrigArchive.csv", dir / "CompleteTrigArchive.csv");
    const auto run = RunProgram(TOOL_PROGRAM, {}, "ny 3000 2000\n\n\n\n\n", dir.Path(), 20000);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("Results stored in LocalTrigs.txt"), std::string::npos);
    expectSameLines(crlfLines(ReadFile(data / "LocalTrigs.expected.txt")),
                    crlfLines(ReadFile(dir / "LocalTrigs.txt")));
}

// One generated point: an offset from the base with a distance that can be checked by hand.
struct Point {
    int dE, dN, distance_m;
    bool pillar, destroyed;
};

std::string expectedRow(const std::string& name, int easting, int northing, const Point& p,
                        int height, const std::string& type, const std::string& status) {
    char row[200];
    std::snprintf(row, sizeof row, "%5.1f km  %-33.33s NY%05d %05d  %3dm %-14.14s %s",
                  p.distance_m / 1000.0, name.c_str(), easting - 300000, northing - 500000, height,
                  type.c_str(), status.c_str());
    return row;
}

TEST(BenchfindRun, GeneratedArchiveWithAnswersFromTheCommandLineAndPrompts) {
    const int baseE = 350000, baseN = 550000;  // NY 50000 50000
    std::vector<Point> points;
    for (int k = 0; k <= 40; ++k) {  // due east and due south: distance 137 k
        points.push_back({137 * k, 0, 137 * k, k % 3 != 0, k % 4 == 1});
        points.push_back({0, -137 * k, 137 * k, k % 2 == 0, k % 5 == 2});
    }
    // Right at the 2.5 km limit (a 3-4-5 triangle) and one metre beyond (2500.8 m).
    points.push_back({1500, 2000, 2500, true, false});
    points.push_back({-1500, 2001, 2501, true, false});
    points.push_back({-2000, -1500, 2500, true, true});

    std::ostringstream archive;
    std::vector<std::string> expected = {"LOCAL OS BENCHMARKS", "",
                                         "Base NGR NY5000050000    Max Distance    2.5 km", ""};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        const std::string name = "Generated point " + std::to_string(i);
        const std::string type = p.pillar ? "Pillar" : "Flush Bracket";
        const std::string status = p.destroyed ? "Destroyed" : "Good";
        const int e = baseE + p.dE, n = baseN + p.dN, height = static_cast<int>(i % 900);
        archive << name << ",TP" << i << ",x," << e << ',' << n << ',' << height << ",Cumbria,"
                << type << ",,,,,,,1 " << status << "\r\n";
        // Answers below: 2.5 km, destroyed included ("n"), pillars only ("Y").
        if (p.distance_m <= 2500 && p.pillar) {
            expected.push_back(expectedRow(name, e, n, p, height, type, status));
        }
    }
    TempDir dir;
    {
        std::FILE* f = std::fopen((dir / "CompleteTrigArchive.csv").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string text = archive.str();
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    const auto run =
        RunProgram(TOOL_PROGRAM, {"NY", "50000", "50000"}, "2.5\nn\nY\n\n", dir.Path(), 20000);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    expectSameLines(expected, crlfLines(ReadFile(dir / "LocalTrigs.txt")));
    // The command line gave the base, so the prompt only appears for the second pass.
    EXPECT_EQ(run.output.find("Base NGR"), run.output.rfind("Base NGR"));
}

}  // namespace
