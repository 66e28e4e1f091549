#include "console/geotiff_file.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <ogr_srs_api.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

namespace console {

namespace {

constexpr int kWgs84Epsg = 4326;  // geographic WGS84, the tools' latitude/longitude

// GDAL's error messages go to the returned sentence, not to standard error.
class QuietGdalErrors {
  public:
    QuietGdalErrors() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~QuietGdalErrors() { CPLPopErrorHandler(); }
    QuietGdalErrors(const QuietGdalErrors&) = delete;
    QuietGdalErrors& operator=(const QuietGdalErrors&) = delete;
};

std::string LastGdalError() {
    const char* text = CPLGetLastErrorMsg();
    return text != nullptr && *text != '\0' ? std::string(": ") + text : std::string();
}

std::string Wgs84Wkt() {
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    std::string wkt;
    if (OSRImportFromEPSG(srs, kWgs84Epsg) == OGRERR_NONE) {
        char* text = nullptr;
        if (OSRExportToWkt(srs, &text) == OGRERR_NONE && text != nullptr) wkt = text;
        CPLFree(text);
    }
    OSRDestroySpatialReference(srs);
    return wkt;
}

// Writes the whole GeoTIFF to `path`; the empty text or what went wrong.
std::string WriteDataset(const std::string& path, const SampleRaster& raster) {
    GDALDriverH driver = GDALGetDriverByName("GTiff");
    if (driver == nullptr) return "GDAL has no GeoTIFF driver";
    GDALDatasetH dataset =
        GDALCreate(driver, path.c_str(), raster.columns, raster.rows, 1, GDT_Float32, nullptr);
    if (dataset == nullptr) return "cannot be created" + LastGdalError();
    GeoTransform transform = GeoTransformOf(raster);
    const std::string wkt = Wgs84Wkt();
    GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
    bool ok = !wkt.empty() && GDALSetGeoTransform(dataset, transform.terms) == CE_None &&
              GDALSetProjection(dataset, wkt.c_str()) == CE_None &&
              GDALSetRasterNoDataValue(band, kGeoTiffNoData) == CE_None;
    std::vector<float> row(static_cast<std::size_t>(raster.columns));
    for (int r = 0; ok && r < raster.rows; ++r) {
        raster.fillRow(r, row.data());
        ok = GDALRasterIO(band, GF_Write, 0, r, raster.columns, 1, row.data(), raster.columns, 1,
                          GDT_Float32, 0, 0) == CE_None;
    }
    std::string error = ok ? std::string() : "cannot be written" + LastGdalError();
    // Closing flushes the last blocks: a failure there is a failed write as well.
    GDALClose(dataset);
    if (ok && CPLGetLastErrorType() >= CE_Failure) error = "cannot be written" + LastGdalError();
    return error;
}

}  // namespace

GeoTransform GeoTransformOf(const SampleRaster& raster) {
    const double half = raster.spacing_deg / 2;
    return {{raster.westSampleLon_deg - half, raster.spacing_deg, 0,
             raster.northSampleLat_deg + half, 0, -raster.spacing_deg}};
}

std::string WriteGeoTiff(const std::string& file, const SampleRaster& raster) {
    if (raster.columns <= 0 || raster.rows <= 0 || !raster.fillRow || !(raster.spacing_deg > 0))
        return "Cannot write " + file + ": the result has no cells";
    GDALAllRegister();
    const QuietGdalErrors quiet;
    CPLErrorReset();
    // Beside the target, so the rename stays on one file system; named by the process so that
    // two runs never share it.
    const std::string temporary = file + ".tmp" + std::to_string(::getpid()) + ".tif";
    const std::string error = WriteDataset(temporary, raster);
    std::error_code ignored;
    if (!error.empty()) {
        std::filesystem::remove(temporary, ignored);
        return "Cannot write " + file + ": " + error;
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, file, renameError);
    if (renameError) {
        std::filesystem::remove(temporary, ignored);
        return "Cannot write " + file + ": " + renameError.message();
    }
    return {};
}

}  // namespace console
