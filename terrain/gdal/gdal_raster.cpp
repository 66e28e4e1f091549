#include "terrain_gdal/gdal_raster.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <gdal.h>
#include <gdalwarper.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>
#include <mutex>

namespace terrain::gdal {

namespace {

// WGS84's ellipsoid, what a latitude/longitude raster must be on to be read without a datum shift.
constexpr double kWgs84SemiMajor_m = 6378137.0;
constexpr double kWgs84InverseFlattening = 298.257223563;
// British National Grid: OS Terrain 50's ASCII grids come without a coordinate system.
constexpr int kBritishNationalGridEpsg = 27700;
constexpr int kWgs84Epsg = 4326;
// A nautical mile is a minute of latitude: 1852 m / 60 per arc-second.
constexpr double kMetresPerArcSecond = 1852.0 / 60.0;
constexpr double kArcSecondsPerDegree = 3600.0;
// The 3 arc-second spacing with a margin for rounding in a raster's geotransform.
constexpr double kThreeArcSeconds = 3.0;
constexpr double kSpacingTolerance_arcsec = 0.01;
// How close to a lattice point a pixel centre must lie (in pixels) to be read as stored.
constexpr double kAlignmentTolerance_px = 1e-3;
// gdalwarp's own default: the transformation is approximated within this many pixels.
constexpr double kWarpErrorThreshold_px = 0.125;
// Points along each edge when a raster's corners are put in latitude/longitude.
constexpr int kEdgeDensity = 21;

void RegisterOnce() {
    static std::once_flag once;
    std::call_once(once, [] { GDALAllRegister(); });
}

// GDAL's own messages would go to stderr between the tools' lines: a failure is told by the
// result instead.
class QuietErrors {
  public:
    QuietErrors() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~QuietErrors() { CPLPopErrorHandler(); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;
};

struct SrsDeleter {
    void operator()(OGRSpatialReferenceH srs) const { OSRDestroySpatialReference(srs); }
};
using Srs = std::unique_ptr<std::remove_pointer_t<OGRSpatialReferenceH>, SrsDeleter>;

Srs EpsgSrs(int code) {
    Srs srs(OSRNewSpatialReference(nullptr));
    OSRImportFromEPSG(srs.get(), code);
    OSRSetAxisMappingStrategy(srs.get(), OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

std::string WktOf(OGRSpatialReferenceH srs) {
    char* wkt = nullptr;
    OSRExportToWkt(srs, &wkt);
    std::string text = wkt ? wkt : "";
    CPLFree(wkt);
    return text;
}

bool IsWgs84LatLon(OGRSpatialReferenceH srs) {
    return OSRIsGeographic(srs) &&
           std::fabs(OSRGetSemiMajor(srs, nullptr) - kWgs84SemiMajor_m) < 1e-3 &&
           std::fabs(OSRGetInvFlattening(srs, nullptr) - kWgs84InverseFlattening) < 1e-6;
}

bool StartsWithVsi(const std::string& path) {
    return path.rfind("/vsi", 0) == 0;
}

std::int16_t HeightOf(float value, float noData, bool hasNoData) {
    if (std::isnan(value) || (hasNoData && value == noData)) return kVoidSample;
    // Whole metres, halves to even (the rounding mode's default); the void stays reserved.
    const double rounded = std::nearbyint(static_cast<double>(value));
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(rounded, -kHighest, kHighest));
}

}  // namespace

struct Raster::Handle {
    GDALDatasetH dataset = nullptr;
    std::array<double, 6> geo{};
    bool wgs84 = false;    // latitude/longitude on WGS84: read without a datum shift
    bool degrees = false;  // its coordinates are degrees of some datum
    std::string wkt;       // its coordinate system, British National Grid when it had none
    ~Handle() {
        if (dataset) GDALClose(dataset);
    }
};

std::optional<Raster> Raster::Open(const std::string& path) {
    if (!StartsWithVsi(path)) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    }
    RegisterOnce();
    const QuietErrors quiet;
    auto handle = std::make_shared<Handle>();
    handle->dataset =
        GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr);
    if (!handle->dataset || GDALGetRasterCount(handle->dataset) < 1) return std::nullopt;
    if (GDALGetGeoTransform(handle->dataset, handle->geo.data()) != CE_None) return std::nullopt;
    const auto& g = handle->geo;
    if (g[1] == 0 || g[5] == 0) return std::nullopt;

