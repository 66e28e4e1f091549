// The command-line options of pathprofile's radio figures:
//
//   --freq MHZ         the first Fresnel zone at this frequency drawn on every profile, with its
//                      worst clearance, the free-space loss, the knife-edge and the Bullington
//                      diffraction losses and the path loss on the console
//   --erp W            the transmitter's ERP: the received level and field strength follow
//   --rx-gain DBI      the receive antenna's gain (0 dBi without it)
//   --sensitivity DBM  the receiver's sensitivity: the fade margin follows
//   --csv FILE         every profile's samples written as CSV to FILE, numbered like the PNGs
//
// They are ordinary options of pathprofile's table; without them the program runs exactly as it
// always has.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "console/command_line.h"
#include "radiolink/link_budget.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {

inline constexpr std::string_view kFreqOption = "--freq";
inline constexpr std::string_view kErpOption = "--erp";
inline constexpr std::string_view kRxGainOption = "--rx-gain";
inline constexpr std::string_view kSensitivityOption = "--sensitivity";
inline constexpr std::string_view kCsvOption = "--csv";

using radiolink::kHighestErp_W;
using radiolink::kHighestFrequency_MHz;
using radiolink::kHighestRxGain_dBi;
using radiolink::kHighestSensitivity_dBm;
using radiolink::kLowestFrequency_MHz;
using radiolink::kLowestRxGain_dBi;
using radiolink::kLowestSensitivity_dBm;

inline constexpr console::OptionSpec kFreqOptionSpec{
    .name = kFreqOption,
    .valueName = "MHZ",
    .type = console::ValueType::kNumber,
    .help =
        "draw the first Fresnel zone at this frequency (and its 60 % line) on every profile; "
        "print its worst clearance with a verdict, the free-space loss, the knife-edge and the "
        "Bullington diffraction losses and the path loss",
    .expected = "a frequency in MHz from 1 to 100000 (1 MHz to 100 GHz)",
    .range = {.low = kLowestFrequency_MHz, .high = kHighestFrequency_MHz},
};

inline constexpr console::OptionSpec kErpOptionSpec{
    .name = kErpOption,
    .valueName = "W",
    .type = console::ValueType::kNumber,
    .help =
        "with --freq: the transmitter's ERP in watts (referred to a half-wave dipole, as "
        "licences state it); print the received level and field strength",
    .expected = "an ERP in watts, above 0 and up to 1000000",
    .range = {.low = 0.0, .high = kHighestErp_W, .excludesLow = true},
};

inline constexpr console::OptionSpec kRxGainOptionSpec{
    .name = kRxGainOption,
    .valueName = "DBI",
    .type = console::ValueType::kNumber,
    .help = "with --erp: the receive antenna's gain in dBi (0 without it)",
    .expected = "a gain in dBi from -30 to 70",
    .range = {.low = kLowestRxGain_dBi, .high = kHighestRxGain_dBi},
};

inline constexpr console::OptionSpec kSensitivityOptionSpec{
    .name = kSensitivityOption,
    .valueName = "DBM",
    .type = console::ValueType::kNumber,
    .help = "with --erp: the receiver's sensitivity in dBm; print the fade margin",
    .expected = "a sensitivity in dBm from -200 to 0",
    .range = {.low = kLowestSensitivity_dBm, .high = kHighestSensitivity_dBm},
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
    std::optional<double> frequency_MHz;    // --freq: 1 MHz ... 100 GHz
    std::optional<double> erp_W;            // --erp, only with --freq
    double rxGain_dBi = 0.0;                // --rx-gain, only with --erp
    std::optional<double> sensitivity_dBm;  // --sensitivity, only with --erp
    std::string csvFile;                    // --csv: empty when not given
};

// The radio options of a parsed command line.
RadioOptions RadioOptionsFrom(const console::CommandLine& line);

// What the radio options of a parsed command line lack ("--erp needs --freq MHZ",
// "--sensitivity needs --freq MHZ and --erp W"), empty when they make a run: an ERP means nothing
// without a frequency, a receive gain or a sensitivity nothing without an ERP.
std::string MissingRadioOption(const console::CommandLine& line);

}  // namespace pathprofile
