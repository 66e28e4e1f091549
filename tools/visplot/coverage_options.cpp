#include "coverage_options.h"

#include <charconv>
#include <cmath>

#include "console/console_constants.h"

namespace visplot {

MastAtReading ReadMastAt(std::string_view value) {
    const std::size_t colon = value.rfind(':');
    if (colon == std::string_view::npos)
        return {{std::string(value), console::kDefaultMastHeight_m}, {}};
    const std::string_view site = value.substr(0, colon);
    const std::string_view suffix = value.substr(colon + 1);
    double mast_m = 0;
    const auto [end, status] =
        std::from_chars(suffix.data(), suffix.data() + suffix.size(), mast_m);
    const bool whole = status == std::errc() && end == suffix.data() + suffix.size();
    if (site.empty() || !whole || !std::isfinite(mast_m) || mast_m < 0 ||
        mast_m > kHighestAntenna_m) {
        return {{},
                std::string(kMastAtOption) +
                    " expects SITE or SITE:M with M a mast height in "
                    "metres from 0 to 10000, not \"" +
                    std::string(value) + "\""};
    }
    return {{std::string(site), mast_m}, {}};
}

CoverageReading CoverageFrom(const console::CommandLine& line) {
    if (!line.Given(kFreqOption)) {
        for (const console::OptionSpec& spec : kCoverageOptions)
            if (line.Given(spec.name))
                return {std::nullopt, std::string(spec.name) + " needs --freq MHZ"};
        return {};
    }
    CoverageRequest request;
    request.radio.frequency_MHz = *line.Number(kFreqOption);
    request.radio.erp_W = line.Number(kErpOption).value_or(request.radio.erp_W);
    request.radio.rxHeight_m = line.Number(kRxHeightOption).value_or(kDefaultRxHeight_m);
    request.radio.rxGain_dBi = line.Number(kRxGainOption).value_or(0.0);
    request.sensitivity_dBm = line.Number(kSensitivityOption);
    for (const std::string& value : line.Values(kMastAtOption)) {
        MastAtReading mast = ReadMastAt(value);
        if (!mast.error.empty()) return {std::nullopt, mast.error};
        request.masts.push_back(std::move(mast.mast));
    }
    if (request.masts.size() + 1 > kMostTransmitters)
        return {std::nullopt, "at most " + std::to_string(kMostTransmitters - 1) + " " +
                                  std::string(kMastAtOption) + " transmitters"};
    return {std::move(request), {}};
}

}  // namespace visplot
