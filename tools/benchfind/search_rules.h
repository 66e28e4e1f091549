// The rules of one benchmark search: the distance limit, the flat distance on the
// grid and the two filters (destroyed points, pillars only).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid_ref.h"

namespace benchfind {

// Default search radius when the answer is empty or too small (km).
constexpr float kDefaultMaxDistance_km = 5.0F;
// Smallest radius taken as typed (km); anything below gives the default.
constexpr float kMinMaxDistance_km = 0.001F;

// Settings of one search, filled from the dialogue.
struct SearchSettings {
    std::string baseText;  // the base as typed, upper-cased, blanks removed
    GridPoint base;        // the base position (m)
    float maxDistance_km = kDefaultMaxDistance_km;
    std::int32_t limit_m = 5000;    // 1000 x maxDistance_km, rounded; distances up to it are listed
    bool includeDestroyed = false;  // list points whose status says destroyed
    bool pillarsOnly = false;       // list only points whose type is a pillar
};

// The radius from the typed value (km): below 0.001 km (an empty answer reads as 0)
// gives 5 km. The value is held in single precision.
float MaxDistanceFromTyped(double typed_km);

// The limit in whole metres: 1000 x the radius, rounded half to even, and held
// within the range of a 32-bit integer.
std::int32_t LimitMetres(float maxDistance_km);

// Only an answer that upper-cases to exactly "N" lists destroyed points; the
// default (empty) and every other answer, "NO" included, leaves them out.
bool IncludeDestroyedFromAnswer(std::string_view answer);

// Only an answer that upper-cases to exactly "Y" lists pillars alone.
bool PillarsOnlyFromAnswer(std::string_view answer);

// Straight-line distance on the grid between the base and a point (m), rounded half
// to even. Coordinates far outside the grid give a large distance, never overflow.
double GridDistanceMetres(const GridPoint& base, double easting_m, double northing_m);

// True when `text`, upper-cased, contains `upperNeedle` (which must be upper case).
bool ContainsIgnoringCase(std::string_view text, std::string_view upperNeedle);

// Whether a point at `distance_m` with this type and status text is listed.
// The limit is inclusive: a point exactly at the limit is listed.
bool IsListed(const SearchSettings& settings, double distance_m, std::string_view type,
              std::string_view status);

}  // namespace benchfind
