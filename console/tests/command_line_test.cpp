// The command line of the programs: the option rules, typed values and their usage errors, the
// --help text made from the table, the headless flags, and answers given to the console instead
// of typed.
#include "console/command_line.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "console/console.h"
#include "console/exit_status.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"

namespace console {
namespace {

constexpr OptionSpec kTestOptions[] = {
    {"--width", "KM", ValueType::kNumber, "width of the plot", true, false, "a number in km"},
    {"--to", "SITE", ValueType::kText, "a distant site", false, true},
    {"--only", "Y|N", ValueType::kYesNo, "only these", true},
    {"--out", "FILE", ValueType::kFileName, "write to FILE"},
    {"--freq", "MHZ", ValueType::kNumber, "the frequency", false, false, "a frequency above 0",
     NumberRange{.low = 0, .high = 1000, .excludesLow = true}},
    {"--quiet", "", ValueType::kFlag, "say nothing"},
    {"--secret", "TEXT", ValueType::kText, ""},
};
constexpr ToolDescription kTestTool{
    .program = "testtool",
    .arguments = "[SITE]",
    .summary = "A tool for the tests.",
    .options = kTestOptions,
    .questions = "Width     --width",
    .configFile = "Test.ini   its configuration",
    .files = "Test.out   its output",
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
    // Every option is checked for a repeat, whichever way it was written.
    EXPECT_EQ(Parse({"--only=Y", "--only", "N"}).error, "--only given twice");
    EXPECT_EQ(Parse({"--to", "a", "--to=b", "--to", "c"}).Values("--to"),
              (std::vector<std::string>{"a", "b", "c"}));
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
    for (const OptionSpec& option : AllOptions(kTestTool)) {
        if (option.help.empty()) continue;
        EXPECT_NE(help.find(std::string(option.name)), std::string::npos) << option.name;
    }
    EXPECT_EQ(help.find("--secret"), std::string::npos) << "an option without help is not listed";
    EXPECT_NE(help.find("      --width KM        width of the plot\n"), std::string::npos);
    EXPECT_NE(help.find("a distant site (repeatable)"), std::string::npos);
    EXPECT_NE(help.find("  -h, --help"), std::string::npos);
    // The frame's configuration questions come before the tool's own.
    EXPECT_NE(help.find("\nQuestions:\n  Asked in this order, each unless the option or word on "
                        "its left gives its answer.\n\n  --heights             Path and Location "
                        "of Height database files (first run)\n"),
              std::string::npos);
    EXPECT_NE(help.find("(first run)\n  Width     --width\n"), std::string::npos);
    // The frame's tiles and site file come after the tool's configuration, once, and before
    // the tool's other files.
    EXPECT_NE(help.find("\nFiles:\n  Test.ini   its configuration\n  N54W004.hgt ...     SRTM "),
              std::string::npos);
    EXPECT_NE(help.find("\n  SITES.DAT           the site file in the site folder\n"
                        "  Test.out   its output\n\nExit status:"),
              std::string::npos);
    EXPECT_EQ(help.find("N54W004.hgt ..."), help.rfind("N54W004.hgt ..."));
    EXPECT_NE(help.find("\nExit status:\n  0  normal end"), std::string::npos);
    EXPECT_NE(help.find("\nExamples:\n  testtool Skiddaw\n"), std::string::npos);
    EXPECT_EQ(UsageText(kTestTool),
              "Usage: testtool [OPTION]... [SITE]\nTry 'testtool --help' for more information.\n");

    ToolDescription plain = kTestTool;
    plain.kind = ToolKind::kPlain;
    EXPECT_EQ(HelpText(plain).find("--heights"), std::string::npos);
    EXPECT_EQ(HelpText(plain).find("N54W004.hgt"), std::string::npos);
}

TEST(CommandLine, AToolWhoseWindowHasItsOwnSizeHasNoWindowOptionOrQuestion) {
    ToolDescription fixed = kTestTool;
    fixed.usesWindowSize = false;
    const CommandLine line = ParseCommandLine({"--window", "300", "Skiddaw"}, fixed);
    EXPECT_EQ(line.request, CommandRequest::kUsageError);
    EXPECT_EQ(line.error, "unknown option --window");
    const std::string help = HelpText(fixed);
    EXPECT_EQ(help.find("--window"), std::string::npos);
    EXPECT_NE(help.find("--sites               path and location of SITES.DAT (first run)\n"
                        "  Width     --width\n"),
              std::string::npos);
    // The other drawing tools keep both.
    EXPECT_EQ(ParseCommandLine({"--window", "300"}, kTestTool).request, CommandRequest::kRun);
    EXPECT_NE(HelpText(kTestTool).find("--window              Plot Window Size [600] (first run)"),
              std::string::npos);
}

TEST(CommandLine, ProgramsOfSeveralFormsListThemAllAndWrapToTheirLayout) {
    constexpr std::string_view kForms[] = {
        "[--db FILE]",
        "--long FILE --home TEXT [--db FILE] [--min KM] [--max KM] [--from DEG] [--to DEG] "
        "[--search TEXT]"};
    ToolDescription tool = kTestTool;
    tool.forms = kForms;
    tool.kind = ToolKind::kPlain;
    tool.layout = {.column = 30, .width = 50};
    EXPECT_EQ(UsageText(tool),
              "usage: testtool [--db FILE]\n"
              "       testtool --long FILE --home TEXT [--db FILE] [--min KM] [--max KM]\n"
              "               [--from DEG] [--to DEG] [--search TEXT]\n");
    const std::string help = HelpText(tool);
    EXPECT_EQ(help.rfind("Usage: testtool [--db FILE]\n  or:  testtool --long FILE --home TEXT "
                         "[--db FILE] [--min KM] [--max KM] [--from DEG] [--to DEG] "
                         "[--search TEXT]\nA tool",
                         0),
              0u);
    EXPECT_NE(help.find("      --width KM              width of the plot\n"), std::string::npos);
    EXPECT_NE(help.find("      --to SITE               a distant site\n"
                        "                              (repeatable)\n"),
              std::string::npos);
}

TEST(TypedValues, EachTypeReadsItsValue) {
    const CommandLine line = Parse({"--width=-2.5e1", "--only", "y", "--out=a b.csv", "--quiet",
                                    "--click", " 10 , -3.5", "--png", "p.png", "--freq", "&h90"});
    ASSERT_EQ(line.request, CommandRequest::kRun) << line.error;
    EXPECT_EQ(line.Number("--width"), -25.0);
    EXPECT_EQ(line.Value("--width"), "-2.5e1") << "the text goes to the dialogue as typed";
    ASSERT_EQ(line.options.size(), 7u);
    EXPECT_EQ(std::get<bool>(line.options[1].typed), true);
    EXPECT_EQ(line.Value("--out"), "a b.csv");
    EXPECT_TRUE(line.Given("--quiet"));
    EXPECT_EQ(line.Value("--quiet"), "");
    const Point at = std::get<Point>(line.options[4].typed);
    EXPECT_EQ(at.x, 10.0);
    EXPECT_EQ(at.y, -3.5);
    EXPECT_EQ(line.Number("--freq"), 144.0) << "the console's hexadecimal numbers";
    EXPECT_EQ(line.Number("--to"), std::nullopt);
    EXPECT_FALSE(Parse({"--only", "N"}).options.empty());
    EXPECT_EQ(std::get<bool>(Parse({"--only", "N"}).options[0].typed), false);
}

TEST(TypedValues, NumberForms) {
    for (const char* good : {"0", "-3", "+2.5", ".5", "1.", "1e3", "1E-3", "2.5e+2", "&hff"})
        EXPECT_TRUE(Parse({"--width", good}).Number("--width")) << good;
    for (const char* bad : {"abc", "1.2.3", "40km", " 4", "4 ", "e5", "1e", "inf", "nan", "-", ".",
                            "&h", "&hG", "1,5", "--", "0x10"}) {
        const CommandLine line = Parse({"--width", bad});
        EXPECT_EQ(line.request, CommandRequest::kUsageError) << bad;
        EXPECT_EQ(line.error, "--width " + std::string(bad) + ": expected a number in km");
    }
    // Too large for a double: the largest one, as the dialogue reads a typed answer.
    EXPECT_TRUE(std::isfinite(*Parse({"--width", "1e999"}).Number("--width")));
}

TEST(TypedValues, MalformedValuesAreUsageErrorsNamingTheOptionAndWhatItExpects) {
    struct Wrong {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Wrong& w : std::vector<Wrong>{
             {{"--width", "abc"}, "--width abc: expected a number in km"},
             {{"--width=abc"}, "--width abc: expected a number in km"},
             {{"--window", "big"}, "--window big: expected a number of pixels"},
             {{"--only", "maybe"}, "--only maybe: expected Y or N"},
             {{"--only", "yes"}, "--only yes: expected Y or N"},
             {{"--out", ""}, "--out needs a file name"},
             {{"--out="}, "--out needs a file name"},
             {{"--freq", "0"}, "--freq 0: expected a frequency above 0"},
             {{"--freq", "1001"}, "--freq 1001: expected a frequency above 0"},
             {{"--freq", ""}, "--freq : expected a frequency above 0"},
             {{"--png", "a", "--click", "10"}, "--click 10: expected X,Y in plot coordinates"},
             {{"--dclick", "x,1"}, "--dclick x,1: expected X,Y in plot coordinates"},
             {{"--click", "1,"}, "--click 1,: expected X,Y in plot coordinates"},
             {{"--quiet=1"}, "--quiet takes no value"},
         }) {
        const CommandLine line = Parse(w.args);
        EXPECT_EQ(line.request, CommandRequest::kUsageError) << w.error;
        EXPECT_EQ(line.error, w.error);
    }
    // An empty number or Y/N is the empty answer, which takes the question's default.
    for (const char* option : {"--width", "--only"}) {
        const CommandLine line = Parse({option, ""});
        EXPECT_EQ(line.request, CommandRequest::kRun) << option;
        EXPECT_EQ(line.Value(option), "");
    }
    EXPECT_EQ(Parse({"--freq", "1000"}).Number("--freq"), 1000.0) << "the top of the range";
}

TEST(TypedValues, OptionValuesMayLookLikeNegativeNumbersOrOptions) {
    EXPECT_EQ(Parse({"--width", "-5", "Keswick"}).Number("--width"), -5.0);
    EXPECT_EQ(Parse({"--to", "--width"}).Values("--to"), std::vector<std::string>{"--width"});
    EXPECT_EQ(Parse({"--to=a=b"}).Value("--to"), "a=b") << "only the first = splits";
}

TEST(HeadlessFlags, ComeFromTheTypedOptionsInOrder) {
    const CommandLine line = Parse({"--png", "out.png", "Black", "--click", "10,20.5",
                                    "Combe/Hills", "--dclick=-3, 4", "--click", "1,2"});
    const HeadlessReading headless = HeadlessFrom(line);
    EXPECT_EQ(headless.error, "");
    EXPECT_EQ(headless.options.pngFile, "out.png");
    ASSERT_EQ(headless.options.clicks.size(), 3u);
    EXPECT_EQ(headless.options.clicks[0].kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(headless.options.clicks[0].y, 20.5);
    EXPECT_EQ(headless.options.clicks[1].kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(headless.options.clicks[1].x, -3);
    EXPECT_DOUBLE_EQ(headless.options.clicks[2].x, 1);
    EXPECT_EQ(CommandTail(line.words), "Black Combe/Hills");

    EXPECT_EQ(HeadlessFrom(Parse({"--click", "1,2"})).error, "--click and --dclick need --png FILE")
        << "nobody to show the clicks to";
    EXPECT_FALSE(HeadlessFrom(Parse({"Keswick"})).options.Active());
}

// An empty --png once opened an off-screen window that waited for ever; a picture named like its
// own world file, .prj or .kml was overwritten by it.
TEST(HeadlessFlags, APngNameThatNamesNoPictureIsAUsageError) {
    const CommandLine empty = Parse({"--png", "", "Keswick"});
    EXPECT_EQ(empty.request, CommandRequest::kUsageError);
    EXPECT_EQ(empty.error, "--png needs a file name");
    for (const char* name : {"out.pgw", "maps/out.kml", "out.prj"}) {
        EXPECT_EQ(HeadlessFrom(Parse({"--png", name})).error,
                  "--png " + std::string(name) +
                      " names a file written beside the picture; give the PNG another name");
    }
    for (const char* name : {"out.png", "out", "out.pgw.png", "out.KML"})
        EXPECT_EQ(HeadlessFrom(Parse({"--png", name})).error, "") << name;
}

// Runs PrepareRun on `args` with its console's output and error channel kept apart.
struct PreparedText {
    PreparedRun run;
    std::string output, errors;
    std::optional<std::string> widthAnswer;
};

PreparedText Prepare(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    Console con(in, out, false, err);
    PreparedText result{PrepareRun(args, kTestTool, con), "", "", std::nullopt};
    result.output = out.str();
    result.errors = err.str();
    result.widthAnswer = con.TakeGivenAnswer("--width");
    return result;
}

TEST(PrepareRun, UsageErrorsGoToTheConsolesErrorChannel) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--width", "abc"}, {"--click", "1,2"}, {"--bogus"}}) {
        const PreparedText p = Prepare(args);
        EXPECT_EQ(p.run.exitNow, kExitUsage) << args.front();
        EXPECT_EQ(p.output, "");
        EXPECT_EQ(p.errors.rfind("testtool: ", 0), 0u) << p.errors;
        EXPECT_NE(p.errors.find("\nUsage: testtool [OPTION]... [SITE]\nTry 'testtool --help'"),
                  std::string::npos)
            << p.errors;
        EXPECT_EQ(p.widthAnswer, std::nullopt) << "nothing handed on";
    }
    EXPECT_EQ(Prepare({"--width", "abc"}).errors.find("--width abc: expected a number in km\n"),
              10u);
}

// Sets an environment variable for one scope (unset when `value` is null), then puts it back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Without a display a window run once waited for ever on an off-screen window; with --png it
// needs none.
TEST(PrepareRun, AWindowRunWithoutADisplayIsRefusedAPngRunIsNot) {
    ScopedVariable display("DISPLAY", nullptr), wayland("WAYLAND_DISPLAY", nullptr);
    {
        ScopedVariable platform("QT_QPA_PLATFORM", nullptr);
        const PreparedText window = Prepare({"Pike"});
        EXPECT_EQ(window.run.exitNow, kExitRefused);
        EXPECT_EQ(window.errors,
                  "testtool: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY "
                  "is set); --png FILE draws without one\n");
        EXPECT_EQ(Prepare({"--png", "a.png", "Pike"}).run.exitNow, std::nullopt);
    }
    {
        ScopedVariable platform("QT_QPA_PLATFORM", "xcb");
        EXPECT_EQ(Prepare({"Pike"}).run.exitNow, kExitRefused) << "xcb needs a display too";
    }
    {
        ScopedVariable platform("QT_QPA_PLATFORM", "offscreen");
        EXPECT_EQ(Prepare({"Pike"}).run.exitNow, std::nullopt) << "a platform chosen on purpose";
    }
    ScopedVariable platform("QT_QPA_PLATFORM", nullptr);
    ScopedVariable named("DISPLAY", ":0");
    EXPECT_EQ(Prepare({"Pike"}).run.exitNow, std::nullopt);
}

TEST(PrepareRun, HandsAnswersOnAsTypedAndSetsTheHeadlessFlags) {
    const PreparedText p = Prepare({"--width", "&h1F", "--png", "a.png", "--click", "1,2", "Pike"});
    EXPECT_EQ(p.run.exitNow, std::nullopt) << p.errors;
    EXPECT_EQ(p.widthAnswer, "&h1F");
    EXPECT_EQ(p.run.commandTail, "Pike");
    EXPECT_EQ(p.run.headless.pngFile, "a.png");
    EXPECT_EQ(p.run.headless.clicks.size(), 1u);

    const PreparedText help = Prepare({"--width", "3", "--help"});
    EXPECT_EQ(help.run.exitNow, kExitNormal);
    EXPECT_EQ(help.output, HelpText(kTestTool));
    EXPECT_EQ(help.widthAnswer, std::nullopt) << "help runs nothing";
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
