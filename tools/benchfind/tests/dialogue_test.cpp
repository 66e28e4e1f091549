#include "benchfind/dialogue.h"

#include <gtest/gtest.h>

#include <sstream>

#include "console/console.h"
#include "console/testing/test_support.h"

namespace benchfind {
namespace {

using console::testing::ReadFile;
using console::testing::TempDir;
using console::testing::WriteTextFile;

// Runs the dialogue in `dir` on the scripted answers, with a plain (colourless) console, and
// checks the exit status it ends with (1 when a search was refused or failed).
std::string runDialogue(const TempDir& dir, const std::string& answers,
                        const std::string& commandTail = "", int exitStatus = 0,
                        Searches searches = Searches::kUntilEmptyBase) {
    std::istringstream in(answers);
    std::ostringstream out;
    console::Console con(in, out, false);
    EXPECT_EQ(RunDialogue(con, commandTail, dir.Path(), searches), exitStatus) << out.str();
    return out.str();
}

const std::vector<std::string> kArchive = {
    "Near,,,412400,145700,90,,Pillar,,,,,,,1 Good",
    "Far,,,500000,145600,80,,Pillar,,,,,,,1 Good",
};

TEST(Dialogue, PromptsAndOneSearchThenEndsOnAnEmptyBase) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    const std::string out = runDialogue(dir, "su 123 456\n\n\n\n\n");
    EXPECT_EQ(
        out,
        "Find nearest OS Benchmarks\n\n"
        "   Base NGR            "
        "   Max distance km (5) \n"
        "   Exclude 'Dest'[Y]/N "
        "   Pillars only  Y/[N] "
        "  0.1 km  Near                              SU12400 45700   90m Pillar         Good\n"
        "Near,,,412400,145700,90,,Pillar,,,,,,,1 Good\n"
        "Results stored in LocalTrigs.txt\n"
        "   Base NGR            ");
    EXPECT_EQ(
        ReadFile(dir / "LocalTrigs.txt"),
        "LOCAL OS BENCHMARKS\r\n\r\n"
        "Base NGR SU123456        Max Distance    5.0 km\r\n\r\n"
        "  0.1 km  Near                              SU12400 45700   90m Pillar         Good\r\n");
}

TEST(Dialogue, EveryPassRewritesTheResultFile) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    // First pass 100 km finds both; the second, 1 km, only the near one.
    const std::string out = runDialogue(dir, "SU123456\n100\n\n\nSU123456\n1\nn\ny\n\n");
    EXPECT_NE(out.find("Far,,,"), std::string::npos);
    const std::string result = ReadFile(dir / "LocalTrigs.txt");
    EXPECT_NE(result.find("Max Distance    1.0 km"), std::string::npos);
    EXPECT_NE(result.find("Near"), std::string::npos);
    EXPECT_EQ(result.find("Far"), std::string::npos);
    // Nothing left beside the archive and the result (no temporary file).
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST(Dialogue, CommandTailIsTheFirstBaseOnly) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    // The tail's search runs without the base prompt; the next pass prompts, and the end
    // of input reads as an empty base, which ends the run.
    const std::string out = runDialogue(dir, "\n\n\n", "SU 123 456");
    EXPECT_EQ(out.find("   Base NGR            "), out.rfind("   Base NGR            "));
    EXPECT_LT(out.find("Results stored in"), out.find("   Base NGR            "));
    EXPECT_NE(ReadFile(dir / "LocalTrigs.txt").find("Base NGR SU123456 "), std::string::npos);
}

