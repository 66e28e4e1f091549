// Every program of the suite answers --help, -h and --version, and refuses an unknown option or a
// malformed value with its usage on standard error and exit status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console/testing/test_support.h"
#include "tormark_version.h"

namespace {

using console::testing::RunProgram;
using console::testing::RunResult;
using console::testing::TempDir;

std::vector<std::string> ProgramPaths() {
    std::vector<std::string> paths;
    std::stringstream list(TORMARK_PROGRAM_PATHS);
    for (std::string path; std::getline(list, path, '|');) paths.push_back(path);
    return paths;
}

std::string ProgramName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

class EveryProgram : public ::testing::TestWithParam<std::string> {
  protected:
    RunResult Run(const std::vector<std::string>& args) {
        return RunProgram(GetParam(), args, "", work_.Path(), 20000);
    }
    TempDir work_;
};

TEST_P(EveryProgram, HelpDescribesTheProgramAndExitsZero) {
    const std::string name = ProgramName(GetParam());
    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output.rfind("Usage: " + name + " ", 0), 0u) << help.output;
    for (const char* section : {"\nOptions:\n", "\nFiles:\n", "\nExit status:\n", "\nExamples:\n"})
        EXPECT_NE(help.output.find(section), std::string::npos) << name << " lacks " << section;
    for (const char* option : {"-h, --help", "--version"})
        EXPECT_NE(help.output.find(option), std::string::npos) << name << " lacks " << option;
    EXPECT_EQ(help.errors, "");

    const RunResult shortHelp = Run({"-h"});
    EXPECT_EQ(shortHelp.exitCode, 0);
    EXPECT_EQ(shortHelp.output, help.output);

    // --help answers whatever else the line holds, and nothing is asked or written.
    const RunResult withSite = Run({"Skiddaw", "--help"});
    EXPECT_EQ(withSite.exitCode, 0);
    EXPECT_EQ(withSite.output, help.output);
    EXPECT_TRUE(std::filesystem::is_empty(work_.Path()));
}

TEST_P(EveryProgram, VersionIsTheProjectVersion) {
    const RunResult version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, ProgramName(GetParam()) + " (Tormark suite) " TORMARK_VERSION "\n");
}

TEST_P(EveryProgram, UnknownOptionIsAUsageError) {
    const RunResult wrong = Run({"--no-such-option", "Skiddaw"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.output, "") << "taken for a site name or a run started";
    EXPECT_NE(wrong.errors.find("--no-such-option"), std::string::npos) << wrong.errors;
    EXPECT_NE(wrong.errors.find("sage: " + ProgramName(GetParam())), std::string::npos)
        << wrong.errors;
    EXPECT_TRUE(std::filesystem::is_empty(work_.Path()));
}

// A malformed value names its option and what it expects; before it was taken as a typed answer
// and silently gave the default.
TEST_P(EveryProgram, MalformedValueIsAUsageError) {
    const std::string name = ProgramName(GetParam());
    std::vector<std::string> args;
    std::string message;
    if (name == "Tormark") {
        args = {"--listing", "l.txt", "--home", "IO91WM", "--max", "abc"};
        message = "Tormark: --max abc: expected a number in km\n";
    } else if (name == "benchfind") {
        args = {"--exclude-destroyed=maybe", "NY", "3000", "2000"};
        message = "benchfind: --exclude-destroyed maybe: expected Y or N\n";
    } else if (name == "pathprofile") {
        // Its window has a size of its own: --window is no option of it.
        args = {"--mast", "abc", "Skiddaw"};
        message = "pathprofile: --mast abc: expected a mast height in metres from 0 to 10000\n";
    } else {
        args = {"--window", "abc", "Skiddaw"};
        message = name + ": --window abc: expected a number of pixels\n";
    }
    const RunResult wrong = Run(args);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.output, "");
    EXPECT_EQ(wrong.errors.rfind(message, 0), 0u) << wrong.errors;
    EXPECT_NE(wrong.errors.find("sage: " + name), std::string::npos) << wrong.errors;
    EXPECT_TRUE(std::filesystem::is_empty(work_.Path()));
}

TEST(TerrainplotOptions, MalformedWidthIsAUsageError) {
    std::string path;
    for (const std::string& p : ProgramPaths())
        if (ProgramName(p) == "terrainplot") path = p;
    TempDir work;
    const RunResult wrong = RunProgram(path, {"--width", "abc"}, "", work.Path(), 20000);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.errors,
              "terrainplot: --width abc: expected a number in km\n"
              "Usage: terrainplot [OPTION]... [SITE][/PALETTE]\n"
              "Try 'terrainplot --help' for more information.\n");
}

INSTANTIATE_TEST_SUITE_P(Suite, EveryProgram, ::testing::ValuesIn(ProgramPaths()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return ProgramName(info.param);
                         });

}  // namespace
