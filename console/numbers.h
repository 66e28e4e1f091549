// Reading numbers from typed text and rounding, as every console tool does it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/leading_number.h"
#include "geodesy/rounding.h"

namespace console {

// The leading number of a text as the console tools read it (geodesy::kConsoleNumbers): leading
// blanks are skipped, an optional sign, digits with "." as the decimal point and an optional
// exponent ("1.5e3"); reading stops at the first character that cannot continue the number. A
// text starting "&h" (any case) reads the hexadecimal digits that follow. A text without a
// leading number reads as 0.
inline double LeadingNumber(std::string_view text) {
    return geodesy::LeadingNumber(text, geodesy::kConsoleNumbers);
}

// Rounds to the nearest integer, an exact half to the even neighbour (2.5 gives 2, 3.5 gives 4).
using geodesy::RoundHalfEven;

// RoundHalfEven as a 32-bit integer; values beyond the int32 range (and NaN, which gives 0) are
// clamped so the conversion is always defined.
std::int32_t RoundToInt(double value);

// Appends `value` with `decimals` digits after "." (at most 17), in fixed notation and whatever
// the locale, as the CSV files write their figures: a negative value that rounds to zero is
// written without its sign, and a value that cannot be written (NaN) as "nan". Never cut short.
void AppendFixed(std::string& out, double value, int decimals);

}  // namespace console
