// Picture masks: the one formatter behind every console line of the console tools and every text
// drawn in their plot windows.
//
//  - a run of "#", optionally with "." and more "#", is a number field: right-aligned, as wide as
//    the run, rounded to the decimals that follow the "." (no "." gives a whole number);
//    a number too wide for its field is printed in full rather than cut, so no digit is lost;
//  - a run from one "\" to the next "\" is a text field as wide as the run, both backslashes
//    included: the text is left-aligned, cut or padded with blanks;
//  - "°" is the degree sign (UTF-8 here); it and every other character are printed unchanged.
// Fields take the values in order. Output stops at the first field that has no value left.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace console {

// One value for a mask field: a number or a text. A number in a text field is written as
// PlainNumber; a text in a number field is right-aligned in it.
using MaskValue = std::variant<double, std::string>;

std::string FormatMask(std::string_view mask, std::initializer_list<MaskValue> values);

// A number as the tools print it outside masks ("Min Max heights 0  971"): the shortest decimal
// text that reads back as the same value, no exponent for ordinary magnitudes, "-" for negatives.
std::string PlainNumber(double value);

// Number of characters (UTF-8 code points) of a text; masks and fields count characters.
int TextWidth(std::string_view text);

}  // namespace console
