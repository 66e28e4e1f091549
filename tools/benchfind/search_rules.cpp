#include "search_rules.h"

#include <cmath>
#include <limits>

#include "console/numbers.h"
#include "geodesy/constants.h"

namespace benchfind {
namespace {

bool EqualsIgnoringCase(std::string_view text, char upperLetter) {
    return text.size() == 1 &&
           (text[0] == upperLetter || text[0] == static_cast<char>(upperLetter - 'A' + 'a'));
}

char UpperLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

float MaxDistanceFromTyped(double typed_km) {
    // A double beyond the float range has no float value (converting it is undefined): the
    // largest float stands for any larger radius, and NaN or a large negative value takes the
    // default as every value below the smallest does.
    constexpr double kLargestRadius_km = std::numeric_limits<float>::max();
    if (typed_km > kLargestRadius_km) return std::numeric_limits<float>::max();
    if (!(typed_km >= -kLargestRadius_km)) return kDefaultMaxDistance_km;
    const float km = static_cast<float>(typed_km);
    if (!(km >= kMinMaxDistance_km)) return kDefaultMaxDistance_km;
    return km;
}

std::int32_t LimitMetres(float maxDistance_km) {
    return console::RoundToInt(geodesy::kMetresPerKm * static_cast<double>(maxDistance_km));
}

bool IncludeDestroyedFromAnswer(std::string_view answer) {
    return EqualsIgnoringCase(answer, 'N');
}

bool PillarsOnlyFromAnswer(std::string_view answer) {
    return EqualsIgnoringCase(answer, 'Y');
}

double GridDistanceMetres(const GridPoint& base, double easting_m, double northing_m) {
    const double dE = static_cast<double>(base.easting_m) - easting_m;
    const double dN = static_cast<double>(base.northing_m) - northing_m;
    return console::RoundHalfEven(std::sqrt(dE * dE + dN * dN));
}

bool ContainsIgnoringCase(std::string_view text, std::string_view upperNeedle) {
    if (upperNeedle.empty()) return true;
    if (text.size() < upperNeedle.size()) return false;
    const std::size_t last = text.size() - upperNeedle.size();
    for (std::size_t i = 0; i <= last; ++i) {
        std::size_t j = 0;
        while (j < upperNeedle.size() && UpperLetter(text[i + j]) == upperNeedle[j]) ++j;
        if (j == upperNeedle.size()) return true;
    }
    return false;
}

bool IsListed(const SearchSettings& settings, double distance_m, std::string_view type,
              std::string_view status) {
    if (!(distance_m <= settings.limit_m)) return false;  // also drops a NaN distance
    if (settings.pillarsOnly && !ContainsIgnoringCase(type, "PILL")) return false;
    if (!settings.includeDestroyed && ContainsIgnoringCase(status, "DEST")) return false;
    return true;
}

}  // namespace benchfind
