// Reading and searching the site database file. The only file access of the geodesy library.
#include "geodesy/site_database.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "geodesy/upper_case.h"

namespace geodesy {

namespace {

namespace fs = std::filesystem;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = UpperAt(text, i);
    return out;
}

// True when line contains upper_needle (already upper case), comparing the line upper-cased.
bool ContainsUpper(std::string_view line, std::string_view upper_needle) {
    const std::size_t n = upper_needle.size();
    if (n == 0) return true;
    if (line.size() < n) return false;
    for (std::size_t i = 0, last = line.size() - n; i <= last; ++i) {
        if (UpperAt(line, i) != upper_needle[0]) continue;
        std::size_t k = 1;
        while (k < n && UpperAt(line, i + k) == upper_needle[k]) ++k;
        if (k == n) return true;
    }
    return false;
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

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads a file line by line in fixed-size chunks (CR, LF or CR LF ends; a last line without an
// end counts), so a large database is never held in memory whole. The file is closed when the
// reader goes out of scope, whatever way the search ends.
class LineReader {
  public:
    explicit LineReader(const fs::path& path) : file_(std::fopen(path.string().c_str(), "rb")) {}
    bool is_open() const { return file_ != nullptr; }
    bool failed() const { return failed_; }

    // The next line without its line end, valid until the next call; std::nullopt at the end.
    std::optional<std::string_view> Next() {
        while (true) {
            std::size_t end = pos_;
            while (end < size_ && !IsLineEnd(buf_[end])) ++end;
            if (end < size_) {
                // A CR at the very end of the buffer may be followed by an LF in the next chunk.
                if (buf_[end] == '\r' && end + 1 == size_ && !eof_) {
                    if (!Refill()) return std::nullopt;
                    continue;
                }
                const std::string_view line(buf_.data() + pos_, end - pos_);
                pos_ = end + 1;
                if (buf_[end] == '\r' && pos_ < size_ && buf_[pos_] == '\n') ++pos_;
                return line;
            }
            if (eof_) {
                if (pos_ == size_) return std::nullopt;
                const std::string_view line(buf_.data() + pos_, size_ - pos_);
                pos_ = size_;
                return line;
            }
            if (!Refill()) return std::nullopt;
        }
    }

  private:
    static constexpr std::size_t kChunk = 1 << 16;

    // Keeps the unread part and appends the next chunk; false on a read error.
    bool Refill() {
        buf_.erase(0, pos_);
        size_ -= pos_;
        pos_ = 0;
        buf_.resize(size_ + kChunk);
        const std::size_t got = std::fread(buf_.data() + size_, 1, kChunk, file_.get());
        size_ += got;
        if (got < kChunk) {
            eof_ = true;
            if (std::ferror(file_.get())) {
                failed_ = true;
                return false;
            }
        }
        return true;
    }

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::string buf_;
    std::size_t pos_ = 0, size_ = 0;
    bool eof_ = false, failed_ = false;
};

// Calls fn(line) for every line of the file until fn returns false. False when the file is
// missing or cannot be read.
template <typename Fn>
bool ForEachFileLine(const std::string& path_text, Fn fn) {
    const std::optional<fs::path> path = FindFile(path_text);
    if (!path) return false;
    LineReader reader(*path);
    if (!reader.is_open()) return false;
    while (const std::optional<std::string_view> line = reader.Next())
        if (!fn(*line)) return true;
    return !reader.failed();
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
    std::vector<std::string> lines;
    const bool ok = ForEachFileLine(path, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    if (!ok) return std::nullopt;
    return lines;
}

SiteSearchResult FindSiteByName(const std::string& path, std::string_view input_text) {
    SiteSearchResult result;
    const std::string needle = Upper(input_text);
    result.outcome = SiteSearchOutcome::kEndOfFile;
    const bool ok = ForEachFileLine(path, [&](std::string_view line) {
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
    if (!ok) {
        result = SiteSearchResult{};
        result.outcome = SiteSearchOutcome::kFileMissing;
        result.message = kDatabaseMissing;
    }
    return result;
}

SiteListResult ListDatabase(const std::string& path, std::string_view input_text) {
    SiteListResult result;
    const std::string needle = Upper(input_text);
    result.ok = ForEachFileLine(path, [&](std::string_view line) {
        if (ContainsUpper(line, needle)) result.items.emplace_back(line.substr(0, kListItemWidth));
        return true;
    });
    if (!result.ok) {
        result.items.clear();
        result.message = kDatabaseMissing;
    }
    return result;
}

}  // namespace geodesy
