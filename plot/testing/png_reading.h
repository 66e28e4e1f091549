// Reading back the PNG a drawing tool wrote, for its tests.
#pragma once

#include <filesystem>
#include <utility>

#include "console/palette.h"

namespace plot::testing {

using console::Rgb;

// The colour of pixel (x, y) of a PNG file; black with ok == false when the file or the pixel is
// missing.
struct PixelResult {
    bool ok = false;
    Rgb colour;
};
PixelResult PngPixel(const std::filesystem::path& png, int x, int y);

// Width and height of a PNG (0, 0 when unreadable).
std::pair<int, int> PngSize(const std::filesystem::path& png);

// Number of pixels of the PNG that have exactly `colour`.
int CountPngPixels(const std::filesystem::path& png, Rgb colour);

}  // namespace plot::testing
