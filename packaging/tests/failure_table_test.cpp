// The failures a script must be able to see: each row runs one program on one failing command
// line and checks its exit status (1 refused or failed, 2 usage error) and the sentence it gives.
// Every row was once a run that ended with 0, asked its question for ever, waited for a window
// nobody could see or replaced a file it should not have touched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "console/testing/test_support.h"
#include "testing/real_data.h"

namespace {

namespace fs = std::filesystem;
using console::testing::RunProgram;
using console::testing::RunResult;
using console::testing::TempDir;

// A failing run must end by itself well within this; a wait for input or a window would not.
constexpr int kRunTimeout_ms = 60000;

std::string ProgramPath(const std::string& name) {
    std::stringstream list(TORMARK_PROGRAM_PATHS);
    for (std::string path; std::getline(list, path, '|');)
        if (fs::path(path).filename() == name) return path;
    return name;
}

std::string Data(const char* relative) {
    return realdata::Path(relative).string();
}

// The drawing tools' configuration answers, so that no run asks for them (pathprofile's window
// has a size of its own: it takes no --window).
std::vector<std::string> Configured(std::vector<std::string> args, bool windowSize = true) {
    std::vector<std::string> all{"--heights", Data("srtm3"), "--sites", Data("sites")};
    if (windowSize) all.insert(all.end(), {"--window", "300"});
    all.insert(all.end(), args.begin(), args.end());
    return all;
}

// A whole run of each drawing tool (every question answered), given `extra` options first.
std::vector<std::string> WholeRun(const std::string& program, std::vector<std::string> extra) {
    std::vector<std::string> own;
    if (program == "terrainplot") own = {"--width", "20", "--max", "0"};
    if (program == "terrain3d") own = {"--size", "20", "--max", "0"};
    if (program == "visplot" || program == "horizon")
        own = {"--mast", "10", "--k", "1.3", "--radius", "10"};
    if (program == "pathprofile") own = {"--mast", "10", "--to", "Skiddaw:10", "--k", "1.3"};
    extra.insert(extra.end(), own.begin(), own.end());
    extra.push_back("Scafell Pike");
    return Configured(extra, program != "pathprofile");
}

struct FailureRow {
    std::string name;
    std::string program;
    std::vector<std::string> args;
    std::string input;  // standard input, closed after it
    int exitStatus;
    std::string message;  // found in standard output or standard error
    bool needsData = true;
    // Prepares the working folder before the run / checks it after.
    std::function<void(const fs::path& work)> before = {};
    std::function<void(const fs::path& work, const RunResult& run)> after = {};
};

const std::vector<std::string> kDrawingTools{"terrainplot", "terrain3d", "visplot", "horizon",
                                             "pathprofile"};

std::vector<FailureRow> Rows() {
    std::vector<FailureRow> rows;
    for (const std::string& tool : kDrawingTools) {
        const std::string png =
            tool == "pathprofile" ? "/nonexistent/out1.png" : "/nonexistent/out.png";
        rows.push_back({tool + "_UnwritablePng", tool,
                        WholeRun(tool, {"--png", "/nonexistent/out.png"}), "", 1,
                        "Cannot write " + png});
        rows.push_back({tool + "_EmptyPng", tool, WholeRun(tool, {"--png", ""}), "", 2,
                        "--png needs a file name", false});
        rows.push_back({tool + "_PngNamedLikeItsWorldFile", tool,
                        WholeRun(tool, {"--png", "out.pgw"}), "", 2,
                        "--png out.pgw names a file written beside the picture", false});
        // Run through env, which takes away the display and the platform the tests choose.
        std::vector<std::string> noDisplay{
            "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", ProgramPath(tool)};
        const std::vector<std::string> run = WholeRun(tool, {});
        noDisplay.insert(noDisplay.end(), run.begin(), run.end());
        rows.push_back({tool + "_NoDisplayNoPng", "env", noDisplay, "", 1,
                        tool + ": no display to open a window on", false});
    }
    rows.push_back({"Tormark_NoDisplay",
                    "env",
                    {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                     ProgramPath("Tormark")},
                    "",
                    1,
                    "Tormark: no display to open a window on",
                    false});

    rows.push_back({"pathprofile_DistantSiteNotFound", "pathprofile",
                    Configured({"--png", "p.png", "--mast", "10", "--to", "Nowhere Hill", "--k",
                                "1.3", "Scafell Pike"},
                               false),
                    "", 1, "Site not found"});
    for (const char* tool : {"visplot", "horizon"}) {
        rows.push_back({std::string(tool) + "_GivenRadiusTooLarge", tool,
                        Configured({"--png", "v.png", "--mast", "10", "--k", "1.3", "--radius",
                                    "1000", "Scafell Pike"}),
                        // An open pipe once kept it asking for ever: these lines are never read.
                        "1000\n1000\n1000\n", 1, "(the largest radius here is 244 km)"});
    }
    rows.push_back({"visplot_TypedRadiusTooLargeThenInputEnds", "visplot",
                    Configured({"--png", "v.png", "--mast", "10", "--k", "1.3", "Scafell Pike"}),
                    "300\n", 1, "No usable radius given before the input ended"});
    rows.push_back({"terrainplot_ClickOutsideThePlot",
                    "terrainplot",
                    WholeRun("terrainplot", {"--png", "t.png", "--click", "1000,1000"}),
                    "",
                    2,
                    "--click 1000,1000 is outside the plot: X runs from 0 to ",
                    true,
                    {},
                    [](const fs::path& work, const RunResult&) {
                        EXPECT_FALSE(fs::exists(work / "t.png")) << "no picture of a refused run";
                    }});
    rows.push_back({"terrainplot_CorruptPathShownEscaped",
                    "terrainplot",
                    {"--heights", "tiles\x1b[31m\a/", "--sites", "sites/", "--window", "300",
                     "--png", "t.png", "--width", "20", "--max", "0", "IO84KK"},
                    "",
                    1,
                    "tiles\\x1b[31m\\x07/",
                    false,
                    {},
                    [](const fs::path&, const RunResult& run) {
                        EXPECT_EQ(run.output.find('\x1b'), std::string::npos);
                        EXPECT_EQ(run.output.find('\a'), std::string::npos);
                    }});
    rows.push_back({"visplot_ConfigurationIsAFifo", "visplot",
                    WholeRun("visplot", {"--png", "v.png"}), "", 1, "Cannot write ", true,
                    [](const fs::path& work) {
                        ASSERT_EQ(::mkfifo((work / "Corvanne.ini").c_str(), 0600), 0);
                    },
                    [](const fs::path& work, const RunResult&) {
                        EXPECT_TRUE(fs::is_fifo(work / "Corvanne.ini")) << "never renamed over";
                        EXPECT_TRUE(fs::exists(work / "v.png")) << "the run itself was whole";
                    }});

    const std::string benchfind = "benchfind";
    const std::vector<std::string> allSettings{"--max-distance", "5", "--exclude-destroyed", "Y",
                                               "--pillars-only", "N"};
    auto withSettings = [&](std::vector<std::string> base) {
        std::vector<std::string> args = allSettings;
        args.insert(args.end(), base.begin(), base.end());
        return args;
    };
    rows.push_back({"benchfind_NoArchive", benchfind, withSettings({"NY", "3000", "2000"}), "", 1,
                    "CompleteTrigArchive.csv not found", false});
    rows.push_back({"benchfind_NotAGridReference", benchfind, withSettings({"Nowhere"}), "", 1,
                    "Not a grid reference", false});
    rows.push_back({"benchfind_TypedBaseNotAGridReference",
                    benchfind,
                    {},
                    "Nowhere\n\n",
                    1,
                    "Not a grid reference",
                    false});
    rows.push_back({"benchfind_EverySettingGivenEndsAfterTheSearch", benchfind,
                    withSettings({"NY", "3000", "2000"}), "NY 3300 2400\n5\n\n\n", 0,
                    "Results stored in LocalTrigs.txt", false,
                    [](const fs::path& work) {
                        fs::copy_file(TORMARK_BENCHFIND_ARCHIVE, work / "CompleteTrigArchive.csv");
                    },
                    [](const fs::path&, const RunResult& run) {
                        EXPECT_EQ(run.output.find("Base NGR"), std::string::npos)
                            << "asked for another base";
                    }});

    const std::string samples = TORMARK_SAMPLE_DATABASE;
    rows.push_back({"Tormark_ListingHomeNotFound",
                    "Tormark",
                    {"--listing", "l.txt", "--home", "Nowhere", "--db", samples},
                    "",
                    1,
                    "Nowhere",
                    false});
    rows.push_back(
        {"Tormark_ListingIntoAFifoWithoutReader",
         "Tormark",
         {"--listing", "fifo.txt", "--home", "IO91WM", "--db", samples, "--max", "5"},
         "",
         1,
         "fifo.txt",
         false,
         [](const fs::path& work) { ASSERT_EQ(::mkfifo((work / "fifo.txt").c_str(), 0600), 0); },
         [](const fs::path& work, const RunResult&) {
             EXPECT_TRUE(fs::is_fifo(work / "fifo.txt")) << "never renamed over";
         }});
    return rows;
}

class FailureTable : public ::testing::TestWithParam<FailureRow> {};

TEST_P(FailureTable, ExitStatusAndMessage) {
    const FailureRow& row = GetParam();
    if (row.needsData) {
        TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt", "sites/Sites.dat");
    }
    TempDir work;
    if (row.before) row.before(work.Path());
    const std::string program = row.program == "env" ? "env" : ProgramPath(row.program);
    const RunResult run = RunProgram(program, row.args, row.input, work.Path(), kRunTimeout_ms);
    ASSERT_FALSE(run.timedOut) << "the run waited instead of ending";
    EXPECT_EQ(run.exitCode, row.exitStatus) << run.output << run.errors;
    EXPECT_NE((run.output + run.errors).find(row.message), std::string::npos)
        << "stdout:\n"
        << run.output << "\nstderr:\n"
        << run.errors;
    if (row.after) row.after(work.Path(), run);
}

INSTANTIATE_TEST_SUITE_P(Programs, FailureTable, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<FailureRow>& info) {
                             return info.param.name;
                         });

// A picture written into a device is the whole output: no /dev/null.pgw, .prj or .kml beside it.
TEST(FailureTableNeighbours, APictureIntoADeviceGetsNoSideFiles) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt", "sites/Sites.dat");
    TempDir work;
    const RunResult run =
        RunProgram(ProgramPath("terrainplot"), WholeRun("terrainplot", {"--png", "/dev/null"}), "",
                   work.Path(), kRunTimeout_ms);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    struct stat status {};
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    for (const char* side : {"/dev/null.pgw", "/dev/null.prj", "/dev/null.kml"})
        EXPECT_FALSE(fs::exists(side)) << side;
}

}  // namespace
