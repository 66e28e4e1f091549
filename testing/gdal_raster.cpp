#include "testing/gdal_raster.h"

#include <gdal.h>
#include <ogr_srs_api.h>

namespace gdalread {

GdalRaster ReadGdalRaster(const std::string& file) {
    GdalRaster raster;
    GDALAllRegister();
    GDALDatasetH dataset = GDALOpen(file.c_str(), GA_ReadOnly);
    if (dataset == nullptr) return raster;
    raster.opened = true;
    raster.columns = GDALGetRasterXSize(dataset);
    raster.rows = GDALGetRasterYSize(dataset);
    GDALGetGeoTransform(dataset, raster.transform);
    if (OGRSpatialReferenceH srs = GDALGetSpatialRef(dataset)) {
        if (const char* code = OSRGetAuthorityCode(srs, nullptr)) raster.epsg = code;
    }
    GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
    int hasNoData = 0;
    const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
    if (hasNoData) raster.noData = noData;
    raster.values.resize(static_cast<std::size_t>(raster.columns) *
                         static_cast<std::size_t>(raster.rows));
    if (GDALRasterIO(band, GF_Read, 0, 0, raster.columns, raster.rows, raster.values.data(),
                     raster.columns, raster.rows, GDT_Float32, 0, 0) != CE_None)
        raster.opened = false;
    GDALClose(dataset);
    return raster;
}

}  // namespace gdalread
