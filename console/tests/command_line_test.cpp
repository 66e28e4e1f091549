// The console tools' command line: the option rules, the --help text made from the table, and
// answers given to the console instead of typed.
#include "console/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "console/console.h"
#include "console/tool_config.h"

namespace console {
namespace {

constexpr OptionSpec kTestOptions[] = {
    {"--width", "KM", "width of the plot", true},
    {"--to", "SITE", "a distant site", false, true},
};
constexpr ToolDescription kTestTool{
    .program = "testtool",
    .arguments = "[SITE]",
    .summary = "A tool for the tests.",
    .options = kTestOptions,
    .questions = "Width     --width",
    .files = "Test.ini   its configuration",
    .examples = "testtool Skiddaw",
};

CommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args, kTestTool);
}

TEST(CommandLine, OptionsAndWordsAreSeparatedInOrder) {
    const CommandLine line =
        Parse({"--width", "40", "Scafell", "--to=Skiddaw", "Pike", "--to", "IO84", "--png", "a"});
    EXPECT_EQ(line.request, CommandRequest::kRun);
    EXPECT_EQ(line.words, (std::vector<std::string>{"Scafell", "Pike"}));
    EXPECT_EQ(line.Value("--width"), "40");
    EXPECT_EQ(line.Values("--to"), (std::vector<std::string>{"Skiddaw", "IO84"}));
    EXPECT_EQ(line.Value("--png"), "a") << "the frame's options of a drawing tool";
    EXPECT_EQ(line.Value("--k"), std::nullopt);
}

TEST(CommandLine, DoubleDashEndsOptionsAndNegativeNumbersAreWords) {
    const CommandLine line = Parse({"-3.1", "--", "--width", "-h"});
    EXPECT_EQ(line.request, CommandRequest::kRun);
    EXPECT_EQ(line.words, (std::vector<std::string>{"-3.1", "--width", "-h"}));
    EXPECT_TRUE(line.options.empty());
    EXPECT_EQ(Parse({"-", ".5"}).words, (std::vector<std::string>{"-", ".5"}));
}

TEST(CommandLine, MalformedLinesAreUsageErrors) {
    struct Wrong {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Wrong& w : std::vector<Wrong>{
             {{"--bogus", "Skiddaw"}, "unknown option --bogus"},
             {{"-x"}, "unknown option -x"},
             {{"Skiddaw", "--width"}, "--width needs a value KM"},
             {{"--width", "1", "--width=2"}, "--width given twice"},
             {{"--version=2"}, "--version takes no value"},
         }) {
        const CommandLine line = Parse(w.args);
        EXPECT_EQ(line.request, CommandRequest::kUsageError) << w.error;
        EXPECT_EQ(line.error, w.error);
    }
    // A plain tool has no drawing options.
    ToolDescription plain = kTestTool;
    plain.kind = ToolKind::kPlain;
    EXPECT_EQ(ParseCommandLine({"--png", "a.png"}, plain).error, "unknown option --png");
}

TEST(CommandLine, HelpAndVersionWinOverTheRestOfTheLine) {
    EXPECT_EQ(Parse({"Skiddaw", "-h"}).request, CommandRequest::kHelp);
    EXPECT_EQ(Parse({"--width", "3", "--help"}).request, CommandRequest::kHelp);
    EXPECT_EQ(Parse({"--version", "Skiddaw"}).request, CommandRequest::kVersion);
    EXPECT_EQ(Parse({"--", "--help"}).request, CommandRequest::kRun);
}

TEST(CommandLine, HelpListsEveryOptionOfTheTableAndTheSections) {
    const std::string help = HelpText(kTestTool);
    EXPECT_EQ(help.rfind("Usage: testtool [OPTION]... [SITE]\nA tool for the tests.\n", 0), 0u);
    for (const OptionSpec& option : AllOptions(kTestTool))
        EXPECT_NE(help.find(std::string(option.name)), std::string::npos) << option.name;
    EXPECT_NE(help.find("      --width KM        width of the plot\n"), std::string::npos);
    EXPECT_NE(help.find("a distant site (repeatable)"), std::string::npos);
    EXPECT_NE(help.find("  -h, --help"), std::string::npos);
    EXPECT_NE(help.find("\nQuestions:\n"), std::string::npos);
    EXPECT_NE(help.find("\nFiles:\n  Test.ini   its configuration\n"), std::string::npos);
    EXPECT_NE(help.find("\nExamples:\n  testtool Skiddaw\n"), std::string::npos);
    EXPECT_EQ(UsageText(kTestTool),
              "Usage: testtool [OPTION]... [SITE]\nTry 'testtool --help' for more information.\n");
}

TEST(GivenAnswers, ShowThePromptReadNothingAndRunOut) {
    std::istringstream in("typed\n");
    std::ostringstream out;
    Console con(in, out, false);
    con.GiveAnswer("--width", "40");
    con.GiveAnswer("--width", "");
    EXPECT_EQ(con.Ask("Width ", "--width"), "40");
    EXPECT_EQ(con.Ask("Width ", "--width"), "");
    EXPECT_EQ(con.Ask("Width ", "--width"), "typed") << "given answers used up: typed again";
    EXPECT_EQ(con.Ask("Other ", "--other"), "") << "input ended";
    EXPECT_EQ(out.str(), "Width Width Width Other ");
    EXPECT_EQ(con.TakeGivenAnswer("--width"), std::nullopt);
}

TEST(GivenAnswers, ConfigurationOptionsOverrideTheFileAsTypedAnswers) {
    std::istringstream in;
    std::ostringstream out;
    Console con(in, out, false);
    ToolConfig config;
    config.heightPath = "old/";
    config.sitesPath = "old/";
    con.GiveAnswer(kHeightsOption, "tiles");
    con.GiveAnswer(kSitesOption, "");
    con.GiveAnswer(kWindowOption, "9000");
    ApplyGivenConfig(config, con);
    EXPECT_EQ(config.heightPath, "tiles/");
    EXPECT_EQ(config.sitesPath, "old/") << "an empty path is no answer";
    EXPECT_EQ(config.windowSize, kMaxWindowSize_px);
    EXPECT_NE(out.str().find("using 4000"), std::string::npos) << "clamped with the warning";
}

}  // namespace
}  // namespace console
