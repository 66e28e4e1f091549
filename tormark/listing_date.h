#pragma once

// The date line of a listing, written the way the user's locale writes dates.

#include <string>

namespace tormark {

// Today's date as the listing's second line: four-digit year, month and day with the date
// separator of the user's locale ("2026/12/08" with "/").
std::string TodayText();

}  // namespace tormark
