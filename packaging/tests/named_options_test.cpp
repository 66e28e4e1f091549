// Named options against the dialogue: each console tool run once with its answers typed on
// standard input and once with the same answers given as options (and nothing on standard input)
// must print the same console text, draw the same PNG bytes and write the same files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "console/testing/test_support.h"

namespace {

namespace ct = console::testing;
namespace fs = std::filesystem;

std::string ProgramPath(const std::string& name) {
    std::stringstream list(TORMARK_PROGRAM_PATHS);
    for (std::string path; std::getline(list, path, '|');)
        if (fs::path(path).filename() == name) return path;
    return name;
}

// Rolling hills over the tiles N54W004 and N54W003, 0 ... 900 m.
ct::HeightFunction Hills(int lon) {
    return [lon](int row, int column) {
        const double x = (lon + 4) * 1200.0 + column, y = 1200.0 - row;
        return static_cast<int>(450 + 300 * std::sin(x / 97.0) + 150 * std::cos(y / 61.0));
    };
}

struct Case {
    const char* program;
    std::string typed;                 // the answers on standard input
    std::vector<std::string> options;  // the same answers as options
    std::vector<std::string> words;    // the command tail of both runs
    std::vector<std::string> files;    // what both runs must write alike
    int exitStatus = 0;                // of both runs
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.program;
}

class NamedOptions : public ::testing::TestWithParam<Case> {
  protected:
    static void SetUpTestSuite() {
        data_ = new ct::TempDir;
        fs::create_directories(data_->Path() / "tiles");
        fs::create_directories(data_->Path() / "sites");
        for (int lon : {-4, -3})
            ct::WriteHgtTile(data_->Path() / "tiles", "N54W00" + std::to_string(-lon) + ".hgt",
                             Hills(lon));
        ct::WriteSitesFile(data_->Path() / "sites",
                           {"Centre Hill~IO84JK", "Far Fell~IO84NL", "ENDENDEND"});
    }
    static void TearDownTestSuite() { delete data_; }
    static ct::TempDir* data_;
};
ct::TempDir* NamedOptions::data_ = nullptr;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

TEST_P(NamedOptions, GiveTheSameRunAsTypedAnswers) {
    const Case& c = GetParam();
    const std::string data = data_->Path().string();
    ct::TempDir typedDir, optionDir;

    std::vector<std::string> typedArgs, optionArgs;
    for (const std::string& option : c.options) optionArgs.push_back(Replace(option, "DATA", data));
    const bool draws = std::string(c.program) != "benchfind";
    for (auto* args : {&typedArgs, &optionArgs}) {
        if (draws) args->insert(args->end(), {"--png", "plot.png"});
        args->insert(args->end(), c.words.begin(), c.words.end());
    }
    const ct::RunResult typed = ct::RunProgram(ProgramPath(c.program), typedArgs,
                                               Replace(c.typed, "DATA", data), typedDir.Path());
    const ct::RunResult given =
        ct::RunProgram(ProgramPath(c.program), optionArgs, "", optionDir.Path());

    EXPECT_EQ(typed.exitCode, c.exitStatus) << typed.output << typed.errors;
    EXPECT_EQ(given.exitCode, typed.exitCode) << given.output << given.errors;
    // Given every answer, benchfind makes its one search and ends; typed, it asks for the next
    // base, which the end of input answers.
    const std::string nextBase =
        c.program == std::string("benchfind") ? "   Base NGR            " : "";
    EXPECT_EQ(given.output + nextBase, typed.output);
    EXPECT_EQ(given.errors, typed.errors);
    for (const std::string& file : c.files) {
        const std::string typedFile = ct::ReadFile(typedDir / file);
        EXPECT_FALSE(typedFile.empty()) << file << " not written";
        EXPECT_TRUE(ct::ReadFile(optionDir / file) == typedFile) << file << " differs";
    }
}

// The configuration answers come first when there is no configuration file yet.
const std::string kConfig = "DATA/tiles\nDATA/sites\n300\n";
const std::vector<std::string> kConfigOptions = {"--heights", "DATA/tiles", "--sites=DATA/sites",
                                                 "--window", "300"};

std::vector<std::string> With(std::vector<std::string> options) {
    options.insert(options.begin(), kConfigOptions.begin(), kConfigOptions.end());
    return options;
}

// pathprofile's window has a size of its own: only the two folders are asked.
const std::string kFolders = "DATA/tiles\nDATA/sites\n";
std::vector<std::string> WithFolders(std::vector<std::string> options) {
    options.insert(options.begin(), kConfigOptions.begin(), kConfigOptions.end() - 2);
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Suite, NamedOptions,
    ::testing::Values(
        Case{"terrainplot",
             kConfig + "30\n0\n",
             With({"--width", "30", "--max", "0"}),
             {"Centre Hill"},
             {"plot.png", "Brelland.INI"}},
        Case{"terrain3d",
             kConfig + "12\n700\n",
             With({"--size", "12", "--max=700"}),
             {"Centre Hill"},
             {"plot.png"}},
        Case{"visplot",
             kConfig + "15\n1.3\n12\n",
             With({"--mast", "15", "--k", "1.3", "--radius", "12"}),
             {"Centre Hill"},
             {"plot.png", "Corvanne.INI"}},
        Case{"horizon",
             kConfig + "8\n2\n10\n",
             With({"--mast", "8", "--k", "2", "--radius", "10"}),
             {"Centre Hill"},
             {"plot.png", "Corvanne.INI"}},
        // Two distant sites, the first with its mast, the second with the default mast; the
        // run ends as "endendend" ends it, writing the configuration.
        Case{"pathprofile",
             kFolders + "10\nFar Fell\n5\n1.5\nIO84LK\n\n1.5\nendendend\n",
             WithFolders({"--mast", "10", "--to", "Far Fell:5", "--k", "1.5", "--to", "IO84LK"}),
             {"Centre Hill"},
             {"plot1.png", "plot2.png", "Corvanne.INI"}},
        // No archive: the search reports it and the run ends with status 1.
        Case{"benchfind",
             "12\nN\nY\n",
             {"--max-distance", "12", "--exclude-destroyed", "N", "--pillars-only", "Y"},
             {"NY", "3000", "2000"},
             {},
             1}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.program); });

}  // namespace
