// Upper-casing of typed texts and site-file lines. The window program upper-cases the 8-bit
// (Latin-1) texts that the site database and the input box carry; the console tools upper-case
// ASCII letters only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace geodesy {

// The capital of the character at s[i]: ASCII a-z and the Latin-1 small letters a-grave to
// thorn (not the division sign) become capitals; everything else stays. A byte followed by a
// UTF-8 continuation byte is the lead byte of a UTF-8 sequence, not a Latin-1 letter, and stays
// too, so that a UTF-8 text is never broken.
inline char UpperAt(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    constexpr unsigned char kSmallAGrave = 0xE0, kSmallThorn = 0xFE, kDivision = 0xF7;
    constexpr unsigned char kCaseOffset = 0x20;
    if (c < kSmallAGrave || c > kSmallThorn || c == kDivision) return s[i];
    const bool utf8_lead =
        i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80;
    return utf8_lead ? s[i] : static_cast<char>(c - kCaseOffset);
}

// Which letters UpperCase changes: the window program's 8-bit texts carry Latin-1 letters; the
// console tools upper-case ASCII letters only.
enum class Letters { kLatin1, kAscii };

// text upper-cased: UpperAt on every character for kLatin1, only a-z for kAscii.
inline std::string UpperCase(std::string_view text, Letters letters = Letters::kLatin1) {
    std::string out(text);
    if (letters == Letters::kAscii) {
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return out;
    }
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = UpperAt(text, i);
    return out;
}

}  // namespace geodesy
