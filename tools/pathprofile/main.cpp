// pathprofile: the terrain profile of radio paths from a base site to distant sites.
#include <filesystem>
#include <iostream>

#include "console/console.h"
#include "console/headless.h"
#include "pathprofile_app.h"
#include "radio_options.h"

int main(int argc, char** argv) {
    const console::HeadlessArgs args = console::TakeHeadlessArgs(argc, argv);
    if (!args.error.empty()) {
        std::cerr << args.error << '\n';
        return 2;
    }
    const pathprofile::RadioArgs radio = pathprofile::TakeRadioArgs(args.remaining);
    if (!radio.error.empty()) {
        std::cerr << radio.error << '\n';
        return 2;
    }
    console::SetHeadless(args.options);
    return pathprofile::RunPathProfile(
        console::Console::Standard(), console::CommandTail(radio.remaining),
        std::filesystem::current_path(), args.options, radio.options);
}
