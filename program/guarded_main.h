// The guard round every program's body: nothing escapes main as an uncaught exception.
#pragma once

#include <exception>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace program {

// The one line that reports `error` escaping program `name`: "name: out of memory" for
// std::bad_alloc, "name: <what()>" for any other std::exception, "name: unexpected error" for
// anything else. No line end.
std::string ErrorLine(std::string_view name, const std::exception_ptr& error);

// Runs `run` and returns its exit status. When anything escapes it, standard output is flushed
// (so that the dialogue so far comes first), ErrorLine goes to `errors` and the status is
// kExitRefused.
int RunGuarded(std::string_view name, const std::function<int()>& run, std::ostream& errors);

// The same with standard error as `errors`: the form every main uses.
int RunGuarded(std::string_view name, const std::function<int()>& run);

}  // namespace program
