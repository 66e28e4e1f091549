#include "terrain/testing/hgt_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace terrain::testing {

namespace fs = std::filesystem;

std::string EncodeHgt(const HeightFunction& height, TileFormat format) {
    const int side = format.Side();
    std::string bytes(static_cast<std::size_t>(format.fileBytes), '\0');
    std::size_t at = 0;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const int v = std::clamp(height(r, c), -32768, 32767);
            const auto u = static_cast<unsigned>(v) & 0xFFFFu;
            bytes[at++] = static_cast<char>(u >> 8);
            bytes[at++] = static_cast<char>(u & 0xFF);
        }
    }
    return bytes;
}

fs::path WriteHgtFile(const fs::path& dir, const std::string& name, const HeightFunction& height,
                      TileFormat format) {
    const std::string bytes = EncodeHgt(height, format);
    const fs::path file = dir / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

TempDir::TempDir() {
    const std::string pattern = (fs::temp_directory_path() / "terrain-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = buffer.data();
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace terrain::testing
