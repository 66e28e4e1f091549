// pathprofile: the terrain profile of radio paths from a base site to distant sites.
#include <filesystem>
#include <iostream>

#include "console/console.h"
#include "console/headless.h"
#include "pathprofile_app.h"

int main(int argc, char** argv) {
    const console::HeadlessArgs args = console::TakeHeadlessArgs(argc, argv);
    if (!args.error.empty()) {
        std::cerr << args.error << '\n';
        return 2;
    }
    console::SetHeadless(args.options);
    return pathprofile::RunPathProfile(console::Console::Standard(),
                                       console::CommandTail(args.remaining),
                                       std::filesystem::current_path(), args.options);
}
