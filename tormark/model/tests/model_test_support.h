#pragma once

// Helpers shared by the model tests, standard C++ only: a temporary folder removed at the end,
// site databases written into it, and reading a listing file back as lines.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace tormark::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        path_ =
            std::filesystem::temp_directory_path() /
            ("tormark-model-" + std::to_string(std::uniform_int_distribution<unsigned>()(seed)));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string FilePath(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Writes `lines` with CR LF line ends into `dir`/`name` and returns the path.
inline std::string WriteFile(const TempDir& dir, const std::string& name,
                             const std::vector<std::string>& lines) {
    const std::string path = dir.FilePath(name);
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines) file << line << "\r\n";
    return path;
}

// The lines of a file split at CR LF; the text after the last CR LF is dropped when empty.
inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// `count` lines from `from` on (fewer at the end).
inline std::vector<std::string> Mid(const std::vector<std::string>& lines, std::size_t from,
                                    std::size_t count = std::string::npos) {
    if (from >= lines.size()) return {};
    const std::size_t end = count > lines.size() - from ? lines.size() : from + count;
    return {lines.begin() + static_cast<std::ptrdiff_t>(from),
            lines.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace tormark::test
