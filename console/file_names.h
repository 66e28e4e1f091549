// File names as the tools spell them: "\" or "/" as separators, found whatever the case.
//
// The tools come from a platform whose file names ignore case, and they spell one file in
// different cases ("Brelland.ini" and "Brelland.INI", "SITES.DAT" and "sites.dat"). Here every
// such lookup finds the existing file whatever the case of its name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace console {

// The platform's path separator as text: "\" on Windows, "/" elsewhere.
std::string_view PathSeparator();

// True for "/" and "\", which are both accepted as separators on input.
bool IsSeparator(char c);

// A typed path in the platform's form: off Windows every "\" becomes "/".
std::string NativePath(std::string_view path);

// The existing file that `path` names: `path` itself when it exists, otherwise the entry of its
// folder whose name equals the last component ignoring case. The folder part is taken as given
// (after NativePath). nullopt when neither exists.
std::optional<std::string> FindFileIgnoringCase(std::string_view path);

// True when FindFileIgnoringCase finds a regular file.
bool FileExistsIgnoringCase(std::string_view path);

// Writes `text` to `path` through a temporary file in the same folder and a rename, so a failure
// never leaves half a file. Returns false (the old file untouched) when writing failed.
bool WriteFileAtomically(const std::string& path, std::string_view text);

}  // namespace console
