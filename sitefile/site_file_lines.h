// Reading a site file line by line. Site files are plain 8-bit text; the window program and the
// console tools find them and split their lines by slightly different rules, both kept here as
// options.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sitefile {

// Which characters end a line.
enum class LineEnds {
    kAny,       // CR, LF or CR LF (every reader of the programs)
    kLfOrCrLf,  // LF; a CR just before the LF is dropped, a CR elsewhere is part of the line
};

// The file a typed path names, found as files::FindFileIgnoringCase finds it ("\" accepted as a
// separator, sites.dat found for Sites.dat, the smallest name when several spellings exist).
// std::nullopt when that is not a regular file.
std::optional<std::filesystem::path> FindSiteFile(const std::string& typed_path);

// Reads a file line by line in fixed-size chunks, so a large file is never held in memory
// whole. Anything but a regular file (a FIFO, a device, a folder) is not opened. The file is closed
// when the reader goes out of scope, whatever way a search ends.
class LineReader {
  public:
    LineReader(const std::filesystem::path& path, LineEnds ends);
    bool is_open() const { return file_ != nullptr; }
    // True when a read failed: the lines returned so far are not the whole file.
    bool failed() const { return failed_; }

    // The next line without its line end, valid until the next call; std::nullopt at the end.
    // A last line without an end counts unless it is empty.
    std::optional<std::string_view> Next();

  private:
    bool IsLineEnd(char c) const { return c == '\n' || (c == '\r' && ends_ == LineEnds::kAny); }
    std::string_view WithoutCr(std::string_view line) const;
    bool Refill();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    LineEnds ends_;
    std::string buf_;
    std::size_t pos_ = 0, size_ = 0;
    bool eof_ = false, failed_ = false;
};

// Calls fn(line) for every line of the file, in file order, until fn returns false. False when
// the file cannot be opened or a read fails.
template <typename Fn>
bool ForEachLine(const std::filesystem::path& path, LineEnds ends, Fn fn) {
    LineReader reader(path, ends);
    if (!reader.is_open()) return false;
    while (const std::optional<std::string_view> line = reader.Next())
        if (!fn(*line)) return true;
    return !reader.failed();
}

// Every line of the file that typed_path names (FindSiteFile), with any line end. std::nullopt
// when the file is missing or cannot be read.
std::optional<std::vector<std::string>> ReadSiteFileLines(const std::string& typed_path);

}  // namespace sitefile
