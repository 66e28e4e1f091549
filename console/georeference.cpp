#include "console/georeference.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace console {
namespace {

// Twelve decimals of a degree are about 0.1 micrometre on the ground: the plot's own arithmetic
// is the limit, not the file.
std::string Degrees(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12f", value);
    return text;
}

// The numbers of a text, one per blank-separated word; nullopt when a word is not a number.
std::optional<std::vector<double>> Numbers(std::string_view text) {
    std::vector<double> numbers;
    std::string word;
    auto flush = [&]() -> bool {
        if (word.empty()) return true;
        char* end = nullptr;
        const double v = std::strtod(word.c_str(), &end);
        if (end == word.c_str() || *end != '\0' || !std::isfinite(v)) return false;
        numbers.push_back(v);
        word.clear();
        return true;
    };
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!flush()) return std::nullopt;
        } else {
            word += c;
        }
    }
    if (!flush()) return std::nullopt;
    return numbers;
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The number between <tag> and </tag>, the first such element of the text.
std::optional<double> Element(std::string_view xml, std::string_view tag) {
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    const std::size_t start = xml.find(open);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t from = start + open.size();
    const std::size_t end = xml.find(close, from);
    if (end == std::string_view::npos) return std::nullopt;
    const std::optional<std::vector<double>> n = Numbers(xml.substr(from, end - from));
    if (!n || n->size() != 1) return std::nullopt;
    return n->front();
}

}  // namespace

std::optional<PixelGrid> PictureGrid(int width_px, int height_px, const UserScale& scale,
                                     const UserToLatLong& toDegrees) {
    if (width_px < 1 || height_px < 1) return std::nullopt;
    const double userPerColumn = (scale.x2 - scale.x1) / width_px;
    const double userPerRow = (scale.y1 - scale.y2) / height_px;  // y grows upwards
    PixelGrid grid;
    grid.width_px = width_px;
    grid.height_px = height_px;
    grid.pixelWidth_deg = userPerColumn * toDegrees.lonPerX_deg;
    grid.pixelHeight_deg = userPerRow * toDegrees.latPerY_deg;
    grid.firstCentreLon_deg =
        toDegrees.lonAtX0_deg + (scale.x1 + 0.5 * userPerColumn) * toDegrees.lonPerX_deg;
    grid.firstCentreLat_deg =
        toDegrees.latAtY0_deg + (scale.y1 - 0.5 * userPerRow) * toDegrees.latPerY_deg;
    if (!(grid.pixelWidth_deg > 0) || !(grid.pixelHeight_deg > 0) ||
        !std::isfinite(grid.firstCentreLon_deg + grid.firstCentreLat_deg))
        return std::nullopt;
    return grid;
}

LatLonBox OuterEdges(const PixelGrid& grid) {
    LatLonBox box;
    box.west_deg = grid.firstCentreLon_deg - 0.5 * grid.pixelWidth_deg;
    box.east_deg = box.west_deg + grid.width_px * grid.pixelWidth_deg;
    box.north_deg = grid.firstCentreLat_deg + 0.5 * grid.pixelHeight_deg;
    box.south_deg = box.north_deg - grid.height_px * grid.pixelHeight_deg;
    return box;
}

std::string FormatWorldFile(const PixelGrid& grid) {
    return Degrees(grid.pixelWidth_deg) + "\n" + Degrees(0) + "\n" + Degrees(0) + "\n" +
           Degrees(-grid.pixelHeight_deg) + "\n" + Degrees(grid.firstCentreLon_deg) + "\n" +
           Degrees(grid.firstCentreLat_deg) + "\n";
}

std::optional<PixelGrid> ParseWorldFile(std::string_view text, int width_px, int height_px) {
    const std::optional<std::vector<double>> n = Numbers(text);
    if (!n || n->size() != 6) return std::nullopt;
    const std::vector<double>& v = *n;
    if (v[1] != 0 || v[2] != 0 || !(v[0] > 0) || !(v[3] < 0)) return std::nullopt;
    PixelGrid grid;
    grid.width_px = width_px;
    grid.height_px = height_px;
    grid.pixelWidth_deg = v[0];
    grid.pixelHeight_deg = -v[3];
    grid.firstCentreLon_deg = v[4];
    grid.firstCentreLat_deg = v[5];
    return grid;
}

std::string Wgs84ProjectionText() {
    // EPSG:4326 in OGC WKT 1, the form GIS programs expect in a .prj.
    return "GEOGCS[\"WGS 84\",DATUM[\"WGS_1984\",SPHEROID[\"WGS 84\",6378137,298.257223563,"
           "AUTHORITY[\"EPSG\",\"7030\"]],AUTHORITY[\"EPSG\",\"6326\"]],"
           "PRIMEM[\"Greenwich\",0,AUTHORITY[\"EPSG\",\"8901\"]],"
           "UNIT[\"degree\",0.0174532925199433,AUTHORITY[\"EPSG\",\"9122\"]],"
           "AUTHORITY[\"EPSG\",\"4326\"]]\n";
}

std::string GdalAuxiliaryXml() {
    std::string wkt = Wgs84ProjectionText();
    while (!wkt.empty() && wkt.back() == '\n') wkt.pop_back();
    std::string escaped;
    for (char c : wkt) escaped += c == '"' ? std::string("&quot;") : std::string(1, c);
    // "2,1": the raster's first axis (columns) is the SRS's second axis (longitude), as GDAL
    // itself writes for EPSG:4326 in the traditional GIS order.
    return "<PAMDataset>\n  <SRS dataAxisToSRSAxisMapping=\"2,1\">" + escaped +
           "</SRS>\n</PAMDataset>\n";
}

std::string FormatKmlOverlay(const PixelGrid& grid, std::string_view imageHref,
                             std::string_view name) {
    const LatLonBox box = OuterEdges(grid);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
           "  <GroundOverlay>\n"
           "    <name>" +
           XmlEscaped(name) +
           "</name>\n"
           "    <Icon>\n"
           "      <href>" +
           XmlEscaped(imageHref) +
           "</href>\n"
           "    </Icon>\n"
           "    <LatLonBox>\n"
           "      <north>" +
           Degrees(box.north_deg) + "</north>\n      <south>" + Degrees(box.south_deg) +
           "</south>\n      <east>" + Degrees(box.east_deg) + "</east>\n      <west>" +
           Degrees(box.west_deg) +
           "</west>\n"
           "    </LatLonBox>\n"
           "  </GroundOverlay>\n"
           "</kml>\n";
}

std::optional<LatLonBox> ParseKmlLatLonBox(std::string_view kml) {
    const std::size_t start = kml.find("<LatLonBox>");
    if (start == std::string_view::npos) return std::nullopt;
    const std::string_view box = kml.substr(start);
    const auto north = Element(box, "north"), south = Element(box, "south");
    const auto east = Element(box, "east"), west = Element(box, "west");
    if (!north || !south || !east || !west) return std::nullopt;
    return LatLonBox{*north, *south, *east, *west};
}

}  // namespace console
