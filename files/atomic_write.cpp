#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace files {

namespace fs = std::filesystem;

namespace {

// A name beside `path` that no other writer uses at the same time: the process id keeps two
// programs apart, the random part two threads of one program.
fs::path TemporaryBeside(const fs::path& path) {
    std::random_device seed;
    return path.string() + ".tmp" + std::to_string(::getpid()) + "-" +
           std::to_string(std::uniform_int_distribution<unsigned>()(seed));
}

enum class Target {
    kAbsentOrRegular,  // the temporary-file-and-rename write
    kInPlace,          // a character device or a FIFO with a reader: written into as it is
    kRefused,          // renaming over it would replace it, writing into it could harm or hang
};

Target TargetKind(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return Target::kAbsentOrRegular;
    if (S_ISREG(status.st_mode)) return Target::kAbsentOrRegular;
    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) return Target::kInPlace;
    return Target::kRefused;
}

bool WriteAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Opening a FIFO for writing waits for a reader; without the wait it fails at once (ENXIO), and
// the write is refused rather than hanging the run.
bool WriteInPlace(const fs::path& path, std::span<const std::byte> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    const int flags = ::fcntl(fd, F_GETFL);
    bool written = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
    written = written && WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::span<const std::byte> bytes) {
    switch (TargetKind(path)) {
        case Target::kAbsentOrRegular:
            break;
        case Target::kInPlace:
            return WriteInPlace(path, bytes);
        case Target::kRefused:
            return false;
    }
    const fs::path temporary = TemporaryBeside(path);
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool WriteFileAtomically(const fs::path& path, std::string_view text) {
    return WriteFileAtomically(path, std::as_bytes(std::span(text.data(), text.size())));
}

bool IsRegularFile(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace files
