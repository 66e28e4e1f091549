#include "dialogue.h"

#include <fstream>
#include <optional>
#include <vector>

#include "console/console.h"
#include "console/exit_status.h"
#include "console/file_names.h"
#include "console/numbers.h"
#include "grid_ref.h"
#include "search_rules.h"
#include "tool_options.h"
#include "trig_search.h"

namespace benchfind {
namespace {

using console::Colour;

constexpr std::string_view kBanner = "Find nearest OS Benchmarks";
constexpr std::string_view kBasePrompt = "   Base NGR            ";
constexpr std::string_view kDistancePrompt = "   Max distance km (5) ";
constexpr std::string_view kDestroyedPrompt = "   Exclude 'Dest'[Y]/N ";
constexpr std::string_view kPillarsPrompt = "   Pillars only  Y/[N] ";
constexpr std::string_view kNotGridRef = "Not a grid reference";
constexpr std::string_view kStoredIn = "Results stored in ";
constexpr std::size_t kArchiveBufferBytes = 1 << 20;

// The base text of one pass: the command tail on the first pass when there is one,
// otherwise the answer to the base prompt.
std::string ReadBaseText(console::Console& con, std::optional<std::string>& pendingTail) {
    if (pendingTail) {
        std::string tail = std::move(*pendingTail);
        pendingTail.reset();
        if (!tail.empty()) return tail;
    }
    return con.Ask(kBasePrompt, kBaseQuestion);
}

SearchSettings AskSettings(console::Console& con, std::string baseText, const GridPoint& base) {
    SearchSettings s;
    s.baseText = std::move(baseText);
    s.base = base;
    s.maxDistance_km =
        MaxDistanceFromTyped(console::LeadingNumber(con.Ask(kDistancePrompt, kMaxDistanceOption)));
    s.limit_m = LimitMetres(s.maxDistance_km);
    con.PrintLine();
    s.includeDestroyed =
        IncludeDestroyedFromAnswer(con.Ask(kDestroyedPrompt, kExcludeDestroyedOption));
    s.pillarsOnly = PillarsOnlyFromAnswer(con.Ask(kPillarsPrompt, kPillarsOnlyOption));
    return s;
}

// Searches the archive in `folder` and replaces the result file there. The result file
// is written only once the archive has been read to its end. False when there is no archive
// or the result file could not be written (told on the console).
bool SearchAndStore(console::Console& con, const SearchSettings& settings,
                    const std::filesystem::path& folder) {
    const std::string archivePath = (folder / kArchiveName).string();
    const auto found = console::FindFileIgnoringCase(archivePath);
    std::error_code error;  // a folder or an unreadable entry counts as not found
    std::ifstream archive;
    // A large read buffer: archives run to a million lines, and small reads cost more
    // than the search itself.
    std::vector<char> readBuffer(kArchiveBufferBytes);
    archive.rdbuf()->pubsetbuf(readBuffer.data(), static_cast<std::streamsize>(readBuffer.size()));
    if (found && std::filesystem::is_regular_file(*found, error)) {
        archive.open(*found, std::ios::binary);
    }
    if (!archive.is_open()) {
        con.SetColour(Colour::kLightMagenta);
        con.PrintLine(std::string(kArchiveName) + " not found");
        con.SetColour(Colour::kLightGrey);
        return false;
    }

    std::string resultText = ResultHeader(settings);
    SearchArchive(archive, settings, con, resultText);
    archive.close();

    const std::string resultPath = (folder / kResultName).string();
    if (!console::WriteFileAtomically(resultPath, resultText)) {
        con.SetColour(Colour::kLightMagenta);
        con.PrintLine(std::string(kResultName) + " could not be written");
        con.SetColour(Colour::kLightGrey);
        return false;
    }
    con.SetColour(Colour::kCyan);
    con.PrintLine(std::string(kStoredIn) + std::string(kResultName));
    con.SetColour(Colour::kLightGrey);
    return true;
}

}  // namespace

int RunDialogue(console::Console& con, std::string_view commandTail,
                const std::filesystem::path& folder, Searches searches) {
    con.SetColour(Colour::kYellow);
    con.PrintLine(kBanner);
    con.PrintLine();

    std::optional<std::string> pendingTail{std::string(commandTail)};
    bool allDone = true;
    for (bool more = true; more; more = searches == Searches::kUntilEmptyBase) {
        con.SetColour(Colour::kLightGrey);
        const std::string typed = ReadBaseText(con, pendingTail);
        if (typed.empty()) break;  // an empty answer (or the end of input) ends the program
        const std::string baseText = NormaliseGridText(typed);

        const auto base = ParseGridPoint(baseText);
        if (!base) {
            con.PrintLine(kNotGridRef);
            allDone = false;
            continue;
        }
        allDone = SearchAndStore(con, AskSettings(con, baseText, *base), folder) && allDone;
    }
    con.Flush();
    return allDone ? console::kExitNormal : console::kExitRefused;
}

}  // namespace benchfind
