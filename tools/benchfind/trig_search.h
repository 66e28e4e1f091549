// One search of the benchmark archive: the rows of the listed points and the result file.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "search_rules.h"

namespace console {
class Console;
}

namespace benchfind {

inline constexpr std::string_view kArchiveName = "CompleteTrigArchive.csv";
inline constexpr std::string_view kResultName = "LocalTrigs.txt";

// Row of a listed point: distance (km), name, grid reference, height (m) and type.
inline constexpr std::string_view kRowMask =
    "###.# km  \\                               \\ \\           \\  ###m \\            \\ ";
// Third line of the result file: the base and the radius (km).
inline constexpr std::string_view kHeaderMask = "Base NGR \\            \\  Max Distance ####.# km";

// The four header lines of the result file, each ended by CR LF: the title, an empty
// line, the base and radius, an empty line.
std::string ResultHeader(const SearchSettings& settings);

// A listed point's row: the row mask filled, directly followed by the status text.
std::string FormatRow(double distance_m, std::string_view name, std::string_view gridRef,
                      double height_m, std::string_view type, std::string_view status);

// Reads the archive line by line and lists every point the settings keep, in archive
// order: on the console the row (colour 7) and then the archive line as read
// (colour 4); in `resultText` the row ended by CR LF. Returns the number of points
// listed. A line end of CR LF or LF is accepted on the archive's lines.
int SearchArchive(std::istream& archive, const SearchSettings& settings, console::Console& con,
                  std::string& resultText);

}  // namespace benchfind
