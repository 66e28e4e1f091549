// Writing a file whole or not at all: the content goes to a temporary name beside the target and
// is renamed over it only when complete, so a full disk or a crash never leaves half a file and
// never destroys the file that was there before.
//
// A target that exists and is not a regular file is never renamed over: a character device
// (/dev/null, a terminal) or a FIFO with a reader is written into in place, as a shell's ">"
// would; a FIFO without a reader, a directory, a block device or a socket is refused, so a run
// neither waits for a reader nor replaces a system file when it runs as root.
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

// True when `path` names a regular file (symbolic links followed). Files that belong beside
// another (a picture's world file) are written only beside a regular one: "/dev/null.pgw" is
// nobody's file. Configuration and site files are read only from regular ones: a FIFO blocks
// its reader until something writes to it, and a device may never end.
bool IsRegularFile(const std::filesystem::path& path);

}  // namespace files
