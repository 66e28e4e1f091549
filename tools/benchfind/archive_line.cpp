#include "archive_line.h"

namespace benchfind {
namespace {

// 1-based field numbers of the archive columns benchfind uses.
constexpr int kNameField = 1;
constexpr int kEastingField = 4;
constexpr int kNorthingField = 5;
constexpr int kHeightField = 6;
constexpr int kTypeField = 8;
constexpr int kStatusField = 15;
// The status field starts with two characters that are not part of the status.
constexpr std::size_t kStatusSkip = 2;

}  // namespace

ArchiveFields SplitArchiveLine(std::string_view line) {
    ArchiveFields out;
    std::size_t start = 0;  // first character of the current field
    for (int field = 1; field <= kStatusField; ++field) {
        if (field == kStatusField) {
            // The status runs to the end of the line, commas and all.
            if (start + kStatusSkip < line.size()) out.status = line.substr(start + kStatusSkip);
            break;
        }
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        const std::string_view text = line.substr(start, end - start);
        switch (field) {
            case kNameField:
                out.name = text;
                break;
            case kEastingField:
                out.easting = text;
                break;
            case kNorthingField:
                out.northing = text;
                break;
            case kHeightField:
                out.height = text;
                break;
            case kTypeField:
                out.type = text;
                break;
            default:
                break;
        }
        if (comma == std::string_view::npos) break;  // the line has no further fields
        start = comma + 1;
    }
    return out;
}

GridFields SplitGridFields(std::string_view line) {
    GridFields out;
    std::size_t start = 0;
    for (int field = 1; field <= kNorthingField; ++field) {
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (field == kEastingField) out.easting = line.substr(start, end - start);
        if (field == kNorthingField) out.northing = line.substr(start, end - start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return out;
}

}  // namespace benchfind
