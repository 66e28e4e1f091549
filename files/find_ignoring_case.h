// Finding the file a typed path names whatever the letter case of its name.
//
// The tools come from a platform whose file names ignore case and take "\" as a separator; their
// users spell one file in different cases ("Brelland.ini" and "Brelland.INI", "SITES.DAT" and
// "sites.dat"). On a case-sensitive file system every such lookup goes through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace files {

// A typed path with either separator in the platform's form: off Windows every "\" becomes "/",
// on Windows every "/" becomes "\".
std::string NativePath(std::string_view path);

// The existing entry that `path` names: `path` itself (after NativePath) when it exists,
// otherwise the entry of its folder whose name equals the last component ignoring ASCII letter
// case. Several such entries can exist on a case-sensitive file system; the lexicographically
// smallest name is taken, so the answer never depends on the folder's internal order. The folder
// part is taken as given and kept as typed ("sites.dat", not "./sites.dat"). nullopt when there
// is no such entry or the folder cannot be read.
std::optional<std::string> FindFileIgnoringCase(std::string_view path);

// True when FindFileIgnoringCase finds a regular file.
bool FileExistsIgnoringCase(std::string_view path);

}  // namespace files
