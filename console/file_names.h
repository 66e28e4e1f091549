// File names as the tools spell them: "\" or "/" as separators, found whatever the case.
//
// The tools come from a platform whose file names ignore case, and they spell one file in
// different cases ("Brelland.ini" and "Brelland.INI", "SITES.DAT" and "sites.dat"). Every such
// lookup finds the existing file whatever the case of its name (files/find_ignoring_case.h).
#pragma once

#include <string_view>

#include "files/atomic_write.h"
#include "files/find_ignoring_case.h"

namespace console {

// The platform's path separator as text: "\" on Windows, "/" elsewhere.
std::string_view PathSeparator();

// True for "/" and "\", which are both accepted as separators on input.
bool IsSeparator(char c);

// The typed-path lookup and the whole-file write are the files library's; the tools' code names
// them as its own.
using files::FileExistsIgnoringCase;
using files::FindFileIgnoringCase;
using files::IsRegularFile;
using files::NativePath;
using files::WriteFileAtomically;

}  // namespace console
