#include "tool_options.h"

#include "pathprofile_app.h"

namespace pathprofile {

DistantAnswer SplitDistantAnswer(std::string_view value) {
    const std::size_t colon = value.rfind(':');
    if (colon == std::string_view::npos) return {std::string(value), ""};
    const std::string_view mast = value.substr(colon + 1);
    // Only a number after the last ":" is a mast height; a ":" elsewhere belongs to the site text.
    const bool isNumber =
        !mast.empty() && mast.find_first_not_of("0123456789.") == std::string_view::npos;
    if (!isNumber) return {std::string(value), ""};
    return {std::string(value.substr(0, colon)), std::string(mast)};
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
