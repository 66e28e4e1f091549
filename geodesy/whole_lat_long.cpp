#include "geodesy/whole_lat_long.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "geodesy/position_input.h"

namespace geodesy {

namespace {

constexpr double kMaxLatitude_deg = 90.0;
constexpr double kMaxLongitude_deg = 180.0;
constexpr double kSubdivisionsPerUnit = 60.0;        // minutes per degree, seconds per minute
constexpr std::size_t kMaxNumbersPerCoordinate = 3;  // degrees, minutes, seconds
constexpr std::string_view kDegreeUtf8 = "\xC2\xB0";
constexpr char kDegreeLatin1 = '\xB0';

// One piece of the text: a number as written, or a hemisphere letter (upper case).
struct Token {
    std::string number;
    char hemisphere = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char UpperHemisphere(char c) {
    switch (c) {
        case 'n':
        case 'N':
            return 'N';
        case 's':
        case 'S':
            return 'S';
        case 'e':
        case 'E':
            return 'E';
        case 'w':
        case 'W':
            return 'W';
        default:
            return 0;
    }
}

// Splits the text into numbers and hemisphere letters; nullopt when it holds anything else.
// Separators (blanks, commas, apostrophes, double quotes, degree signs) only end a number.
std::optional<std::vector<Token>> Tokens(std::string_view text) {
    std::vector<Token> tokens;
    bool inNumber = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c) || c == '.' || c == '-' || c == '+') {
            if (!inNumber) tokens.push_back({});
            tokens.back().number += c;
            inNumber = true;
            continue;
        }
        inNumber = false;
        if (const char h = UpperHemisphere(c)) {
            tokens.push_back({{}, h});
        } else if (c == kDegreeUtf8[0] && text.substr(i, kDegreeUtf8.size()) == kDegreeUtf8) {
            i += kDegreeUtf8.size() - 1;
        } else if (c != ' ' && c != ',' && c != '\'' && c != '"' && c != kDegreeLatin1) {
            return std::nullopt;
        }
    }
    return tokens;
}

// A whole token as a finite decimal number.
std::optional<double> Number(const std::string& text) {
    const char* first = text.data();
    if (!text.empty() && text[0] == '+') ++first;  // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool OnTheGlobe(const LatLon& p) {
    return std::fabs(p.lat_deg) <= kMaxLatitude_deg && std::fabs(p.lon_deg) <= kMaxLongitude_deg;
}

std::optional<LatLon> SignedForm(const std::vector<Token>& tokens) {
    if (tokens.size() != 2 || tokens[0].hemisphere || tokens[1].hemisphere) return std::nullopt;
    const auto lat = Number(tokens[0].number), lon = Number(tokens[1].number);
    if (!lat || !lon) return std::nullopt;
    const LatLon p{*lat, *lon};
    return OnTheGlobe(p) ? std::optional<LatLon>(p) : std::nullopt;
}

// Each coordinate: 1 to 3 unsigned numbers, minutes and seconds below 60, then its letter; one
// latitude letter and one longitude letter, the text ending with the second.
bool IsHemisphereForm(const std::vector<Token>& tokens) {
    std::size_t numbers = 0;
    int latitudes = 0, longitudes = 0;
    for (const Token& t : tokens) {
        if (t.hemisphere) {
            if (numbers == 0) return false;
            (t.hemisphere == 'N' || t.hemisphere == 'S' ? latitudes : longitudes)++;
            numbers = 0;
            continue;
        }
        const auto value = Number(t.number);
        if (!value || *value < 0 || t.number[0] == '-' || t.number[0] == '+') return false;
        if (numbers > 0 && *value >= kSubdivisionsPerUnit) return false;
        if (++numbers > kMaxNumbersPerCoordinate) return false;
    }
    return numbers == 0 && latitudes == 1 && longitudes == 1;
}

}  // namespace

std::optional<LatLon> ReadWholeLatLong(std::string_view text) {
    // Every form starts with a digit (or the sign or point of the first number): grid
    // references, locators and site names start with a letter.
    const auto tokens = Tokens(text);
    if (!tokens || tokens->empty() || tokens->front().hemisphere) return std::nullopt;
    if (auto p = SignedForm(*tokens)) return p;
    if (!IsHemisphereForm(*tokens)) return std::nullopt;
    const ParsedLatLong parsed = ParseLatLong(text);
    if (!parsed.ok) return std::nullopt;
    const LatLon p{parsed.lat_deg, parsed.lon_deg};
    return OnTheGlobe(p) ? std::optional<LatLon>(p) : std::nullopt;
}

}  // namespace geodesy
