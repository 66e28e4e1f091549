#include "program/display.h"

#include <cstdlib>
#include <string>

namespace program {

namespace {

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The platforms that draw on a display server, and so need one named.
bool NeedsDisplayServer(std::string_view platform) {
    return platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
}

}  // namespace

bool DisplayAvailable() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    if (Named("DISPLAY") || Named("WAYLAND_DISPLAY")) return true;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform != nullptr && !NeedsDisplayServer(platform);
#endif
}

}  // namespace program
