#include "fuzz_support.h"

#include <unistd.h>

#include <fstream>

namespace fuzz {

namespace {

std::filesystem::path MakeScratchDir() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("tormark-fuzz-" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(path);
    return path;
}

// Removes the scratch folder when the process ends normally.
struct ScratchRemover {
    std::filesystem::path path;
    ~ScratchRemover() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::filesystem::path& ScratchDir() {
    static const ScratchRemover scratch{MakeScratchDir()};
    return scratch.path;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    const std::filesystem::path path = ScratchDir() / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace fuzz
