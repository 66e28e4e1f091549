#include "console/file_names.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "geodesy/upper_case.h"

namespace console {

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string_view text) {
    return geodesy::UpperCase(text, geodesy::Letters::kAscii);
}

}  // namespace

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

std::string NativePath(std::string_view path) {
    std::string out(path);
#ifndef _WIN32
    std::replace(out.begin(), out.end(), '\\', '/');
#endif
    return out;
}

std::optional<std::string> FindFileIgnoringCase(std::string_view path) {
    if (path.empty()) return std::nullopt;
    std::string native = NativePath(path);
    std::error_code ec;
    if (fs::exists(native, ec)) return native;

    fs::path asPath(native);
    std::string wanted = Upper(asPath.filename().string());
    if (wanted.empty()) return std::nullopt;
    fs::path folder = asPath.parent_path();
    fs::path searched = folder.empty() ? fs::path(".") : folder;
    fs::directory_iterator it(searched, ec);
    if (ec) return std::nullopt;
    // Several spellings may exist on a case-sensitive system: take the first in name order so the
    // choice does not depend on the directory's internal order.
    std::optional<std::string> best;
    for (const auto& entry : it) {
        std::string name = entry.path().filename().string();
        if (Upper(name) != wanted) continue;
        std::string full = folder.empty() ? name : (folder / name).string();
        if (!best || full < *best) best = full;
    }
    return best;
}

bool FileExistsIgnoringCase(std::string_view path) {
    auto found = FindFileIgnoringCase(path);
    std::error_code ec;
    return found && fs::is_regular_file(*found, ec);
}

bool WriteFileAtomically(const std::string& path, std::string_view text) {
    std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace console
