#include "console/headless.h"

#include <charconv>
#include <string_view>

namespace console {

namespace {

// "X,Y" as two numbers (blanks round them allowed); false when it is not that.
bool ParsePoint(std::string_view text, double& x, double& y) {
    auto trim = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        return s;
    };
    auto number = [](std::string_view s, double& out) {
        if (!s.empty() && s.front() == '+') s.remove_prefix(1);
        if (s.empty()) return false;
        auto r = std::from_chars(s.data(), s.data() + s.size(), out);
        return r.ec == std::errc() && r.ptr == s.data() + s.size();
    };
    auto comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    return number(trim(text.substr(0, comma)), x) && number(trim(text.substr(comma + 1)), y);
}

}  // namespace

HeadlessArgs TakeHeadlessArgs(const std::vector<std::string>& words) {
    HeadlessArgs result;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w != "--png" && w != "--click" && w != "--dclick") {
            result.remaining.push_back(w);
            continue;
        }
        if (i + 1 >= words.size()) {
            result.error = w + " needs a value";
            return result;
        }
        const std::string& value = words[++i];
        if (w == "--png") {
            result.options.pngFile = value;
            continue;
        }
        ScriptedClick click;
        click.kind = w == "--click" ? ClickKind::kSingle : ClickKind::kDouble;
        if (!ParsePoint(value, click.x, click.y)) {
            result.error = w + " " + value + ": expected X,Y in plot coordinates";
            return result;
        }
        result.options.clicks.push_back(click);
    }
    if (!result.options.clicks.empty() && result.options.pngFile.empty()) {
        result.error = "--click and --dclick need --png FILE";
    }
    return result;
}

HeadlessArgs TakeHeadlessArgs(int argc, const char* const* argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
    return TakeHeadlessArgs(words);
}

}  // namespace console
