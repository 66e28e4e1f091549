#include "run.h"

#include <iostream>

#include "console/exit_status.h"
#include "console/prepared_run.h"
#include "pathprofile_app.h"
#include "radio_options.h"
#include "tool_options.h"

namespace pathprofile {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;
    // The radio options, as parsed from the option table, get their own checks of their values.
    std::vector<std::string> radioWords;
    for (const console::GivenOption& option : prepared.line.options) {
        if (option.name == kRadioOptions[0].name || option.name == kRadioOptions[1].name) {
            radioWords.push_back(option.name);
            radioWords.push_back(option.value);
        }
    }
    const RadioArgs radio = TakeRadioArgs(radioWords);
    if (!radio.error.empty()) {
        std::cerr << kDescription.program << ": " << radio.error << '\n'
                  << console::UsageText(kDescription);
        return console::kExitUsage;
    }
    GiveDistantAnswers(prepared.line, console);
    return RunDialogue(console, prepared.commandTail, workingFolder, prepared.headless,
                       radio.options);
}

}  // namespace pathprofile
