#include "nmea_receiver.h"

#include <algorithm>
#include <array>

#include "geodesy/position_input.h"

namespace tormark {

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

bool IsLineEnd(char c) {
    return c == kCR || c == kLF;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Characters from..from+count-1 of s, as far as s reaches (the receiver may send short fields).
std::string_view Mid(std::string_view s, std::size_t from,
                     std::size_t count = std::string_view::npos) {
    if (from >= s.size()) return {};
    return s.substr(from, count);
}

// Fields 0..6 of the sentence starting at "RMC": field 0 is "RMC" itself, missing ones are empty.
std::array<std::string_view, 7> RmcFields(std::string_view sentence) {
    std::array<std::string_view, 7> fields{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = sentence.find(',', start);
        fields[i] = sentence.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

// A field of NMEA 0183 digits: a number such as "4807.038" or "123519.00" (no sign).
bool IsDecimalField(std::string_view field) {
    return std::count(field.begin(), field.end(), '.') <= 1 &&
           std::all_of(field.begin(), field.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

}  // namespace

bool NmeaChecksumOk(std::string_view line) {
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos) return true;
    if (line.size() < star + 3) return false;
    const int high = HexValue(line[star + 1]);
    const int low = HexValue(line[star + 2]);
    if (high < 0 || low < 0) return false;
    const std::size_t dollar = line.rfind('$', star);
    const std::size_t first = dollar == std::string_view::npos ? 0 : dollar + 1;
    unsigned sum = 0;
    for (std::size_t i = first; i < star; ++i) sum ^= static_cast<unsigned char>(line[i]);
    return sum == static_cast<unsigned>(high * 16 + low);
}

std::optional<std::string> RmcInputText(std::string_view text) {
    const std::size_t rmc = text.find("RMC");
    if (rmc == std::string_view::npos) return std::nullopt;

    // The sentence is the line holding "RMC": a following sentence is no part of it.
    std::size_t line_start = rmc;
    while (line_start > 0 && !IsLineEnd(text[line_start - 1])) --line_start;
    std::size_t line_end = rmc;
    while (line_end < text.size() && !IsLineEnd(text[line_end])) ++line_end;
    if (!NmeaChecksumOk(text.substr(line_start, line_end - line_start))) return std::nullopt;

    const std::string_view sentence = text.substr(rmc, std::min(line_end - rmc, kRmcMaxChars));
    if (sentence.size() < kRmcMinChars) return std::nullopt;
    // A sentence is printable ASCII; any other byte is line noise (a wrong baud rate, a
    // glitch), which would otherwise end up inside the position text.
    const auto printable = [](char c) { return c >= ' ' && c <= '~'; };
    if (!std::all_of(sentence.begin(), sentence.end(), printable)) return std::nullopt;

    const auto f = RmcFields(sentence);
    const std::string_view time = f[1], lat = f[3], ns = f[4], lon = f[5], ew = f[6];
    if (lat.empty() || ns.empty() || lon.empty() || ew.empty()) return std::nullopt;
    // Each field in its NMEA form, so that the text holds the receiver's numbers and nothing
    // else: noise in a sentence without a checksum ("4807.|38,X,0113N...") could otherwise still
    // read as some position, and put stray letters into the box.
    if (!IsDecimalField(lat) || !IsDecimalField(lon) || !IsDecimalField(time) ||
        (ns != "N" && ns != "S") || (ew != "E" && ew != "W"))
        return std::nullopt;

    std::string out;
    out.reserve(64);
    out.append(Mid(lat, 0, 2)).append(" ").append(Mid(lat, 2)).append(ns);
    out.append(" ");
    out.append(Mid(lon, 0, 3)).append(" ").append(Mid(lon, 3)).append(ew);
    out.append("          [ ");
    out.append(Mid(time, 0, 2)).append(":").append(Mid(time, 2, 2)).append(":");
    out.append(Mid(time, 4, 2)).append(" UTC ]");
    // The text must read back as the position it names: classified as a latitude/longitude
    // (not the all-zero position, which would be looked up as a site name) and read with both
    // hemisphere letters ("4807.038,X" has none).
    const std::string upper = geodesy::UpperCase(out);
    if (geodesy::ClassifyInput(upper).input_class != geodesy::InputClass::kLatLong ||
        !geodesy::ParseLatLong(upper).ok)
        return std::nullopt;
    return out;
}

std::optional<std::string> NmeaReceiver::Receive(std::string_view chars) {
    buffer_.append(chars);
    const std::size_t last_cr = buffer_.rfind(kCR);
    if (last_cr == std::string::npos) {
        if (buffer_.size() > kMaxPendingChars) buffer_.erase(0, buffer_.size() - kMaxPendingChars);
        return std::nullopt;
    }
    const std::string consumed = buffer_.substr(0, last_cr + 1);
    buffer_.erase(0, last_cr + 1);
    return RmcInputText(consumed);
}

}  // namespace tormark
