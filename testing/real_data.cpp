#include "testing/real_data.h"

#include <cstdlib>
#include <system_error>

namespace realdata {

std::filesystem::path Folder() {
    if (const char* env = std::getenv("TORMARK_TEST_DATA")) return env;
    return TORMARK_TEST_DATA;
}

std::filesystem::path Path(std::string_view relative) {
    return Folder() / relative;
}

std::optional<std::filesystem::path> FirstMissing(
    std::initializer_list<std::string_view> relative) {
    for (const std::string_view name : relative) {
        std::error_code ec;
        const std::filesystem::path path = Path(name);
        if (!std::filesystem::exists(path, ec)) return path;
    }
    return std::nullopt;
}

}  // namespace realdata
