#include "command_line.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "display_texts.h"
#include "geodesy/maidenhead.h"
#include "geodesy/position_input.h"
#include "resolve_rows.h"
#include "site_session.h"
#include "sitefile/site_search.h"
#include "tormark_version.h"

namespace tormark {

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

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

}  // namespace

std::string UsageText() {
    return "usage: Tormark [--db FILE]\n"
           "       Tormark --resolve [--db FILE] [--home TEXT] [TEXT ...]\n"
           "       Tormark --listing FILE --home TEXT [--db FILE] [--min KM] [--max KM]\n"
           "               [--from DEG] [--to DEG] [--search TEXT]\n"
           "       Tormark --screenshot FILE [--db FILE] [--home TEXT] [TEXT ...]\n";
}

std::string HelpText() {
    return "Usage: Tormark [--db FILE]\n"
           "  or:  Tormark --resolve [--db FILE] [--home TEXT] [TEXT ...]\n"
           "  or:  Tormark --listing FILE --home TEXT [--db FILE] [--min KM] [--max KM]"
           " [--from DEG] [--to DEG] [--search TEXT]\n"
           "  or:  Tormark --screenshot FILE [--db FILE] [--home TEXT] [TEXT ...]\n"
           "Convert a typed position between Maidenhead locator, National Grid Reference and\n"
           "WGS84 latitude/longitude, with distance and bearings from a home station, site\n"
           "listings from a site database and a live GPS position. Without --resolve or\n"
           "--listing the window opens.\n"
           "\n"
           "Options:\n"
           "      --db FILE           the site database (default: the one the window used last)\n"
           "      --resolve           resolve each TEXT (or each line of standard input) as\n"
           "                          \"Use This\" would and print a tab-separated line for each\n"
           "      --home TEXT         with --resolve or --listing: the home station\n"
           "      --listing FILE      write the listing file FILE as \"Generate the File\" would\n"
           "      --min KM            with --listing: the least distance\n"
           "      --max KM            with --listing: the largest distance\n"
           "      --from DEG          with --listing: the first bearing\n"
           "      --to DEG            with --listing: the last bearing\n"
           "      --search TEXT       with --listing: only sites whose name holds TEXT\n"
           "  -h, --help              show this help and exit\n"
           "      --version           show the program's name and version and exit\n"
           "\n"
           "Files:\n"
           "  ~/.config/Tormark/Tormark.conf   the window's settings: place, GPS port, database,\n"
           "                                   home station\n"
           "  ~/fellside/Sites.dat             the default site database; an installed Tormark\n"
           "                                   uses share/tormark/Sites.dat while it is missing\n"
           "\n"
           "Exit status:\n"
           "  0  normal end\n"
           "  1  refused or failed run (a home that names no position, a file not written,\n"
           "     a --resolve line that names no position: every row is still printed)\n"
           "  2  usage error (an unknown option or a malformed value)\n"
           "\n"
           "Examples:\n"
           "  Tormark --db samples/Sites.dat\n"
           "  Tormark --resolve --home IO84JK \"Scafell Pike\" \"SU 1224 4219\"\n"
           "  Tormark --listing SITELIST.TXT --home \"Scafell Pike\" --max 50\n";
}

std::string VersionText() {
    return std::string("Tormark (Tormark suite) ") + TORMARK_VERSION + "\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    auto fail = [&c](const std::string& why) {
        if (c.error.empty()) c.error = why;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string* into) {
            if (i + 1 >= args.size()) {
                fail(a + " needs a value");
                return;
            }
            *into = args[++i];
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a == "--version") {
            c.version = true;
        } else if (a == "--") {
            // The rest are texts, even those that begin with "-".
            c.texts.insert(c.texts.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                           args.end());
            break;
        } else if (a == "--resolve") {
            if (c.mode != RunMode::kWindow)
                fail("--resolve, --listing and --screenshot exclude each other");
            c.mode = RunMode::kResolve;
        } else if (a == "--listing") {
            if (c.mode != RunMode::kWindow)
                fail("--resolve, --listing and --screenshot exclude each other");
            c.mode = RunMode::kListing;
            value(&c.listing.fileName);
        } else if (a == "--screenshot") {
            if (c.mode != RunMode::kWindow)
                fail("--resolve, --listing and --screenshot exclude each other");
            c.mode = RunMode::kScreenshot;
            value(&c.screenshotFile);
        } else if (a == "--db") {
            value(&v);
            c.database = v;
        } else if (a == "--home") {
            value(&v);
            c.home = v;
        } else if (a == "--min") {
            value(&c.listing.minDist);
        } else if (a == "--max") {
            value(&c.listing.maxDist);
        } else if (a == "--from") {
            value(&c.listing.fromBear);
        } else if (a == "--to") {
            value(&c.listing.toBear);
        } else if (a == "--search") {
            value(&c.listing.search);
        } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
            fail("unknown option " + a);
        } else {
            c.texts.push_back(a);
        }
    }
    const bool listingOption = c.listing.minDist != ListingBoxes{}.minDist ||
                               c.listing.maxDist != ListingBoxes{}.maxDist ||
                               c.listing.fromBear != ListingBoxes{}.fromBear ||
                               c.listing.toBear != ListingBoxes{}.toBear ||
                               !c.listing.search.empty();
    if (c.mode != RunMode::kResolve && c.mode != RunMode::kScreenshot && !c.texts.empty())
        fail("unexpected argument " + c.texts.front());
    if (c.mode != RunMode::kListing && listingOption)
        fail("--min, --max, --from, --to and --search belong to --listing");
    if (c.mode == RunMode::kWindow && c.home)
        fail("--home needs --resolve, --listing or --screenshot");
    if (c.mode == RunMode::kScreenshot && c.screenshotFile.empty() && c.error.empty())
        fail("--screenshot needs a file name");
    if (c.mode == RunMode::kListing && !c.home) fail("--listing needs --home TEXT");
    if (c.mode == RunMode::kListing && c.listing.fileName.empty() && c.error.empty())
        fail("--listing needs a file name");
    // --help and --version answer whatever else the line holds.
    if (c.help || c.version) c.error.clear();
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
    if (!command.home || !SetHome(session, *command.home, err)) return kExitUsage;
    const ListingOutcome outcome = WriteListing(command.listing, session, dateText);
    if (!outcome.ok) {
        err << "Tormark: " << outcome.message << "\n";
        return kExitFailure;
    }
    return 0;
}

}  // namespace tormark
