// Finding a site file and reading its lines.
#include "sitefile/site_file_lines.h"

#include <system_error>

#include "files/atomic_write.h"
#include "files/find_ignoring_case.h"

namespace sitefile {

namespace fs = std::filesystem;

namespace {

// Bytes read from the file at a time.
constexpr std::size_t kChunk = 1 << 16;

}  // namespace

// Only a regular file is opened: a FIFO would block the reader until something writes to it.
LineReader::LineReader(const fs::path& path, LineEnds ends)
    : file_(files::IsRegularFile(path) ? std::fopen(path.string().c_str(), "rb") : nullptr),
      ends_(ends) {}

std::optional<std::string_view> LineReader::Next() {
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
            return WithoutCr(line);
        }
        if (eof_) {
            if (pos_ == size_) return std::nullopt;
            const std::string_view line(buf_.data() + pos_, size_ - pos_);
            pos_ = size_;
            return WithoutCr(line);
        }
        if (!Refill()) return std::nullopt;
    }
}

// With LF ends, the CR of a CR LF pair is still on the line: drop it.
std::string_view LineReader::WithoutCr(std::string_view line) const {
    if (ends_ == LineEnds::kLfOrCrLf && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Keeps the unread part and appends the next chunk; false on a read error.
bool LineReader::Refill() {
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

std::optional<fs::path> FindSiteFile(const std::string& typed_path) {
    const std::optional<std::string> found = files::FindFileIgnoringCase(typed_path);
    std::error_code ec;
    if (!found || !fs::is_regular_file(*found, ec)) return std::nullopt;
    return fs::path(*found);
}

std::optional<std::vector<std::string>> ReadSiteFileLines(const std::string& typed_path) {
    const std::optional<fs::path> path = FindSiteFile(typed_path);
    if (!path) return std::nullopt;
    std::vector<std::string> lines;
    const bool ok = ForEachLine(*path, LineEnds::kAny, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    if (!ok) return std::nullopt;
    return lines;
}

}  // namespace sitefile
