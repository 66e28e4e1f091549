#include "files/find_ignoring_case.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace files {

namespace fs = std::filesystem;

namespace {

// ASCII letters only: file names are bytes in whatever encoding, and folding anything beyond
// a-z could merge two different UTF-8 names.
std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

std::string NativePath(std::string_view path) {
    std::string out(path);
#ifdef _WIN32
    std::replace(out.begin(), out.end(), '/', '\\');
#else
    std::replace(out.begin(), out.end(), '\\', '/');
#endif
    return out;
}

std::optional<std::string> FindFileIgnoringCase(std::string_view path) {
    if (path.empty()) return std::nullopt;
    const std::string native = NativePath(path);
    std::error_code ec;
    if (fs::exists(native, ec)) return native;

    const fs::path asPath(native);
    const std::string wanted = AsciiUpper(asPath.filename().string());
    if (wanted.empty()) return std::nullopt;
    const fs::path folder = asPath.parent_path();
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> smallest;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (AsciiUpper(name) != wanted) continue;
        if (!smallest || name < *smallest) smallest = name;
    }
    if (!smallest) return std::nullopt;
    return folder.empty() ? *smallest : (folder / *smallest).string();
}

bool FileExistsIgnoringCase(std::string_view path) {
    const std::optional<std::string> found = FindFileIgnoringCase(path);
    std::error_code ec;
    return found && fs::is_regular_file(*found, ec);
}

}  // namespace files
