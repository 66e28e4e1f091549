// The command-line options of pathprofile's radio figures:
//
//   --freq MHZ   the first Fresnel zone at this frequency drawn on every profile, with its worst
//                clearance, the free-space loss and the knife-edge diffraction loss on the console
//   --csv FILE   every profile's samples written as CSV to FILE, numbered like the PNGs
//
// TakeRadioArgs removes them from the words of the command line; the remaining words keep their
// usual meaning (the base site). Without them the program runs exactly as it always has.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pathprofile {

// One option as a help text lists it: "--freq MHZ  description".
struct OptionDescription {
    std::string_view name;
    std::string_view value;
    std::string_view description;
};

inline constexpr std::array<OptionDescription, 2> kRadioOptions{{
    {"--freq", "MHZ",
     "draw the first Fresnel zone at this frequency (and its 60 % line) on every profile; print "
     "its worst clearance with a verdict, the free-space loss and the knife-edge diffraction "
     "loss"},
    {"--csv", "FILE",
     "write every profile's samples as CSV to FILE, numbered like the PNGs (FILE profile.csv "
     "gives profile1.csv, profile2.csv, ...)"},
}};

struct RadioOptions {
    std::optional<double> frequency_MHz;  // --freq: above 0, finite
    std::string csvFile;                  // --csv: empty when not given
};

struct RadioArgs {
    RadioOptions options;
    std::vector<std::string> remaining;  // the other words, in order
    std::string error;                   // non-empty when an option was malformed (usage error)
};

// Splits `words` (the command line without the program name) into the radio options and the
// remaining words. A missing value, a frequency that is not a number above 0 ("abc", "0", "-5",
// "inf", "144MHz"), an empty file name, or an option given twice is an error.
RadioArgs TakeRadioArgs(const std::vector<std::string>& words);

// A frequency in MHz from its text: the whole text a plain number ("144", "1296.5", "2.4e3")
// above 0 whose wavelength is finite; nullopt otherwise.
std::optional<double> ParseFrequency_MHz(std::string_view text);

}  // namespace pathprofile
