// One line of the benchmark archive "CompleteTrigArchive.csv".
//
// The archive is comma-separated text without quoting. benchfind reads field 1 (the
// point's name), fields 4, 5 and 6 (easting, northing and height in metres), field 8
// (the type, e.g. "Pillar") and the status: field 15 without its first two characters,
// together with everything after it on the line (so later fields come along).
#pragma once

#include <string_view>

namespace benchfind {

// The fields of one archive line as views into it. A field the line does not reach is
// empty, so a short line reads as empty texts and (once read as numbers) zeros.
struct ArchiveFields {
    std::string_view name;      // field 1
    std::string_view easting;   // field 4
    std::string_view northing;  // field 5
    std::string_view height;    // field 6
    std::string_view type;      // field 8
    std::string_view status;    // field 15 from its third character to the end of the line
};

// Splits one line (without its line end). Views point into `line`.
ArchiveFields SplitArchiveLine(std::string_view line);

// Fields 4 and 5 (easting and northing) alone, as SplitArchiveLine gives them: all a
// search needs to decide whether a point is near enough to look at the rest.
struct GridFields {
    std::string_view easting;
    std::string_view northing;
};
GridFields SplitGridFields(std::string_view line);

}  // namespace benchfind
