// The window program's number masks: "0" a digit always written, "#" a digit written only when
// significant, "." the decimal point (written even when no decimal digit follows), every other
// character copied as it stands. No fixed width: the integer part grows beyond the mask when
// needed. The value is rounded to the number of decimal places the mask allows (an exact binary
// half goes to the even neighbour), and a minus sign precedes a negative value that does not
// round to zero.
//
// Examples: 51.5 in "##0.000000" -> "51.500000"; 0.5 in "###.###" -> ".5"; 51 in "###.###" ->
// "51."; 88.4901 in "####0.00#" -> "88.49"; 4633.3 in "###m" -> "4633m".
#pragma once

#include <string>
#include <string_view>

namespace geodesy {

// Formats value with mask. A non-finite value gives "NaN", "Inf" or "-Inf".
std::string FormatMask(double value, std::string_view mask);

}  // namespace geodesy
