#include "command_line.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "console/command_line.h"
#include "display_texts.h"
#include "geodesy/maidenhead.h"
#include "geodesy/position_input.h"
#include "resolve_rows.h"
#include "site_session.h"
#include "sitefile/site_search.h"

namespace tormark {

namespace {

constexpr int kExitFailure = 1;

constexpr std::string_view kDbOption = "--db";
constexpr std::string_view kResolveOption = "--resolve";
constexpr std::string_view kHomeOption = "--home";
constexpr std::string_view kListingOption = "--listing";
constexpr std::string_view kMinOption = "--min";
constexpr std::string_view kMaxOption = "--max";
constexpr std::string_view kFromOption = "--from";
constexpr std::string_view kToOption = "--to";
constexpr std::string_view kSearchOption = "--search";
constexpr std::string_view kScreenshotOption = "--screenshot";

using console::ValueType;

// The listing panel's boxes, given as options: typed as the boxes take them.
constexpr console::OptionSpec kOptions[] = {
    {kDbOption, "FILE", ValueType::kText,
     "the site database (default: the one the window used last)"},
    {kResolveOption, "", ValueType::kFlag,
     "resolve each TEXT (or each line of standard input) as \"Use This\" would and print a "
     "tab-separated line for each"},
    {kHomeOption, "TEXT", ValueType::kText, "with --resolve or --listing: the home station"},
    {kListingOption, "FILE", ValueType::kFileName,
     "write the listing file FILE as \"Generate the File\" would"},
    {kMinOption, "KM", ValueType::kNumber, "with --listing: the least distance", false, false,
     "a number in km"},
    {kMaxOption, "KM", ValueType::kNumber, "with --listing: the largest distance", false, false,
     "a number in km"},
    {kFromOption, "DEG", ValueType::kNumber, "with --listing: the first bearing", false, false,
     "a number in degrees"},
    {kToOption, "DEG", ValueType::kNumber, "with --listing: the last bearing", false, false,
     "a number in degrees"},
    {kSearchOption, "TEXT", ValueType::kText, "with --listing: only sites whose name holds TEXT"},
    // Shown by the usage lines alone.
    {kScreenshotOption, "FILE", ValueType::kFileName, ""},
};

constexpr std::string_view kForms[] = {
    "[--db FILE]",
    "--resolve [--db FILE] [--home TEXT] [TEXT ...]",
    "--listing FILE --home TEXT [--db FILE] [--min KM] [--max KM] [--from DEG] [--to DEG] "
    "[--search TEXT]",
    "--screenshot FILE [--db FILE] [--home TEXT] [TEXT ...]",
};

constexpr console::ToolDescription kDescription{
    .program = "Tormark",
    .summary =
        "Convert a typed position between Maidenhead locator, National Grid Reference and\n"
        "WGS84 latitude/longitude, with distance and bearings from a home station, site\n"
        "listings from a site database and a live GPS position. Without --resolve or\n"
        "--listing the window opens.",
    .options = kOptions,
    .kind = console::ToolKind::kPlain,
    .files =
        "~/.config/Tormark/Tormark.conf   the window's settings: place, GPS port, database,\n"
        "                                 home station\n"
        "~/fellside/Sites.dat             the default site database; an installed Tormark\n"
        "                                 uses share/tormark/Sites.dat while it is missing",
    .examples =
        "Tormark --db samples/Sites.dat\n"
        "Tormark --resolve --db samples/Sites.dat --home IO84JK \"Scafell Pike\" SU12244219\n"
        "Tormark --listing SITELIST.TXT --db samples/Sites.dat --home \"Scafell Pike\" \\\n"
        "        --max 50",
    .exitStatus =
        "0  normal end\n"
        "1  refused or failed run (a home that names no position, a file not written,\n"
        "   a --resolve line that names no position: every row is still printed)\n"
        "2  usage error (an unknown option or a malformed value)",
    .forms = kForms,
    // Wider than the console tools' help, as Tormark's has always been laid out.
    .layout = {.column = 26, .width = 83},
};

// Resolves the home text and sets it as home, as typing it, pressing "&Use This" and then
// "&Set as Home" would. False (with the reason on err) when the text names no position.
bool SetHome(SiteSession& session, const std::string& text, std::ostream& err) {
    const ResolveResult r = session.UseThis(text);
    if (!ResolvedAPosition(r.kind)) {
        std::string why(MessageOf(r));
        if (why.empty()) why = "not a site, locator, grid reference or latitude/longitude";
        err << "Tormark: home \"" << text << "\": " << why << "\n";
        return false;
    }
    session.SetAsHome();
    return true;
}

// The mode the line asks for; more than one is an error.
RunMode ModeOf(const console::CommandLine& line, std::string& error) {
    RunMode mode = RunMode::kWindow;
    int modes = 0;
    for (const auto& [option, itsMode] : {std::pair{kResolveOption, RunMode::kResolve},
                                          std::pair{kListingOption, RunMode::kListing},
                                          std::pair{kScreenshotOption, RunMode::kScreenshot}}) {
        if (!line.Given(option)) continue;
        mode = itsMode;
        ++modes;
    }
    if (modes > 1) error = "--resolve, --listing and --screenshot exclude each other";
    return mode;
}

// The mistakes of a line whose options are each well formed but do not fit together; empty
// when there is none.
std::string MisfitOf(const CommandLine& c, const console::CommandLine& line) {
    const bool listingOption = line.Given(kMinOption) || line.Given(kMaxOption) ||
                               line.Given(kFromOption) || line.Given(kToOption) ||
                               line.Given(kSearchOption);
    if (c.mode != RunMode::kResolve && c.mode != RunMode::kScreenshot && !c.texts.empty())
        return "unexpected argument " + c.texts.front();
    if (c.mode != RunMode::kListing && listingOption)
        return "--min, --max, --from, --to and --search belong to --listing";
    if (c.mode == RunMode::kWindow && c.home)
        return "--home needs --resolve, --listing or --screenshot";
    if (c.mode == RunMode::kListing && !c.home) return "--listing needs --home TEXT";
    return "";
}

}  // namespace

const console::ToolDescription& Description() {
    return kDescription;
}

std::string UsageText() {
    return console::UsageText(kDescription);
}

std::string HelpText() {
    return console::HelpText(kDescription);
}

std::string VersionText() {
    return console::VersionText(kDescription.program);
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    const console::CommandLine line = console::ParseCommandLine(args, kDescription);
    CommandLine c;
    c.help = line.request == console::CommandRequest::kHelp;
    c.version = line.request == console::CommandRequest::kVersion;
    if (line.request == console::CommandRequest::kUsageError) {
        c.error = line.error;
        return c;
    }
    // --help and --version answer whatever else the line holds.
    if (c.help || c.version) return c;
    c.mode = ModeOf(line, c.error);
    c.database = line.Value(kDbOption);
    c.home = line.Value(kHomeOption);
    c.texts = line.words;
    c.screenshotFile = line.Value(kScreenshotOption).value_or("");
    c.listing.fileName = line.Value(kListingOption).value_or("");
    // The boxes keep their initial texts unless given.
    const auto box = [&line](std::string_view option, std::string& text) {
        if (auto value = line.Value(option)) text = *value;
    };
    box(kMinOption, c.listing.minDist);
    box(kMaxOption, c.listing.maxDist);
    box(kFromOption, c.listing.fromBear);
    box(kToOption, c.listing.toBear);
    box(kSearchOption, c.listing.search);
    if (c.error.empty()) c.error = MisfitOf(c, line);
    return c;
}

int RunResolve(const CommandLine& command, const std::string& defaultDatabase, std::istream& in,
               std::ostream& out, std::ostream& err) {
    SiteSession session;
    session.databasePath = command.database.value_or(defaultDatabase);
    if (command.home && !SetHome(session, *command.home, err)) return kExitFailure;
    // The command line shows no window.
    session.showsWindow = false;
    out << ResolveHeader() << '\n';
    bool all_resolved = true;
    if (!command.texts.empty()) {
        std::string row;
        for (const std::string& text : command.texts) {
            const ResolveResult r = session.UseThis(text);
            row.clear();
            AppendResolutionRow(row, text, r, session);
            out.write(row.data(), static_cast<std::streamsize>(row.size()));
            if (!ResolvedAPosition(r.kind)) all_resolved = false;
        }
    } else {
        all_resolved = ResolveLines(session, in, out);
    }
    out.flush();
    return out && all_resolved ? 0 : kExitFailure;
}

int RunListing(const CommandLine& command, const std::string& defaultDatabase,
               const std::string& dateText, std::ostream& err) {
    SiteSession session;
    session.databasePath = command.database.value_or(defaultDatabase);
    // A home that names no position refuses the run; it is no mistake of the command line.
    if (!command.home || !SetHome(session, *command.home, err)) return kExitFailure;
    const ListingOutcome outcome = WriteListing(command.listing, session, dateText);
    if (!outcome.ok) {
        err << "Tormark: " << outcome.message << "\n";
        return kExitFailure;
    }
    return 0;
}

}  // namespace tormark
