#include "radio_options.h"

#include <charconv>
#include <cmath>

#include "radiolink/radio_propagation.h"

namespace pathprofile {

std::optional<double> ParseFrequency_MHz(std::string_view text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    // "inf" and "nan" read as numbers; a frequency so small that its wavelength overflows
    // would give no zone at all.
    if (!(value > 0.0) || !std::isfinite(value) || !std::isfinite(radiolink::Wavelength_m(value))) {
        return std::nullopt;
    }
    return value;
}

RadioArgs TakeRadioArgs(const std::vector<std::string>& words) {
    RadioArgs result;
    const auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };
    bool csv_given = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word != "--freq" && word != "--csv") {
            result.remaining.push_back(word);
            continue;
        }
        if (i + 1 >= words.size()) return fail(word + " needs a value");
        const std::string& value = words[++i];
        if (word == "--freq") {
            if (result.options.frequency_MHz)
                return fail("--freq given twice: one frequency per run");
            result.options.frequency_MHz = ParseFrequency_MHz(value);
            if (!result.options.frequency_MHz) {
                return fail("--freq " + value +
                            ": expected a frequency in MHz, a number above 0 (for example 144)");
            }
        } else {
            if (csv_given) return fail("--csv given twice: one file name per run");
            if (value.empty()) return fail("--csv needs a file name");
            result.options.csvFile = value;
            csv_given = true;
        }
    }
    return result;
}

}  // namespace pathprofile