TEST(Dialogue, MissingArchiveLeavesTheOldResultAlone) {
    TempDir dir;
    WriteTextFile(dir.Path(), "LocalTrigs.txt", {"earlier result"});
    const std::string out = runDialogue(dir, "SU123456\n\n\n\n\n", "", 1);
    EXPECT_NE(out.find("CompleteTrigArchive.csv not found\n   Base NGR            "),
              std::string::npos);
    EXPECT_EQ(out.find("Results stored in"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "LocalTrigs.txt"), "earlier result\r\n");

    TempDir empty;
    runDialogue(empty, "SU123456\n\n\n\n\n", "", 1);
    EXPECT_FALSE(std::filesystem::exists(empty / "LocalTrigs.txt"));

    // A folder of the archive's name is not an archive.
    std::filesystem::create_directory(empty / "CompleteTrigArchive.csv");
    EXPECT_NE(
        runDialogue(empty, "SU123456\n\n\n\n\n", "", 1).find("CompleteTrigArchive.csv not found"),
        std::string::npos);
}

TEST(Dialogue, ResultThatCannotBeWrittenIsReportedNotClaimed) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    // A non-empty folder in the result file's place cannot be replaced.
    std::filesystem::create_directory(dir / "LocalTrigs.txt");
    WriteTextFile(dir / "LocalTrigs.txt", "keep.txt", {"kept"});
    const std::string out = runDialogue(dir, "SU123456\n\n\n\n\n", "", 1);
    EXPECT_NE(out.find("LocalTrigs.txt could not be written\n   Base NGR"), std::string::npos);
    EXPECT_EQ(out.find("Results stored in"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "LocalTrigs.txt" / "keep.txt"), "kept\r\n");
}

TEST(Dialogue, BaseThatIsNotAGridReferenceIsRefused) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    const std::string out = runDialogue(dir, "Helvellyn\nSU123456\n\n\n\n\n", "IX1234", 1);
    // Two refusals (the command tail and the first answer), each followed by the prompt;
    // no questions asked for them and no result file.
    EXPECT_EQ(
        out,
        "Find nearest OS Benchmarks\n\n"
        "Not a grid reference\n"
        "   Base NGR            Not a grid reference\n"
        "   Base NGR            "
        "   Max distance km (5) \n"
        "   Exclude 'Dest'[Y]/N "
        "   Pillars only  Y/[N] "
        "  0.1 km  Near                              SU12400 45700   90m Pillar         Good\n"
        "Near,,,412400,145700,90,,Pillar,,,,,,,1 Good\n"
        "Results stored in LocalTrigs.txt\n"
        "   Base NGR            ");
}

// Given its base and every setting, a run makes its one search and ends: it once asked "Base NGR"
// again, which a script that keeps its input open answered with nothing for ever.
TEST(Dialogue, OneSearchEndsWithoutAskingForTheNextBase) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    const std::string out = runDialogue(dir, "5\n\n\nSU123456\n", "SU123456", 0, Searches::kOne);
    EXPECT_EQ(out.find("Base NGR"), std::string::npos) << out;
    EXPECT_NE(out.find("Results stored in LocalTrigs.txt\n"), std::string::npos);

    SCOPED_TRACE("a refused base is that run's end too, with status 1");
    const std::string refused = runDialogue(dir, "SU123456\n", "Helvellyn", 1, Searches::kOne);
    EXPECT_EQ(refused, "Find nearest OS Benchmarks\n\nNot a grid reference\n");
}

TEST(Dialogue, ARefusalEarlierInTheRunStillEndsItWithStatusOne) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    // The slip is mended at the next prompt, but a script still learns of it.
    runDialogue(dir, "Helvellyn\nSU123456\n\n\n\n\n", "", 1);
    runDialogue(dir, "SU123456\n\n\n\n\n", "", 0);
}

TEST(Dialogue, EndOfInputMidDialogueTakesTheDefaultsAndEnds) {
    TempDir dir;
    WriteTextFile(dir.Path(), "CompleteTrigArchive.csv", kArchive);
    const std::string out = runDialogue(dir, "SU123456");
    EXPECT_NE(out.find("Results stored in LocalTrigs.txt"), std::string::npos);
    EXPECT_NE(ReadFile(dir / "LocalTrigs.txt").find("Max Distance    5.0 km"), std::string::npos);
}

}  // namespace
}  // namespace benchfind
