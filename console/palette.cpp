#include "console/palette.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "console/file_names.h"
#include "console/numbers.h"
#include "sitefile/site_file_lines.h"

namespace console {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A two-character hexadecimal pair, or -1 when either character is not a hexadecimal digit.
int HexPair(std::string_view line, std::size_t at) {
    if (at + 1 >= line.size()) return -1;
    int high = HexDigit(line[at]);
    int low = HexDigit(line[at + 1]);
    if (high < 0 || low < 0) return -1;
    return high * 16 + low;
}

std::uint8_t Channel(double value) {
    double r = RoundHalfEven(value);
    return static_cast<std::uint8_t>(r < 0 ? 0 : (r > 255 ? 255 : r));
}

double Exponent(double maxHeight_m) {
    if (!(maxHeight_m >= 2)) maxHeight_m = 2;  // also catches NaN
    return std::log(255.0) / std::log(maxHeight_m);
}

}  // namespace

Palette DefaultPalette() {
    Palette palette;
    for (int i = 0; i < kPaletteEntries; ++i) {
        palette[i] =
            Rgb{Channel(i * i / 255.0), Channel(std::sqrt(255.0 * i)), Channel(i < 130 ? i : 130)};
    }
    return palette;
}

bool ApplyPaletteLine(std::string_view line, Palette& palette) {
    if (line.size() < 5) return false;
    for (std::size_t i = 0; i < 5; ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) != "COLOR"[i]) return false;
    }
    // The entry number follows "COLOR" (characters 6 to 8, blanks allowed) up to the "=". Taking
    // everything up to the "=" means "COLOR1000=" is seen as 1000 and ignored, not read as 100.
    auto p = line.find('=');
    if (p == std::string_view::npos) return false;
    std::string_view numberText = line.substr(5, p - 5);
    bool anyDigit = false;
    for (char c : numberText) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
        } else if (c != ' ') {
            return false;
        }
    }
    if (!anyDigit) return false;
    double entry = LeadingNumber(numberText);
    if (entry < 0 || entry > 255) return false;

    int blue = HexPair(line, p + 3);
    int green = HexPair(line, p + 5);
    int red = HexPair(line, p + 7);
    if (blue < 0 || green < 0 || red < 0) return false;
    palette[static_cast<int>(entry)] =
        Rgb{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(blue)};
    return true;
}

std::optional<Palette> ReadPaletteFile(const std::string& name, const std::string& dir) {
    if (name.empty()) return std::nullopt;
    std::string path = name;
    bool hasFolder = path.find_first_of("/\\") != std::string::npos;
    if (!hasFolder && !dir.empty()) path = (std::filesystem::path(dir) / name).string();
    if (!FileExistsIgnoringCase(path)) return std::nullopt;
    Palette palette;
    const bool read = sitefile::ForEachLine(*FindFileIgnoringCase(path), sitefile::LineEnds::kAny,
                                            [&](std::string_view line) {
                                                ApplyPaletteLine(line, palette);
                                                return true;
                                            });
    if (!read) return std::nullopt;
    return palette;
}

bool LoadPalette(std::string& paletteName, Palette& palette, bool emptyNameOnDefault,
                 const std::string& dir) {
    if (auto fromFile = ReadPaletteFile(paletteName, dir)) {
        palette = *fromFile;
        return true;
    }
    palette = DefaultPalette();
    if (emptyNameOnDefault) paletteName.clear();
    return false;
}

int HeightToColour(double height_m, double maxHeight_m) {
    if (!(maxHeight_m >= 2)) maxHeight_m = 2;
    double h = height_m;
    if (!(h > 0)) h = 0;  // negative heights (and NaN) give entry 0
    if (h > maxHeight_m) h = maxHeight_m;
    double entry = RoundHalfEven(std::pow(h, Exponent(maxHeight_m)));
    return entry > 255 ? 255 : static_cast<int>(entry);
}

double ColourToHeight(int entry, double maxHeight_m) {
    return std::pow(static_cast<double>(entry), 1.0 / Exponent(maxHeight_m));
}

HeightColourTable::HeightColourTable(std::int32_t maxHeight_m)
    : max_(maxHeight_m < 2 ? 2 : maxHeight_m) {
    // Whole heights up to 65535 m cover every height a tile can hold; a larger maximum computes
    // the rest on demand instead of holding a huge table.
    std::int32_t last = max_ < 65535 ? max_ : 65535;
    table_.resize(static_cast<std::size_t>(last) + 1);
    for (std::int32_t h = 0; h <= last; ++h) {
        table_[static_cast<std::size_t>(h)] = static_cast<std::uint8_t>(HeightToColour(h, max_));
    }
}

}  // namespace console
