#include "tool_options.h"

#include "pathprofile_app.h"

namespace pathprofile {

DistantAnswer SplitDistantAnswer(std::string_view value) {
    const std::size_t colon = value.rfind(':');
    if (colon == std::string_view::npos) return {std::string(value), "", ""};
    const std::string_view mast = value.substr(colon + 1);
    // Only what begins like a number is a mast height; a ":" elsewhere belongs to the site text.
    const bool looksLikeMast =
        !mast.empty() && std::string_view("0123456789+-.").find(mast.front()) != std::string::npos;
    if (!looksLikeMast) return {std::string(value), "", ""};
    const std::optional<double> metres = console::ReadWholeNumber(mast);
    if (!metres || !(*metres >= 0.0 && *metres <= kHighestMast_m)) {
        return {"", "",
                std::string(kToOption) + " " + std::string(value) +
                    ": the mast height after \":\" must be a number in metres from 0 to 10000"};
    }
    return {std::string(value.substr(0, colon)), std::string(mast), ""};
}

std::string DistantAnswersError(const console::CommandLine& line) {
    for (const std::string& value : line.Values(kToOption)) {
        DistantAnswer answer = SplitDistantAnswer(value);
        if (!answer.error.empty()) return answer.error;
    }
    return {};
}

void GiveDistantAnswers(const console::CommandLine& line, console::Console& console) {
    const std::optional<std::string> k = line.Value(kKOption);
    const std::vector<std::string> distant = line.Values(kToOption);
    for (const std::string& value : distant) {
        const DistantAnswer answer = SplitDistantAnswer(value);
        console.GiveAnswer(kToOption, answer.site);
        console.GiveAnswer(kDistantMastQuestion, answer.mast);
        if (k) console.GiveAnswer(kKOption, *k);
    }
    if (!distant.empty()) {
        console.GiveAnswer(kToOption, std::string(kEndWord));
    } else if (k) {
        console.GiveAnswer(kKOption, *k);
    }
}

}  // namespace pathprofile
