// The colours of a coverage map and the legend that tells them apart: 10 dB bands of received
// level, or covered / not covered for a receiver of a given sensitivity; and the colours of the
// best server picture. Pure: the drawing is in coverage_picture.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/palette.h"
#include "mastview/coverage.h"

namespace visplot {

// The width of one band, dB.
inline constexpr double kBandWidth_dB = 10.0;
// Bands drawn: the highest takes every level above it, the lowest every level below it.
inline constexpr int kBandCount = 10;
// The share of the disc's samples above the highest band's lower edge at most: the strong levels
// at the foot of the mast would otherwise stretch the bands over levels few samples have.
inline constexpr double kTopShare = 0.02;

struct KeyEntry {
    console::Rgb colour;
    std::string label;
};

// The colour of every level, highest first: entry i stands for the levels from lowerEdge[i] up to
// the next higher entry's edge; the last entry takes every lower level too.
struct LevelKey {
    std::vector<std::string> heading;  // the legend's title lines, units named
    std::vector<KeyEntry> entries;
    std::vector<double> lowerEdges_dBm;

    // The entry that colours `level_dBm`.
    int EntryOf(double level_dBm) const;
};

// Ten bands of 10 dB, the highest starting at the whole 10 dB at or below the level that only
// kTopShare of the samples reach. Labels give dBm and the field strength in dBuV/m.
LevelKey BandKey(const mastview::LevelGrid& levels, const mastview::CoverageRadio& radio);

// The lower edge of the highest band for these levels (a multiple of 10 dB).
double HighestBandEdge_dBm(const mastview::LevelGrid& levels);

// Two entries: covered (at or above the sensitivity) and not covered.
LevelKey CoveredKey(double sensitivity_dBm, const mastview::CoverageRadio& radio);

// The colour of transmitter `index` (0: the centre's) in the best server picture; they repeat
// after visplot's largest number of transmitters.
console::Rgb ServerColour(int index);

}  // namespace visplot
