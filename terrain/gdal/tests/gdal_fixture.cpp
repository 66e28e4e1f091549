#include "gdal_fixture.h"

#include <cpl_conv.h>
#include <cpl_vsi.h>
#include <gdal.h>
#include <gdal_utils.h>
#include <ogr_srs_api.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace terrain::gdal::testing {

namespace {

GDALDriverH Driver(const char* name) {
    GDALAllRegister();
    GDALDriverH driver = GDALGetDriverByName(name);
    if (!driver) throw std::runtime_error(std::string("no GDAL driver ") + name);
    return driver;
}

}  // namespace

void WriteZip(const std::filesystem::path& zip, const std::string& entry,
              const std::string& bytes) {
    GDALAllRegister();
    const std::string path = "/vsizip/" + std::filesystem::absolute(zip).string() + "/" + entry;
    VSILFILE* file = VSIFOpenL(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    VSIFWriteL(bytes.data(), 1, bytes.size(), file);
    VSIFCloseL(file);
}

void TranslateToGeoTiff(const std::string& from, const std::filesystem::path& to) {
    GDALDatasetH source = GDALOpen(from.c_str(), GA_ReadOnly);
    if (!source) throw std::runtime_error("cannot open " + from);
    GDALDatasetH copy = GDALCreateCopy(Driver("GTiff"), to.string().c_str(), source, FALSE, nullptr,
                                       nullptr, nullptr);
    GDALClose(source);
    if (!copy) throw std::runtime_error("cannot write " + to.string());
    GDALClose(copy);
}

void WriteVrt(const std::string& from, const std::filesystem::path& to) {
    GDALDatasetH source = GDALOpen(from.c_str(), GA_ReadOnly);
    if (!source) throw std::runtime_error("cannot open " + from);
    GDALDatasetH copy = GDALCreateCopy(Driver("VRT"), to.string().c_str(), source, FALSE, nullptr,
                                       nullptr, nullptr);
    // The VRT refers to the open source until it is written: close it first.
    if (copy) GDALClose(copy);
    GDALClose(source);
    if (!copy) throw std::runtime_error("cannot write " + to.string());
}

void WriteRaster(const std::filesystem::path& path, const std::string& driver, int columns,
                 int rows, const double (&geo)[6], int epsg, double noData,
                 const PixelHeight& height) {
    GDALDatasetH memory = GDALCreate(Driver("MEM"), "", columns, rows, 1, GDT_Float32, nullptr);
    double g[6];
    std::copy(std::begin(geo), std::end(geo), g);
    GDALSetGeoTransform(memory, g);
    if (epsg != 0) {
        OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
        OSRImportFromEPSG(srs, epsg);
        char* wkt = nullptr;
        OSRExportToWkt(srs, &wkt);
        GDALSetProjection(memory, wkt);
        CPLFree(wkt);
        OSRDestroySpatialReference(srs);
    }
    GDALRasterBandH band = GDALGetRasterBand(memory, 1);
    if (!std::isnan(noData)) GDALSetRasterNoDataValue(band, noData);
    std::vector<float> values(static_cast<std::size_t>(columns) * rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            values[static_cast<std::size_t>(r) * columns + c] = static_cast<float>(height(c, r));
    if (GDALRasterIO(band, GF_Write, 0, 0, columns, rows, values.data(), columns, rows, GDT_Float32,
                     0, 0) != CE_None)
        throw std::runtime_error("cannot fill the raster");
    GDALDatasetH copy = GDALCreateCopy(Driver(driver.c_str()), path.string().c_str(), memory, FALSE,
                                       nullptr, nullptr, nullptr);
    GDALClose(memory);
    if (!copy) throw std::runtime_error("cannot write " + path.string());
    GDALClose(copy);
}

}  // namespace terrain::gdal::testing
