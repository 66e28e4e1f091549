#include "console/visible_text.h"

namespace console {

namespace {

// The bytes that lay text out, and what kBlanked makes of them.
bool IsLayoutByte(char c, LayoutBytes layout) {
    if (layout == LayoutBytes::kKept) return c == '\n' || c == '\t';
    return c == '\n' || c == '\t' || c == '\r';
}

}  // namespace

bool IsControlByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7f;
}

void AppendVisible(std::string& out, std::string_view text, LayoutBytes layout) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsControlByte(c)) continue;
        if (IsLayoutByte(c, layout) && layout == LayoutBytes::kKept) continue;
        out.append(text.substr(plainFrom, i - plainFrom));
        plainFrom = i + 1;
        if (IsLayoutByte(c, layout)) {
            out += ' ';
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += "\\x";
            out += kHexDigits[u >> 4];
            out += kHexDigits[u & 0xf];
        }
    }
    out.append(text.substr(plainFrom));
}

std::string VisibleText(std::string_view text, LayoutBytes layout) {
    std::string out;
    out.reserve(text.size());
    AppendVisible(out, text, layout);
    return out;
}

}  // namespace console
