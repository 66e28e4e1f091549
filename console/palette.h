// Colours, the 256-entry height palette with its file format and built-in default, and the
// mapping from height to palette entry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace console {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour written as six hexadecimal digits lists blue, green, red: FromBgr(0x0000FF) is pure
// red, FromBgr(0xFF0000) pure blue.
constexpr Rgb FromBgr(std::uint32_t bgr) {
    return Rgb{static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
               static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kPureRed{255, 0, 0};
inline constexpr Rgb kPureBlue{0, 0, 255};

inline constexpr int kPaletteEntries = 256;

class Palette {
  public:
    Palette() = default;  // all black
    const Rgb& operator[](int entry) const { return entries_[Clamp(entry)]; }
    Rgb& operator[](int entry) { return entries_[Clamp(entry)]; }
    friend bool operator==(const Palette&, const Palette&) = default;

  private:
    static std::size_t Clamp(int entry) {
        return static_cast<std::size_t>(entry < 0 ? 0 : (entry > 255 ? 255 : entry));
    }
    std::array<Rgb, kPaletteEntries> entries_{};
};

// The built-in palette: entry i has red i*i/255, green sqrt(255*i), blue min(i, 130), rounded;
// black at 0 through dark and light green to pale yellow (255, 255, 130) at 255.
Palette DefaultPalette();

// Applies one palette file line to `palette`: "COLOR" in any case at the start, the entry number
// in characters 6 to 8, then at the first "=" two ignored characters (normally "&h") and blue,
// green, red as hexadecimal pairs. Lines that are not such a line, entry numbers outside 0 ... 255
// and pairs that are not hexadecimal are ignored. Returns whether the line set an entry.
bool ApplyPaletteLine(std::string_view line, Palette& palette);

// Reads a palette file (found whatever the case of its name; relative names are taken in `dir`
// when `dir` is not empty). nullopt when no such file exists. Entries no line sets stay black.
std::optional<Palette> ReadPaletteFile(const std::string& name, const std::string& dir = {});

// The palette of a run: the file `paletteName` when it exists, otherwise the default palette.
// When the default is used and `emptyNameOnDefault` (terrainplot), `paletteName` is emptied.
// Returns whether the file was found.
bool LoadPalette(std::string& paletteName, Palette& palette, bool emptyNameOnDefault,
                 const std::string& dir = {});

// The palette entry of a height for a plot whose top height is maxHeight (at least 2):
// h limited to 0 ... maxHeight, then round(h ^ (ln 255 / ln maxHeight)), an exact half to even.
// So 0 m gives 0 and maxHeight gives 255. A maxHeight below 2 is taken as 2.
int HeightToColour(double height_m, double maxHeight_m);

// The inverse, for the legend labels: the height of entry i is i ^ (ln maxHeight / ln 255).
double ColourToHeight(int entry, double maxHeight_m);

// Fast path for bulk drawing: all entries of HeightToColour for whole heights 0 ... maxHeight in
// one table (index = clamped height). Equal to HeightToColour for every whole height.
class HeightColourTable {
  public:
    explicit HeightColourTable(std::int32_t maxHeight_m);
    int Entry(std::int32_t height_m) const {
        if (height_m <= 0) return table_.front();
        if (height_m >= max_) return 255;
        if (static_cast<std::size_t>(height_m) < table_.size()) {
            return table_[static_cast<std::size_t>(height_m)];
        }
        return HeightToColour(height_m, max_);  // beyond the table (absurdly high maxima)
    }

  private:
    std::int32_t max_;
    std::vector<std::uint8_t> table_;
};

}  // namespace console
