#include "level_key.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "radiolink/link_budget.h"

namespace visplot {
namespace {

// Strong to weak: red, orange, yellow, greens, cyan, blues to a dark violet, none of them black
// (the ground outside the disc) or white (the background).
constexpr std::array<console::Rgb, kBandCount> kBandColours{{
    {220, 0, 0},
    {255, 120, 0},
    {255, 210, 0},
    {170, 230, 0},
    {0, 190, 60},
    {0, 200, 200},
    {0, 130, 255},
    {30, 60, 200},
    {100, 40, 170},
    {70, 30, 90},
}};
constexpr console::Rgb kCovered{0, 200, 60};
// Pale, and far from the no-data grey: ground not covered is known ground, told apart from
// ground without heights at a glance.
constexpr console::Rgb kNotCovered{240, 226, 196};
// Twelve colours far apart, for the best server picture.
constexpr std::array<console::Rgb, 12> kServerColours{{
    {230, 25, 75},
    {60, 180, 75},
    {255, 225, 25},
    {0, 130, 200},
    {245, 130, 48},
    {145, 30, 180},
    {70, 240, 240},
    {240, 50, 230},
    {210, 245, 60},
    {250, 190, 212},
    {0, 128, 128},
    {170, 110, 40},
}};

std::string Whole(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", v == 0 ? 0.0 : v);  // no "-0"
    return text;
}

// The field strength for a level received on the user's antenna: the antenna's gain taken off
// first, since dBuV/m describe the field, not the receiver.
double Field(double level_dBm, const mastview::CoverageRadio& radio) {
    return radiolink::FieldStrength_dBuV_per_m(level_dBm - radio.rxGain_dBi, radio.frequency_MHz);
}

}  // namespace

int LevelKey::EntryOf(double level_dBm) const {
    for (std::size_t i = 0; i + 1 < lowerEdges_dBm.size(); ++i)
        if (level_dBm >= lowerEdges_dBm[i]) return static_cast<int>(i);
    return static_cast<int>(lowerEdges_dBm.size()) - 1;
}

double HighestBandEdge_dBm(const mastview::LevelGrid& levels) {
    // A histogram of the held levels (tenths of a dB) finds the level kTopShare reach.
    std::vector<long> counts(1 << 16, 0);
    long total = 0;
    const std::size_t cells = levels.Index(levels.NLon(), levels.NLat()) + 1;
    const std::int16_t* raw = levels.Data();
    for (std::size_t i = 0; i < cells; ++i) {
        if (raw[i] == mastview::LevelGrid::kNoLevel) continue;
        ++counts[static_cast<std::size_t>(raw[i] - INT16_MIN)];
        ++total;
    }
    if (total == 0) return 0;
    const long above = static_cast<long>(std::ceil(kTopShare * static_cast<double>(total)));
    long seen = 0;
    std::size_t bin = counts.size();
    while (bin > 0 && seen < above) seen += counts[--bin];
    const double level_dBm =
        mastview::LevelGrid::ToDbm(static_cast<std::int16_t>(static_cast<int>(bin) + INT16_MIN));
    return std::floor(level_dBm / kBandWidth_dB) * kBandWidth_dB;
}

LevelKey BandKey(const mastview::LevelGrid& levels, const mastview::CoverageRadio& radio) {
    LevelKey key;
    key.heading = {"Received level", "dBm (dBµV/m)"};
    const double top = HighestBandEdge_dBm(levels);
    for (int i = 0; i < kBandCount; ++i) {
        const double lower = top - i * kBandWidth_dB;
        const double upper = lower + kBandWidth_dB;
        std::string label;
        if (i == 0)
            label = ">= " + Whole(lower) + " (" + Whole(Field(lower, radio)) + ")";
        else if (i == kBandCount - 1)
            label = "< " + Whole(upper) + " (" + Whole(Field(upper, radio)) + ")";
        else
            label = Whole(lower) + " to " + Whole(upper) + " (" + Whole(Field(lower, radio)) +
                    " to " + Whole(Field(upper, radio)) + ")";
        key.entries.push_back({kBandColours[static_cast<std::size_t>(i)], label});
        key.lowerEdges_dBm.push_back(lower);
    }
    return key;
}

LevelKey CoveredKey(double sensitivity_dBm, const mastview::CoverageRadio& radio) {
    LevelKey key;
    char edge[64];
    std::snprintf(edge, sizeof edge, "%.1f dBm (%.1f dBµV/m)", sensitivity_dBm,
                  Field(sensitivity_dBm, radio));
    key.heading = {"Receiver sensitivity", edge};
    key.entries = {{kCovered, "covered"}, {kNotCovered, "not covered"}};
    key.lowerEdges_dBm = {sensitivity_dBm, -INFINITY};
    return key;
}

console::Rgb ServerColour(int index) {
    return kServerColours[static_cast<std::size_t>(index) % kServerColours.size()];
}

}  // namespace visplot
