// Site files of any content with the window's name search and listing and the console tools'
// name search. The input's first line (to the first LF) is the typed text, the rest the file.
//
// Invariants: the line reader gives the same lines as splitting the whole file in memory (its
// fixed-size chunks change nothing); a found entry is one of the file's lines and contains the
// typed text; the listing lists exactly the lines that contain the text, cut to 28 characters.

#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "geodesy/upper_case.h"
#include "sitefile/site_file_lines.h"
#include "sitefile/site_search.h"

namespace {

// The file's lines split in memory by the same rules as the reader.
std::vector<std::string> SplitWhole(std::string_view file, sitefile::LineEnds ends) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < file.size(); ++i) {
        const char c = file[i];
        if (c == '\n' || (c == '\r' && ends == sitefile::LineEnds::kAny)) {
            if (ends == sitefile::LineEnds::kLfOrCrLf && !line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
            // CR LF is one line end.
            if (c == '\r' && i + 1 < file.size() && file[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        if (ends == sitefile::LineEnds::kLfOrCrLf && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ReadLines(const std::string& path, sitefile::LineEnds ends) {
    std::vector<std::string> lines;
    FUZZ_CHECK(sitefile::ForEachLine(path, ends, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    }));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Text(data, size);
    const std::size_t lf = input.find('\n');
    const std::string typed(input.substr(0, lf));
    const std::string_view file = lf == std::string_view::npos ? "" : input.substr(lf + 1);
    const std::string path = fuzz::WriteScratchFile("Sites.dat", file);

    const std::vector<std::string> any = ReadLines(path, sitefile::LineEnds::kAny);
    FUZZ_CHECK(any == SplitWhole(file, sitefile::LineEnds::kAny));
    FUZZ_CHECK(ReadLines(path, sitefile::LineEnds::kLfOrCrLf) ==
               SplitWhole(file, sitefile::LineEnds::kLfOrCrLf));
    const std::optional<std::vector<std::string>> read = sitefile::ReadSiteFileLines(path);
    FUZZ_CHECK(read && *read == any);

    const std::string upper = geodesy::UpperCase(typed);
    const sitefile::SiteSearchResult found = sitefile::FindSiteByName(path, typed);
    FUZZ_CHECK(found.outcome != sitefile::SiteSearchOutcome::kFileMissing);
    if (found.outcome == sitefile::SiteSearchOutcome::kFound) {
        bool matched = false;
        for (const std::string& line : any) {
            const auto fields = sitefile::SplitSiteLine(line);
            if (fields && fields->name == found.fields.name &&
                fields->location == found.fields.location &&
                geodesy::UpperCase(line).find(upper) != std::string::npos)
                matched = true;
        }
        FUZZ_CHECK(matched);
    }

    const sitefile::SiteListResult listed = sitefile::ListSites(path, typed);
    FUZZ_CHECK(listed.ok);
    std::size_t expected = 0;
    for (const std::string& line : any)
        if (geodesy::UpperCase(line).find(upper) != std::string::npos) {
            FUZZ_CHECK(expected < listed.items.size());
            FUZZ_CHECK(listed.items[expected] == line.substr(0, sitefile::kListItemWidth));
            ++expected;
        }
    FUZZ_CHECK(expected == listed.items.size());

    const sitefile::SiteSearchResult console = sitefile::FindSiteByNameField(path, typed);
    FUZZ_CHECK(console.outcome != sitefile::SiteSearchOutcome::kNotFound);
    // The console matches on the name alone.
    if (console.outcome == sitefile::SiteSearchOutcome::kFound)
        FUZZ_CHECK(geodesy::UpperCase(console.fields.name, geodesy::Letters::kAscii)
                       .find(geodesy::UpperCase(typed, geodesy::Letters::kAscii)) !=
                   std::string::npos);
    return 0;
}
