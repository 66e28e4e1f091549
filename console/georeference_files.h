// The georeference files written beside a plot's PNG: FILE.pgw (world file), FILE.prj (WGS84),
// FILE.png.aux.xml (the same coordinate system for GDAL) and FILE.kml (a GroundOverlay whose Icon
// is the PNG's own file name, so the KML and the PNG travel together).
#pragma once

#include <string>
#include <string_view>

#include "console/georeference.h"

namespace console {

// The names beside `pngFile`: its extension replaced by ".pgw", ".prj" and ".kml" (appended
// when it has none), and ".aux.xml" appended to the whole name, as GDAL looks for it.
struct GeoreferenceFileNames {
    std::string worldFile;
    std::string projectionFile;
    std::string auxiliaryFile;
    std::string kmlFile;
};
GeoreferenceFileNames GeoreferenceFilesBeside(const std::string& pngFile);

// True when `file` ends in one of those extensions, so that a picture of that name would be
// overwritten by its own georeference file (and a numbered one, "out1.pgw", too).
bool IsGeoreferenceFileName(const std::string& file);

// Writes the four files for `pngFile` laid on `grid`, the overlay named `name`; each goes
// through a temporary name and a rename. Returns the name of the first file that could not be
// written, or the empty text when all four were.
std::string WriteGeoreferenceFiles(const std::string& pngFile, const PixelGrid& grid,
                                   std::string_view name);

}  // namespace console
