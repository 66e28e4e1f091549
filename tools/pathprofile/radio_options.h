// The command-line options of pathprofile's radio figures:
//
//   --freq MHZ   the first Fresnel zone at this frequency drawn on every profile, with its worst
//                clearance, the free-space loss and the knife-edge diffraction loss on the console
//   --csv FILE   every profile's samples written as CSV to FILE, numbered like the PNGs
//
// They are ordinary options of pathprofile's table; without them the program runs exactly as it
// always has.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "console/command_line.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {

inline constexpr std::string_view kFreqOption = "--freq";
inline constexpr std::string_view kCsvOption = "--csv";

// Below this frequency the wavelength c / f overflows a double, and there would be no zone to
// draw at all.
inline constexpr double kLowestFrequency_MHz =
    radiolink::kSpeedOfLight_m_per_s / std::numeric_limits<double>::max() / radiolink::kHzPerMHz;

inline constexpr console::OptionSpec kFreqOptionSpec{
    .name = kFreqOption,
    .valueName = "MHZ",
    .type = console::ValueType::kNumber,
    .help =
        "draw the first Fresnel zone at this frequency (and its 60 % line) on every profile; "
        "print its worst clearance with a verdict, the free-space loss and the knife-edge "
        "diffraction loss",
    .expected = "a frequency in MHz, a number above 0 (for example 144)",
    .range = {.low = kLowestFrequency_MHz, .excludesLow = true},
};

inline constexpr console::OptionSpec kCsvOptionSpec{
    .name = kCsvOption,
    .valueName = "FILE",
    .type = console::ValueType::kFileName,
    .help =
        "write every profile's samples as CSV to FILE, numbered like the PNGs (FILE "
        "profile.csv gives profile1.csv, profile2.csv, ...)",
};

struct RadioOptions {
    std::optional<double> frequency_MHz;  // --freq: above kLowestFrequency_MHz, finite
    std::string csvFile;                  // --csv: empty when not given
};

// The radio options of a parsed command line.
RadioOptions RadioOptionsFrom(const console::CommandLine& line);

}  // namespace pathprofile
