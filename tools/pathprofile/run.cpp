#include "run.h"

#include <iostream>

#include "console/exit_status.h"
#include "console/headless.h"
#include "pathprofile_app.h"
#include "radio_options.h"

namespace pathprofile {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::HeadlessArgs args = console::TakeHeadlessArgs(arguments);
    if (!args.error.empty()) {
        // On the error stream, as a shell expects of a usage error.
        std::cerr << args.error << '\n';
        return console::kExitUsage;
    }
    const RadioArgs radio = TakeRadioArgs(args.remaining);
    if (!radio.error.empty()) {
        std::cerr << radio.error << '\n';
        return console::kExitUsage;
    }
    console::SetHeadless(args.options);
    return RunDialogue(console, console::CommandTail(radio.remaining), workingFolder, args.options,
                       radio.options);
}

}  // namespace pathprofile
