#include "files/atomic_write.h"

#include <unistd.h>

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

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::span<const std::byte> bytes) {
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

}  // namespace files
