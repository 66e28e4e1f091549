#include "radio_options.h"

namespace pathprofile {

RadioOptions RadioOptionsFrom(const console::CommandLine& line) {
    return {line.Number(kFreqOption), line.Number(kErpOption),
            line.Number(kRxGainOption).value_or(0.0), line.Number(kSensitivityOption),
            line.Value(kCsvOption).value_or("")};
}

std::string MissingRadioOption(const console::CommandLine& line) {
    for (std::string_view option : {kErpOption, kRxGainOption, kSensitivityOption}) {
        if (!line.Given(option)) continue;
        std::string missing;
        if (!line.Given(kFreqOption)) missing = std::string(kFreqOption) + " MHZ";
        if (option != kErpOption && !line.Given(kErpOption))
            missing += (missing.empty() ? "" : " and ") + std::string(kErpOption) + " W";
        if (!missing.empty()) return std::string(option) + " needs " + missing;
    }
    return {};
}

}  // namespace pathprofile
