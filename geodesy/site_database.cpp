// Reading and searching the site database file. The only file access of the geodesy library.
#include "geodesy/site_database.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace geodesy {

namespace {

namespace fs = std::filesystem;

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Upper(c);
    return out;
}

// True when line contains upper_needle (already upper case), comparing the line upper-cased.
bool ContainsUpper(std::string_view line, std::string_view upper_needle) {
    if (upper_needle.empty()) return true;
    return std::search(line.begin(), line.end(), upper_needle.begin(), upper_needle.end(),
                       [](char a, char b) { return Upper(a) == b; }) != line.end();
}

// The file a path names: "\" accepted as a separator where it is not one, and a name that
// differs only in letter case from the one asked for accepted on case-sensitive file systems.
std::optional<fs::path> FindFile(const std::string& text) {
    std::string normal = text;
#ifndef _WIN32
    std::replace(normal.begin(), normal.end(), '\\', '/');
#endif
    std::error_code ec;
    const fs::path path(normal);
    if (fs::is_regular_file(path, ec)) return path;
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string want = Upper(path.filename().string());
    if (want.empty()) return std::nullopt;
    fs::directory_iterator it(dir, ec);
    if (ec) return std::nullopt;
    for (const fs::directory_entry& entry : it) {
        if (Upper(entry.path().filename().string()) == want && entry.is_regular_file(ec))
            return entry.path();
    }
    return std::nullopt;
}

// The whole file as bytes; std::nullopt when it is missing or cannot be read. The stream is
// closed on return in every case.
std::optional<std::string> ReadFile(const std::string& path_text) {
    const std::optional<fs::path> path = FindFile(path_text);
    if (!path) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Calls fn(line) for each line of text (CR, LF or CR LF ends; a last line without an end
// counts) until fn returns false.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (!fn(text.substr(start, end - start))) return;
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;
    }
}

}  // namespace

std::optional<SiteFields> SplitSiteLine(std::string_view line) {
    const std::size_t p1 = line.find('~');
    if (p1 == std::string_view::npos) return std::nullopt;
    const std::size_t p2 = line.find('~', p1 + 1);
    const std::string_view location =
        line.substr(p1 + 1, p2 == std::string_view::npos ? std::string_view::npos : p2 - p1 - 1);
    return SiteFields{std::string(line.substr(0, p1)), Upper(location)};
}

std::optional<std::vector<std::string>> ReadDatabaseLines(const std::string& path) {
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes) return std::nullopt;
    std::vector<std::string> lines;
    ForEachLine(*bytes, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

SiteSearchResult FindSiteByName(const std::string& path, std::string_view input_text) {
    SiteSearchResult result;
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes) {
        result.outcome = SiteSearchOutcome::kFileMissing;
        result.message = kDatabaseMissing;
        return result;
    }
    const std::string needle = Upper(input_text);
    result.outcome = SiteSearchOutcome::kEndOfFile;
    ForEachLine(*bytes, [&](std::string_view line) {
        if (line.find(kEndMarker) != std::string_view::npos) {
            result.outcome = SiteSearchOutcome::kNotFound;
            return false;
        }
        // A line without "~" is not an entry: skip it and go on.
        if (line.find('~') == std::string_view::npos) return true;
        if (!ContainsUpper(line, needle)) return true;
        result.outcome = SiteSearchOutcome::kFound;
        result.fields = *SplitSiteLine(line);
        return false;
    });
    return result;
}

SiteListResult ListDatabase(const std::string& path, std::string_view input_text) {
    SiteListResult result;
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes) {
        result.message = kDatabaseMissing;
        return result;
    }
    result.ok = true;
    const std::string needle = Upper(input_text);
    ForEachLine(*bytes, [&](std::string_view line) {
        if (ContainsUpper(line, needle)) result.items.emplace_back(line.substr(0, kListItemWidth));
        return true;
    });
    return result;
}

}  // namespace geodesy
