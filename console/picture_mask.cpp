#include "console/picture_mask.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace console {

namespace {

// Fixed-point text of a number with `decimals` digits after the point, rounded on the exact
// binary value (so a tie goes to the even digit); -0 prints as 0. Independent of the locale.
std::string Fixed(double value, int decimals) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    // A negative value that rounds to zero ("-0.00") prints without its sign.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray continuation byte counts as one character
}

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, int count) {
    std::size_t i = 0;
    for (int n = 0; n < count && i < text.size(); ++n) {
        i += Utf8Length(static_cast<unsigned char>(text[i]));
    }
    return text.substr(0, std::min(i, text.size()));
}

std::string PadRight(std::string_view text, int width) {
    std::string out(FirstCharacters(text, width));
    int have = TextWidth(out);
    if (have < width) out.append(static_cast<std::size_t>(width - have), ' ');
    return out;
}

std::string PadLeft(const std::string& text, int width) {
    int have = TextWidth(text);
    if (have >= width) return text;  // too wide: printed in full rather than cut
    return std::string(static_cast<std::size_t>(width - have), ' ') + text;
}

std::string AsText(const MaskValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return PlainNumber(std::get<double>(value));
}

}  // namespace

int TextWidth(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += Utf8Length(static_cast<unsigned char>(text[i]))) {
        ++count;
    }
    return count;
}

std::string PlainNumber(double value) {
    if (!std::isfinite(value)) return Fixed(value, 0);
    if (value == 0) return "0";
    char buffer[64];
    double magnitude = std::fabs(value);
    std::to_chars_result result;
    if (magnitude >= 1e-5 && magnitude < 1e15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

std::string FormatMask(std::string_view mask, std::initializer_list<MaskValue> values) {
    std::string out;
    auto next = values.begin();
    std::size_t i = 0;
    while (i < mask.size()) {
        char c = mask[i];
        if (c == '#' || (c == '.' && i + 1 < mask.size() && mask[i + 1] == '#' &&
                         (i == 0 || mask[i - 1] != '#'))) {
            // Number field: "#" run, then optionally "." and more "#".
            std::size_t start = i;
            while (i < mask.size() && mask[i] == '#') ++i;
            int decimals = 0;
            if (i + 1 < mask.size() && mask[i] == '.' && mask[i + 1] == '#') {
                ++i;
                while (i < mask.size() && mask[i] == '#') ++i, ++decimals;
            }
            int width = static_cast<int>(i - start);
            if (next == values.end()) return out;
            if (const auto* number = std::get_if<double>(&*next)) {
                out += PadLeft(Fixed(*number, decimals), width);
            } else {
                out += PadLeft(std::get<std::string>(*next), width);
            }
            ++next;
        } else if (c == '\\') {
            std::size_t close = mask.find('\\', i + 1);
            if (close == std::string_view::npos) {  // a lone "\" is an ordinary character
                out += c;
                ++i;
                continue;
            }
            int width = static_cast<int>(close - i + 1);
            if (next == values.end()) return out;
            out += PadRight(AsText(*next), width);
            ++next;
            i = close + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace console
