#include "program/guarded_main.h"

#include <iostream>
#include <new>
#include <string>

#include "program/exit_status.h"

namespace program {

std::string ErrorLine(std::string_view name, const std::exception_ptr& error) {
    std::string line(name);
    line += ": ";
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        line += "out of memory";
    } catch (const std::exception& e) {
        line += e.what();
    } catch (...) {
        line += "unexpected error";
    }
    return line;
}

int RunGuarded(std::string_view name, const std::function<int()>& run, std::ostream& errors) {
    try {
        return run();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        std::cout.flush();
        errors << ErrorLine(name, error) << '\n' << std::flush;
        return kExitRefused;
    }
}

int RunGuarded(std::string_view name, const std::function<int()>& run) {
    return RunGuarded(name, run, std::cerr);
}

}  // namespace program
