// Fixed-point digits of a double, as std::to_chars(first, last, value, std::chars_format::fixed,
// decimals) writes them: the exact binary value rounded to `decimals` places, an exact half to
// the even neighbour, a minus sign for every value with the sign bit set (-0.0 and values that
// round to zero included).
//
// The conversions and the command line's rows write a handful of such numbers per position;
// the library's general routine costs several hundred instructions for each. Values below a
// thousand million with at most nine decimals - every latitude, longitude, grid coordinate and
// distance - are worked out in integer arithmetic instead (the value's 53-bit significand
// times a power of ten, shifted with exact rounding); anything else goes to std::to_chars.
#pragma once

#include <charconv>

namespace geodesy {

// Writes the digits into [first, last); the result as std::to_chars gives it (errc::value_too_large
// when they do not fit). value must be finite.
std::to_chars_result FixedDigits(char* first, char* last, double value, int decimals);

}  // namespace geodesy
