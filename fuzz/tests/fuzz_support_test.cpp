// The text checks every harness relies on: a check that let a broken text through would make
// the harnesses' invariants pass whatever the parsers did.
#include "fuzz_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace fuzz {
namespace {

TEST(ShowableText, RefusesInfinityAndNaNHoweverSpelled) {
    for (const char* text : {"inf", "-inf", "INF", "Inf", "iNf", "Infinity", "nan", "-nan", "NAN",
                             "NaN", "nAn", "E: inf , N: 5", "51.5 NaNN"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ShowableText(text));
    }
    // What the C library writes for the values themselves.
    char buffer[32];
    for (const double value : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
        for (const char* format : {"%f", "%F", "%g", "%G"}) {
            std::snprintf(buffer, sizeof buffer, format, value);
            SCOPED_TRACE(buffer);
            EXPECT_FALSE(ShowableText(buffer));
        }
    }
}

TEST(ShowableText, RefusesControlBytesAndKeepsOrdinaryTexts) {
    EXPECT_FALSE(ShowableText(std::string("SU12\0 34", 8)));
    EXPECT_FALSE(ShowableText("IO91\x01M"));
    EXPECT_FALSE(ShowableText("tab\there"));
    EXPECT_FALSE(ShowableText("del\x7F"));
    for (const char* text : {"SU6951 7837", "Not valid", "54\xB0 30' N  3\xB0 12' W",
                             "54\xC2\xB0 30.000'N", "E: 469510 , N: 178369", "Locator error", ""}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(ShowableText(text));
    }
}

TEST(ShowableLocator, TenSymbolsInTheirPlacesOrTheErrorText) {
    EXPECT_TRUE(ShowableLocator("IO91MM44LL"));
    EXPECT_TRUE(ShowableLocator("Locator error"));
    EXPECT_FALSE(ShowableLocator("IO91MM"));         // too short
    EXPECT_FALSE(ShowableLocator("IO9AMM44LL"));     // a letter in a digit place
    EXPECT_FALSE(ShowableLocator("IO91M444LL"));     // a digit in a letter place
    EXPECT_FALSE(ShowableLocator("IO91MM44L\x01"));  // raw control byte
}

}  // namespace
}  // namespace fuzz
