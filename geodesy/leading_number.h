// The leading number of a typed text. The window program and the console tools read numbers by
// slightly different rules; both are options of the one reader here.
#pragma once

#include <string_view>

namespace geodesy {

// What the number reader accepts beyond a plain "-12.5e3".
struct NumberRules {
    // Characters skipped before the number.
    std::string_view blanks = " \t";
    // Blanks may also stand inside the number, after its sign and inside its exponent, and are
    // ignored there ("51 3" reads 513, "- 5" reads -5).
    bool blanks_inside = false;
    // "&h" (any case) before hexadecimal digits reads them ("&h1F" reads 31).
    bool hex_prefix = false;
    // A value too large for a double reads as +-infinity (true) or as the largest finite value
    // (false). A value too small for one reads as 0 under both rules.
    bool overflow_to_infinity = false;
};

// The window program's numbers: blanks (space, tab, line feed) anywhere in the number, no hex,
// a value too large is +-infinity.
inline constexpr NumberRules kWindowNumbers{" \t\n", true, false, true};
// The console tools' numbers: leading spaces and tabs only, "&h" hexadecimal, a
// value too large is the largest finite value.
inline constexpr NumberRules kConsoleNumbers{" \t", false, true, false};

// The leading number of text: an optional sign, digits with at most one decimal point "." (any
// locale) and an optional exponent that counts only when a digit follows it; reading stops at
// the first character that cannot continue the number. A text without a leading number reads 0.
double LeadingNumber(std::string_view text, const NumberRules& rules = kWindowNumbers);

}  // namespace geodesy
