// Every option of every program's table, read the two ways the command line allows: "--name
// VALUE" and "--name=VALUE" give the same typed option, and a malformed number, Y/N or point is
// a usage error that names the option.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "benchfind/tool_options.h"
#include "command_line.h"  // Tormark's
#include "console/command_line.h"
#include "horizon/tool_options.h"
#include "pathprofile/tool_options.h"
#include "terrain3d/tool_options.h"
#include "terrainplot/tool_options.h"
#include "visplot/tool_options.h"

namespace {

using console::CommandRequest;
using console::OptionSpec;
using console::ValueType;

std::vector<const console::ToolDescription*> EveryProgram() {
    return {&terrainplot::kDescription, &terrain3d::kDescription,   &visplot::kDescription,
            &horizon::kDescription,     &pathprofile::kDescription, &benchfind::kDescription,
            &tormark::Description()};
}

// A value of the option's type that every table takes.
std::string GoodValue(const OptionSpec& option) {
    switch (option.type) {
        case ValueType::kNumber:
            // 144 where the range takes it (a frequency, a mast, a radius); else the middle of
            // a range such as a gain's or a level's.
            if (option.range.Contains(144)) return "144";
            return std::to_string((option.range.low + option.range.high) / 2);
        case ValueType::kYesNo:
            return "N";
        case ValueType::kPoint:
            return "10,-20";
        case ValueType::kText:
        case ValueType::kFileName:
            return "out.png";
        case ValueType::kFlag:
            break;
    }
    return "";
}

TEST(EveryOption, TakesItsValueAfterABlankOrAnEqualsSign) {
    int options = 0;
    for (const console::ToolDescription* tool : EveryProgram()) {
        for (const OptionSpec& option : console::AllOptions(*tool)) {
            SCOPED_TRACE(std::string(tool->program) + " " + std::string(option.name));
            const std::string name(option.name);
            if (option.type == ValueType::kFlag) {
                EXPECT_NE(console::ParseCommandLine({name}, *tool).request,
                          CommandRequest::kUsageError);
                EXPECT_EQ(console::ParseCommandLine({name + "=1"}, *tool).error,
                          name + " takes no value");
                continue;
            }
            ++options;
            const std::string value = GoodValue(option);
            const console::CommandLine apart =
                console::ParseCommandLine({name, value, "Skiddaw"}, *tool);
            const console::CommandLine joined =
                console::ParseCommandLine({name + "=" + value, "Skiddaw"}, *tool);
            ASSERT_EQ(apart.request, CommandRequest::kRun) << apart.error;
            ASSERT_EQ(joined.request, CommandRequest::kRun) << joined.error;
            ASSERT_EQ(joined.options.size(), 1u);
            EXPECT_EQ(joined.options[0].name, name);
            EXPECT_EQ(joined.options[0].value, value);
            EXPECT_EQ(joined.options[0].typed.index(), apart.options[0].typed.index());
            EXPECT_EQ(joined.Number(name), apart.Number(name));
            EXPECT_EQ(joined.words, std::vector<std::string>{"Skiddaw"});
            EXPECT_EQ(console::ParseCommandLine({name}, *tool).error,
                      name + " needs a value " + std::string(option.valueName));
        }
    }
    EXPECT_GE(options, 40) << "every table walked";
}

TEST(EveryOption, OfANumberYesNoOrPointRefusesAMalformedValue) {
    for (const console::ToolDescription* tool : EveryProgram()) {
        for (const OptionSpec& option : console::AllOptions(*tool)) {
            const bool typed = option.type == ValueType::kNumber ||
                               option.type == ValueType::kYesNo || option.type == ValueType::kPoint;
            if (!typed) continue;
            SCOPED_TRACE(std::string(tool->program) + " " + std::string(option.name));
            const std::string name(option.name);
            for (const std::vector<std::string>& args :
                 {std::vector<std::string>{name, "abc"}, {name + "=abc"}}) {
                const console::CommandLine line = console::ParseCommandLine(args, *tool);
                EXPECT_EQ(line.request, CommandRequest::kUsageError);
                EXPECT_EQ(line.error.rfind(name + " abc: expected ", 0), 0u) << line.error;
            }
        }
    }
}

TEST(EveryOption, WithHelpIsListedByHelp) {
    for (const console::ToolDescription* tool : EveryProgram()) {
        const std::string help = console::HelpText(*tool);
        for (const OptionSpec& option : console::AllOptions(*tool)) {
            if (option.help.empty()) continue;
            const std::string column = std::string(option.name) +
                                       (option.valueName.empty() ? "" : " ") +
                                       std::string(option.valueName);
            EXPECT_NE(help.find(column), std::string::npos) << tool->program << " " << column;
        }
    }
}

}  // namespace
