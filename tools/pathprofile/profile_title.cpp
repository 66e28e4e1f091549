#include "profile_title.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "console/picture_mask.h"

namespace pathprofile {

std::string PositionText(LatLon position) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f%c %.4f%c", std::abs(position.lat_deg),
                  position.lat_deg < 0.0 ? 'S' : 'N', std::abs(position.lon_deg),
                  position.lon_deg < 0.0 ? 'W' : 'E');
    return text;
}

std::string TitleText(std::string_view console_line) {
    std::string text;
    std::size_t i = console_line.find_first_not_of(' ');
    if (i == std::string_view::npos) return text;
    const std::size_t end = console_line.find_last_not_of(' ') + 1;
    while (i < end) {
        if (console_line[i] != ' ') {
            text += console_line[i++];
            continue;
        }
        std::size_t run_end = i;
        while (run_end < end && console_line[run_end] == ' ') ++run_end;
        const unsigned char next = static_cast<unsigned char>(console_line[run_end]);
        // Blanks before a number are its field's padding.
        const bool padding = std::isdigit(next) || next == '-' || next == '.' || next == '[';
        text += (run_end - i == 1 || padding) ? " " : "  ";
        i = run_end;
    }
    return text;
}

std::vector<std::string> ProfileTitleLines(int profile_number, const TitleSite& base,
                                           const TitleSite& distant, double k_factor,
                                           std::string_view distance_line,
                                           const std::vector<std::vector<std::string>>& figures) {
    std::vector<std::string> lines;
    lines.push_back("pathprofile, profile " + std::to_string(profile_number) + ": " + base.name +
                    " (" + PositionText(base.position) + ") >> " + distant.name + " (" +
                    PositionText(distant.position) + ")");
    lines.push_back(TitleText(distance_line) + console::FormatMask("  K #.##", {k_factor}) +
                    "  Base mast " + console::PlainNumber(base.mast_m) + " m  Distant mast " +
                    console::PlainNumber(distant.mast_m) + " m");
    for (const std::vector<std::string>& group : figures) {
        std::string line;
        for (const std::string& text : group) {
            const std::string part = TitleText(text);
            if (part.empty()) continue;
            if (!line.empty()) line += "; ";
            line += part;
        }
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace pathprofile
