#include "terrain/sample_lookup.h"

#include <algorithm>
#include <cmath>

#include "geodesy/rounding.h"

namespace terrain {

namespace {

// n - index south of the equator and west of Greenwich, where the tile's samples count back
// from its northern or eastern edge.
int Mirrored(int index, double degrees, int samplesPerDegree) {
    return degrees < 0 ? samplesPerDegree - index : index;
}

}  // namespace

SampleIndex NearestSampleIndex(double latitude_deg, double longitude_deg, int samplesPerDegree) {
    const auto index = [samplesPerDegree](double degrees) {
        const double magnitude = std::fabs(degrees);
        const int i = static_cast<int>(
            geodesy::RoundHalfEven(samplesPerDegree * (magnitude - std::trunc(magnitude))));
        return Mirrored(i, degrees, samplesPerDegree);
    };
    return {index(longitude_deg), index(latitude_deg)};
}

SampleIndex SampleIndexAtOrBelow(double latitude_deg, double longitude_deg, int samplesPerDegree) {
    const auto index = [samplesPerDegree](double degrees) {
        const double magnitude = std::fabs(degrees);
        const double fraction = magnitude - std::floor(magnitude);
        const int i = std::clamp(static_cast<int>(std::floor(samplesPerDegree * fraction)), 0,
                                 samplesPerDegree);
        return Mirrored(i, degrees, samplesPerDegree);
    };
    return {index(longitude_deg), index(latitude_deg)};
}

std::int32_t HeightAtOrBelow(const TileBuffer& tile, double latitude_deg, double longitude_deg) {
    const SampleIndex at =
        SampleIndexAtOrBelow(latitude_deg, longitude_deg, tile.SamplesPerDegree());
    return tile.At(at.column, at.row);
}

}  // namespace terrain