    if (OGRSpatialReferenceH srs = GDALGetSpatialRef(handle->dataset)) {
        handle->wgs84 = IsWgs84LatLon(srs);
        handle->degrees = OSRIsGeographic(srs);
        handle->wkt = WktOf(srs);
    } else {
        // No coordinate system: coordinates that can be degrees are taken as WGS84 latitude and
        // longitude, any other as British National Grid metres.
        const double east = g[0] + g[1] * GDALGetRasterXSize(handle->dataset);
        const double south = g[3] + g[5] * GDALGetRasterYSize(handle->dataset);
        const bool looksLikeDegrees = std::fabs(g[0]) <= 360 && std::fabs(east) <= 360 &&
                                      std::fabs(g[3]) <= 90 && std::fabs(south) <= 90;
        handle->wgs84 = handle->degrees = looksLikeDegrees;
        handle->wkt =
            WktOf(EpsgSrs(looksLikeDegrees ? kWgs84Epsg : kBritishNationalGridEpsg).get());
    }
    return Raster(std::move(handle));
}

TileFormat Raster::Format() const {
    const auto& g = handle_->geo;
    const double spacing = std::min(std::fabs(g[1]), std::fabs(g[5]));
    double spacing_arcsec = spacing * kArcSecondsPerDegree;
    if (!handle_->degrees) {
        Srs srs(OSRNewSpatialReference(handle_->wkt.c_str()));
        spacing_arcsec = spacing * OSRGetLinearUnits(srs.get(), nullptr) / kMetresPerArcSecond;
    }
    return spacing_arcsec < kThreeArcSeconds - kSpacingTolerance_arcsec ? kOneArcSecondTile
                                                                        : kThreeArcSecondTile;
}

std::optional<LatLonBox> Raster::Extent() const {
    // From the first to the last pixel centre: a raster of .hgt samples reaches half a sample
    // beyond its tile, which does not make it reach into the neighbours.
    const auto& g = handle_->geo;
    const double x0 = g[0] + g[1] / 2,
                 x1 = g[0] + g[1] * (GDALGetRasterXSize(handle_->dataset) - 0.5);
    const double y0 = g[3] + g[5] / 2,
                 y1 = g[3] + g[5] * (GDALGetRasterYSize(handle_->dataset) - 0.5);
    LatLonBox box{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    if (handle_->wgs84) return box;
    const QuietErrors quiet;
    Srs from(OSRNewSpatialReference(handle_->wkt.c_str()));
    OSRSetAxisMappingStrategy(from.get(), OAMS_TRADITIONAL_GIS_ORDER);
    const Srs to = EpsgSrs(kWgs84Epsg);
    OGRCoordinateTransformationH transform = OCTNewCoordinateTransformation(from.get(), to.get());
    if (!transform) return std::nullopt;
    LatLonBox out{};
    const int ok = OCTTransformBounds(transform, box.west_deg, box.south_deg, box.east_deg,
                                      box.north_deg, &out.west_deg, &out.south_deg, &out.east_deg,
                                      &out.north_deg, kEdgeDensity);
    OCTDestroyCoordinateTransformation(transform);
    if (!ok) return std::nullopt;
    return out;
}

std::optional<Lattice> Raster::ReadLattice(TileCorner corner, TileFormat format) const {
    const QuietErrors quiet;
    const int n = format.samplesPerDegree;
    const int side = format.Side();
    const auto& g = handle_->geo;
    GDALRasterBandH band = GDALGetRasterBand(handle_->dataset, 1);
    int hasNoData = 0;
    const float noData = static_cast<float>(GDALGetRasterNoDataValue(band, &hasNoData));
    Lattice lattice{format, std::vector<std::int16_t>(static_cast<std::size_t>(side) * side,
                                                      static_cast<std::int16_t>(kVoidSample))};

    // The pixel whose centre is the lattice's north-west corner.
    const double step = 1.0 / n;
    const double px = (corner.lon_deg - g[0]) / g[1] - 0.5;
    const double py = (corner.lat_deg + 1 - g[3]) / g[5] - 0.5;
    const bool aligned = handle_->wgs84 && g[2] == 0 && g[4] == 0 &&
                         std::fabs(g[1] - step) * side < kAlignmentTolerance_px * step &&
                         std::fabs(g[5] + step) * side < kAlignmentTolerance_px * step &&
                         std::fabs(px - std::round(px)) < kAlignmentTolerance_px &&
                         std::fabs(py - std::round(py)) < kAlignmentTolerance_px;
    if (aligned) {
        // As stored: the part of the lattice the raster covers, read in one go.
        const long long x0 = std::llround(px), y0 = std::llround(py);
        const long long width = GDALGetRasterXSize(handle_->dataset);
        const long long height = GDALGetRasterYSize(handle_->dataset);
        const long long left = std::max(0LL, x0), right = std::min(width, x0 + side);
        const long long top = std::max(0LL, y0), bottom = std::min(height, y0 + side);
        if (left >= right || top >= bottom) return lattice;
        const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
        std::vector<float> values(static_cast<std::size_t>(w) * h);
        if (GDALRasterIO(band, GF_Read, static_cast<int>(left), static_cast<int>(top), w, h,
                         values.data(), w, h, GDT_Float32, 0, 0) != CE_None)
            return std::nullopt;
        for (int r = 0; r < h; ++r) {
            const std::size_t to = static_cast<std::size_t>(top - y0 + r) * side + (left - x0);
            for (int c = 0; c < w; ++c)
                lattice.samples[to + c] =
                    HeightOf(values[static_cast<std::size_t>(r) * w + c], noData, hasNoData);
        }
        return lattice;
    }

    // Resampled: the lattice as a raster of its own in WGS84, warped into from the source.
    GDALDriverH memory = GDALGetDriverByName("MEM");
    if (!memory) return std::nullopt;
    GDALDatasetH target = GDALCreate(memory, "", side, side, 1, GDT_Float32, nullptr);
    if (!target) return std::nullopt;
    double targetGeo[6] = {corner.lon_deg - step / 2,     step, 0,
                           corner.lat_deg + 1 + step / 2, 0,    -step};
    GDALSetGeoTransform(target, targetGeo);
    const std::string targetWkt = WktOf(EpsgSrs(kWgs84Epsg).get());
    GDALSetProjection(target, targetWkt.c_str());
    GDALRasterBandH targetBand = GDALGetRasterBand(target, 1);
    constexpr double kTargetNoData = kVoidSample;
    GDALSetRasterNoDataValue(targetBand, kTargetNoData);
    GDALFillRaster(targetBand, kTargetNoData, 0);
    const CPLErr warped =
        GDALReprojectImage(handle_->dataset, handle_->wkt.c_str(), target, targetWkt.c_str(),
                           GRA_Bilinear, 0, kWarpErrorThreshold_px, nullptr, nullptr, nullptr);
    std::vector<float> values(static_cast<std::size_t>(side) * side);
    const CPLErr read = warped == CE_None
                            ? GDALRasterIO(targetBand, GF_Read, 0, 0, side, side, values.data(),
                                           side, side, GDT_Float32, 0, 0)
                            : warped;
    GDALClose(target);
    if (read != CE_None) return std::nullopt;
    for (std::size_t i = 0; i < values.size(); ++i)
        lattice.samples[i] = HeightOf(values[i], static_cast<float>(kTargetNoData), true);
    return lattice;
}

std::optional<std::string> HgtInsideZip(const std::string& zipPath) {
    // GDAL's virtual files need none of its raster drivers: a zipped tile is read without
    // registering them.
    const QuietErrors quiet;
    std::error_code ec;
    const std::string zip = "/vsizip/" + std::filesystem::absolute(zipPath, ec).string();
    if (ec) return std::nullopt;
    char** entries = VSIReadDir(zip.c_str());
    std::optional<std::string> inside;
    for (int i = 0; entries && entries[i]; ++i) {
        const std::string name = entries[i];
        if (name.size() < 4) continue;
        std::string ending = name.substr(name.size() - 4);
        for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ending == ".hgt") {
            inside = zip + "/" + name;
            break;
        }
    }
    CSLDestroy(entries);
    return inside;
}

std::optional<TileFormat> ZippedHgtFormat(const std::string& insidePath) {
    const QuietErrors quiet;
    VSIStatBufL stat;
    if (VSIStatL(insidePath.c_str(), &stat) != 0) return std::nullopt;
    const auto bytes = static_cast<std::uintmax_t>(stat.st_size);
    const TileFormat format = TileFormatOfSize(bytes);
    if (bytes != static_cast<std::uintmax_t>(format.fileBytes)) return std::nullopt;
    return format;
}

std::optional<std::vector<unsigned char>> ReadZippedHgt(const std::string& insidePath,
                                                        TileFormat format) {
    const QuietErrors quiet;
    VSILFILE* file = VSIFOpenL(insidePath.c_str(), "rb");
    if (!file) return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(format.fileBytes));
    const std::size_t got = VSIFReadL(bytes.data(), 1, bytes.size(), file);
    VSIFCloseL(file);
    if (got != bytes.size()) return std::nullopt;
    return bytes;
}

}  // namespace terrain::gdal
