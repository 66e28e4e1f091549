#include "console/file_names.h"

namespace console {

std::string_view PathSeparator() {
#ifdef _WIN32
    return "\\";
#else
    return "/";
#endif
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace console
