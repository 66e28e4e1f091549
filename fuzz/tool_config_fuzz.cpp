// The console tools' configuration files, palette files and typed numbers.
//
// Invariants: a configuration read from any file has a window size within its range and
// survives being written and read again; a palette file sets exactly what its lines set one by
// one, whatever its line ends; typed numbers are finite and their colours within the palette.

#include <cmath>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/numbers.h"
#include "console/palette.h"
#include "console/tool_config.h"
#include "fuzz_support.h"

namespace {

// The lines of a text split at CR, LF or CR LF, as every reader of the tools splits them.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void CheckConfig(std::string_view text) {
    std::istringstream in;
    std::ostringstream out;
    console::Console console(in, out, false);
    const std::string path = fuzz::WriteScratchFile("Brelland.ini", text);
    const auto config = console::ReadConfigFile(path, console::ConfigFile::kBrelland);
    FUZZ_CHECK(config.has_value());
    FUZZ_CHECK(config->windowSize >= console::kMinWindowSize_px &&
               config->windowSize <= console::kMaxWindowSize_px);
    const std::vector<std::string> lines = Lines(text);
    if (!lines.empty()) FUZZ_CHECK(config->heightPath == lines[0]);
    if (lines.size() > 1) FUZZ_CHECK(config->sitesPath == lines[1]);
    if (lines.size() > 3) FUZZ_CHECK(config->paletteName == lines[3]);

    const std::string written = console::ConfigFileText(*config, console::ConfigFile::kBrelland);
    const auto again = console::ReadConfigFile(fuzz::WriteScratchFile("Brelland.ini", written),
                                               console::ConfigFile::kBrelland);
    FUZZ_CHECK(again && again->heightPath == config->heightPath &&
               again->sitesPath == config->sitesPath && again->windowSize == config->windowSize &&
               again->paletteName == config->paletteName);
}

void CheckPalette(std::string_view text) {
    const std::string path = fuzz::WriteScratchFile("FUZZ.PAL", text);
    const auto palette = console::ReadPaletteFile(path);
    FUZZ_CHECK(palette.has_value());
    console::Palette expected;
    for (const std::string& line : Lines(text)) console::ApplyPaletteLine(line, expected);
    FUZZ_CHECK(*palette == expected);
}

void CheckNumbers(std::string_view text) {
    for (const std::string& line : Lines(text)) {
        const double value = console::LeadingNumber(line);
        FUZZ_CHECK(std::isfinite(value));
        const std::int32_t rounded = console::RoundToInt(value);
        if (std::fabs(value) < 1e9) FUZZ_CHECK(std::fabs(rounded - value) <= 0.5);
        for (const double top : {value, 2.0, 1000.0, 9000.0}) {
            const int entry = console::HeightToColour(value, top);
            FUZZ_CHECK(entry >= 0 && entry < console::kPaletteEntries);
            FUZZ_CHECK(!std::isnan(console::ColourToHeight(entry, top)));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    CheckConfig(text);
    CheckPalette(text);
    CheckNumbers(text);
    return 0;
}
