// The command-line options of visplot's coverage mode:
//
//   --freq MHZ          the map shows the received level at this frequency instead of what the
//                       mast top sees
//   --erp W             effective radiated power, referred to a half-wave dipole
//   --rx-height M       receive antenna above the ground of every sample (1.5 m: a handheld)
//   --rx-gain DBI       receive antenna gain
//   --sensitivity DBM   two colours, covered or not, and the covered area on the console
//   --mast-at SITE[:M]  another transmitter (repeatable): the best level of all, and a second
//                       picture of which site serves each sample
//
// Without --freq none of the others may be given, and visplot runs exactly as before.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/command_line.h"
#include "mastview/coverage.h"
#include "radiolink/link_budget.h"
#include "radiolink/radio_propagation.h"

namespace visplot {

inline constexpr std::string_view kFreqOption = "--freq";
inline constexpr std::string_view kErpOption = "--erp";
inline constexpr std::string_view kRxHeightOption = "--rx-height";
inline constexpr std::string_view kRxGainOption = "--rx-gain";
inline constexpr std::string_view kSensitivityOption = "--sensitivity";
inline constexpr std::string_view kMastAtOption = "--mast-at";

using radiolink::kHighestFrequency_MHz;
using radiolink::kLowestFrequency_MHz;
// The tallest mast or receive height taken (the masts' own limit in the suite).
inline constexpr double kHighestAntenna_m = 10000.0;
using radiolink::kHighestErp_W;
using radiolink::kHighestRxGain_dBi;
using radiolink::kHighestSensitivity_dBm;
using radiolink::kLowestRxGain_dBi;
using radiolink::kLowestSensitivity_dBm;
// The default receive height: a handheld or a car roof.
inline constexpr double kDefaultRxHeight_m = 1.5;
// The transmitters of one map, the centre's included: each has a colour of its own in the best
// server picture.
inline constexpr std::size_t kMostTransmitters = 12;

inline constexpr console::OptionSpec kCoverageOptions[] = {
    {.name = kFreqOption,
     .valueName = "MHZ",
     .type = console::ValueType::kNumber,
     .help = "draw the received level at this frequency (1 MHz to 100 GHz) by free-space loss and "
             "the Bullington diffraction loss, in 10 dB bands, instead of the visible terrain",
     .expected = "a frequency in MHz from 1 to 100000",
     .range = {.low = kLowestFrequency_MHz, .high = kHighestFrequency_MHz}},
    {.name = kErpOption,
     .valueName = "W",
     .type = console::ValueType::kNumber,
     .help = "with --freq: effective radiated power in watts, referred to a half-wave dipole [1]",
     .expected = "an ERP in watts, above 0 and up to 1000000",
     .range = {.low = 0, .high = kHighestErp_W, .excludesLow = true}},
    {.name = kRxHeightOption,
     .valueName = "M",
     .type = console::ValueType::kNumber,
     .help = "with --freq: receive antenna height above the ground in metres [1.5]",
     .expected = "a height in metres from 0 to 10000",
     .range = {.low = 0, .high = kHighestAntenna_m}},
    {.name = kRxGainOption,
     .valueName = "DBI",
     .type = console::ValueType::kNumber,
     .help = "with --freq: receive antenna gain in dBi [0]",
     .expected = "a gain in dBi from -30 to 70",
     .range = {.low = kLowestRxGain_dBi, .high = kHighestRxGain_dBi}},
    {.name = kSensitivityOption,
     .valueName = "DBM",
     .type = console::ValueType::kNumber,
     .help = "with --freq: draw covered (level at or above DBM) and not covered, and print the "
             "covered area",
     .expected = "a sensitivity in dBm from -200 to 0",
     .range = {.low = kLowestSensitivity_dBm, .high = kHighestSensitivity_dBm}},
    {.name = kMastAtOption,
     .valueName = "SITE[:M]",
     .type = console::ValueType::kText,
     .help =
         "with --freq: another transmitter at a site within the radius, its mast M metres high "
         "[2]; each sample gets the best level, and --png FILE.png also writes FILE-server.png, "
         "the site that serves each sample",
     .repeatable = true},
};

// Another transmitter as typed: the site (a name, locator or grid reference) and its mast.
struct MastAt {
    std::string site;
    double mast_m = 0;
};

struct CoverageRequest {
    mastview::CoverageRadio radio;
    std::optional<double> sensitivity_dBm;
    std::vector<MastAt> masts;  // the --mast-at transmitters, in the order given
};

struct CoverageReading {
    std::optional<CoverageRequest> request;  // nullopt: no --freq, the visibility map
    std::string error;                       // not empty: a usage error
};

// The coverage options of a parsed command line (their values already checked against the
// ranges of the table).
CoverageReading CoverageFrom(const console::CommandLine& line);

// "Skiddaw:10" gives Skiddaw with a 10 m mast, "Skiddaw" the default mast; a suffix after the
// last ":" that is not a height from 0 to 10000 m is an error (the text of a usage error).
struct MastAtReading {
    MastAt mast;
    std::string error;
};
MastAtReading ReadMastAt(std::string_view value);

}  // namespace visplot
