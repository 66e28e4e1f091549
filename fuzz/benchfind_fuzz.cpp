// benchfind's archive lines, typed grid references and typed distances.
//
// Invariants: the fields of a line are parts of it, and the quick easting/northing split agrees
// with the full one; a grid reference read, written and read again names the same point; a
// written grid reference is showable; any typed distance gives a positive finite radius and a
// limit in range.

#include <cmath>
#include <string>

#include "benchfind/archive_line.h"
#include "benchfind/grid_ref.h"
#include "benchfind/search_rules.h"
#include "console/numbers.h"
#include "fuzz_support.h"

namespace {

// The National Grid's extent from the false origin (metres).
constexpr std::int64_t kGridEast_m = 700000;
constexpr std::int64_t kGridNorth_m = 1300000;

bool Within(std::string_view part, std::string_view whole) {
    return part.empty() || (part.data() >= whole.data() &&
                            part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = fuzz::Text(data, size);

    const benchfind::ArchiveFields f = benchfind::SplitArchiveLine(line);
    for (const std::string_view field : {f.name, f.easting, f.northing, f.height, f.type, f.status})
        FUZZ_CHECK(Within(field, line));
    const benchfind::GridFields g = benchfind::SplitGridFields(line);
    FUZZ_CHECK(g.easting == f.easting && g.northing == f.northing);

    if (const auto point = benchfind::ParseGridPoint(line)) {
        const std::string written = benchfind::FormatGridPoint(point->easting_m, point->northing_m);
        FUZZ_CHECK(fuzz::ShowableText(written));
        // Inside the grid the written text reads back as the same point. (Beyond it the
        // letters of squares 1500 km and more north of the false origin are not written as
        // they are read: "EE00" is written "FE00000 00000".)
        const bool on_grid = point->easting_m >= 0 && point->easting_m < kGridEast_m &&
                             point->northing_m >= 0 && point->northing_m < kGridNorth_m;
        if (on_grid) FUZZ_CHECK(benchfind::ParseGridPoint(written) == point);
    }

    const double typed = console::LeadingNumber(line);
    const float radius = benchfind::MaxDistanceFromTyped(typed);
    FUZZ_CHECK(std::isfinite(radius) && radius >= benchfind::kMinMaxDistance_km);
    const std::int32_t limit = benchfind::LimitMetres(radius);
    FUZZ_CHECK(limit >= 1);
    return 0;
}
