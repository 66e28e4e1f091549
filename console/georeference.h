// Georeference of a plot picture: where its pixels lie in WGS84 latitude and longitude, and the
// texts of the files that tell other programs so - an ESRI world file (.pgw), the WKT of
// geographic WGS84 (.prj, EPSG:4326), GDAL's .aux.xml with the same WKT, and a KML
// GroundOverlay (.kml) for Google Earth.
//
// Only a picture whose pixels form a regular latitude/longitude grid can be described this way:
// every pixel the same size in degrees of longitude and of latitude, rows along parallels,
// columns along meridians. Pure text building, no files (see georeference_files.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace console {

// How a plot's user coordinates (PlotWindow::SetScale) turn into degrees:
// longitude = lonAtX0_deg + x * lonPerX_deg, latitude = latAtY0_deg + y * latPerY_deg.
// The tools' maps use x = samples east of the western edge, y = samples north of the southern
// edge, so lonPerX_deg = latPerY_deg = 1 / samples per degree.
struct UserToLatLong {
    double lonAtX0_deg = 0;
    double lonPerX_deg = 0;  // > 0
    double latAtY0_deg = 0;
    double latPerY_deg = 0;  // > 0
};

// The window's user scale: x1 at the left edge, x2 at the right, y1 at the top, y2 at the bottom.
struct UserScale {
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
};

// A picture of width_px x height_px pixels laid on a latitude/longitude grid. Positions are of
// pixel centres, as in a world file.
struct PixelGrid {
    int width_px = 0;
    int height_px = 0;
    double pixelWidth_deg = 0;      // degrees of longitude per pixel column, > 0
    double pixelHeight_deg = 0;     // degrees of latitude per pixel row, > 0 (rows run south)
    double firstCentreLon_deg = 0;  // centre of the top-left pixel
    double firstCentreLat_deg = 0;

    // Centre of pixel (column, row), row 0 at the top.
    double CentreLon(double column) const { return firstCentreLon_deg + column * pixelWidth_deg; }
    double CentreLat(double row) const { return firstCentreLat_deg - row * pixelHeight_deg; }
    // The pixel (column, row) that holds a position: floor of the returned values.
    double ColumnOf(double lon_deg) const {
        return (lon_deg - firstCentreLon_deg) / pixelWidth_deg + 0.5;
    }
    double RowOf(double lat_deg) const {
        return (firstCentreLat_deg - lat_deg) / pixelHeight_deg + 0.5;
    }
};

// The outer edges of the whole picture in degrees (Google Earth's LatLonBox).
struct LatLonBox {
    double north_deg = 0, south_deg = 0, east_deg = 0, west_deg = 0;
};

// The grid of a picture drawn with `scale` whose user coordinates map to degrees by `toDegrees`.
// Pixel column px spans user x from x1 + px (x2 - x1) / width to the next column's start, so its
// centre lies at px + 0.5; rows likewise. nullopt when the picture is empty or a pixel would have
// no positive size (y1 must be above y2 and x1 left of x2, with positive degree steps).
std::optional<PixelGrid> PictureGrid(int width_px, int height_px, const UserScale& scale,
                                     const UserToLatLong& toDegrees);

LatLonBox OuterEdges(const PixelGrid& grid);

// The six lines of a world file: pixel width, 0, 0, minus the pixel height, then the longitude
// and latitude of the centre of the top-left pixel; each line ended by a line feed.
std::string FormatWorldFile(const PixelGrid& grid);
// And back, for a picture of the given size: nullopt unless the text holds six numbers, the two
// rotation terms 0 and the pixel height negative.
std::optional<PixelGrid> ParseWorldFile(std::string_view text, int width_px, int height_px);

// Geographic WGS84 (EPSG:4326) as OGC WKT, the content of a .prj file.
std::string Wgs84ProjectionText();

// GDAL's auxiliary metadata (PAM) for a picture, the content of FILE.png.aux.xml: geographic
// WGS84 as its SRS, longitude first as the world file's columns are. GDAL ignores a .prj beside a
// PNG; with this it knows the picture's coordinate system (gdalinfo shows EPSG:4326, and
// gdallocationinfo -wgs84 places positions).
std::string GdalAuxiliaryXml();

// A KML document with one GroundOverlay named `name` showing the picture `imageHref` (a file name
// beside the KML) stretched over the picture's outer edges.
std::string FormatKmlOverlay(const PixelGrid& grid, std::string_view imageHref,
                             std::string_view name);
// The LatLonBox of such a document (north, south, east, west), nullopt when one is missing.
std::optional<LatLonBox> ParseKmlLatLonBox(std::string_view kml);

}  // namespace console
