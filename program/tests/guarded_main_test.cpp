// What escapes a program's body becomes one line and a failed exit, whatever was thrown.
#include "program/guarded_main.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>
#include <string>

#include "program/exit_status.h"

namespace program {
namespace {

TEST(RunGuarded, ANormalRunKeepsItsStatusAndPrintsNothing) {
    std::ostringstream errors;
    EXPECT_EQ(RunGuarded(
                  "horizon", [] { return kExitUsage; }, errors),
              kExitUsage);
    EXPECT_EQ(RunGuarded(
                  "horizon", [] { return kExitNormal; }, errors),
              kExitNormal);
    EXPECT_EQ(errors.str(), "");
}

TEST(RunGuarded, EachKindOfEscapeIsOneLineAndARefusedRun) {
    struct Case {
        const char* label;
        std::function<int()> run;
        const char* line;
    };
    const Case cases[] = {
        {"bad_alloc", []() -> int { throw std::bad_alloc(); }, "terrainplot: out of memory\n"},
        {"invalid_argument", []() -> int { throw std::invalid_argument("stoi"); },
         "terrainplot: stoi\n"},
        {"runtime_error", []() -> int { throw std::runtime_error("tile N54W004 unreadable"); },
         "terrainplot: tile N54W004 unreadable\n"},
        {"not an exception", []() -> int { throw 42; }, "terrainplot: unexpected error\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::ostringstream errors;
        EXPECT_EQ(RunGuarded("terrainplot", c.run, errors), kExitRefused);
        EXPECT_EQ(errors.str(), c.line);
    }
}

TEST(ErrorLine, NamesTheProgramFirst) {
    const std::exception_ptr error = std::make_exception_ptr(std::length_error("vector"));
    EXPECT_EQ(ErrorLine("Tormark", error), "Tormark: vector");
}

}  // namespace
}  // namespace program
