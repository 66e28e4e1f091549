// Writing a file whole or not at all: the content goes to a temporary name beside the target and
// is renamed over it only when complete, so a full disk or a crash never leaves half a file and
// never destroys the file that was there before.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>

namespace files {

// Writes `bytes` to `path`. False (the old file untouched, no temporary left) when any step
// fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::byte> bytes);

// The same for text, written as its bytes (no line-end translation).
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace files
