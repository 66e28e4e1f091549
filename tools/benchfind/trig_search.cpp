#include "trig_search.h"

#include <istream>

#include "archive_line.h"
#include "console/console.h"
#include "console/numbers.h"
#include "console/picture_mask.h"
#include "geodesy/constants.h"

namespace benchfind {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTitle = "LOCAL OS BENCHMARKS";

constexpr console::Colour kRowColour = console::Colour::kLightGrey;
constexpr console::Colour kArchiveLineColour = console::Colour::kRed;

// Archive numbers are read as the leading number of the field, rounded to whole metres.
double WholeMetres(std::string_view field) {
    return console::RoundHalfEven(console::LeadingNumber(field));
}

// A grid reference for a point whose coordinates may be anything the archive holds;
// values beyond any real grid position are held at a bound far outside the grid.
std::string PointGridRef(double easting_m, double northing_m) {
    constexpr double kBound = 1e15;
    auto clampToBound = [](double v) {
        if (!(v > -kBound)) return static_cast<std::int64_t>(-kBound);
        if (v > kBound) return static_cast<std::int64_t>(kBound);
        return static_cast<std::int64_t>(v);
    };
    return FormatGridPoint(clampToBound(easting_m), clampToBound(northing_m));
}

}  // namespace

std::string ResultHeader(const SearchSettings& settings) {
    std::string out;
    out += kTitle;
    out += kLineEnd;
    out += kLineEnd;
    out += console::FormatMask(kHeaderMask,
                               {settings.baseText, static_cast<double>(settings.maxDistance_km)});
    out += kLineEnd;
    out += kLineEnd;
    return out;
}

std::string FormatRow(double distance_m, std::string_view name, std::string_view gridRef,
                      double height_m, std::string_view type, std::string_view status) {
    std::string row =
        console::FormatMask(kRowMask, {distance_m / geodesy::kMetresPerKm, std::string(name),
                                       std::string(gridRef), height_m, std::string(type)});
    row += status;
    return row;
}

int SearchArchive(std::istream& archive, const SearchSettings& settings, console::Console& con,
                  std::string& resultText) {
    int listed = 0;
    std::string line;
    while (std::getline(archive, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Most lines are far away: only their easting and northing are read.
        const GridFields grid = SplitGridFields(line);
        const double easting_m = WholeMetres(grid.easting);
        const double northing_m = WholeMetres(grid.northing);
        const double distance_m = GridDistanceMetres(settings.base, easting_m, northing_m);
        if (!(distance_m <= settings.limit_m)) continue;

        const ArchiveFields fields = SplitArchiveLine(line);
        if (!IsListed(settings, distance_m, fields.type, fields.status)) continue;

        const std::string row =
            FormatRow(distance_m, fields.name, PointGridRef(easting_m, northing_m),
                      WholeMetres(fields.height), fields.type, fields.status);
        con.SetColour(kRowColour);
        con.PrintLine(row);
        con.SetColour(kArchiveLineColour);
        con.PrintLine(line);
        resultText += row;
        resultText += kLineEnd;
        ++listed;
    }
    return listed;
}

}  // namespace benchfind
