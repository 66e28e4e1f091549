// A raster written as GeoTIFF and read back through GDAL; failures leave no file behind.
#include "console/geotiff_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "console/testing/test_support.h"
#include "testing/gdal_raster.h"

namespace console {
namespace {

using console::testing::TempDir;

// 3 x 2 samples 1/1200 degree apart, the north-west one at 54.5 N 3.5 W, one without data.
const std::vector<float> kHandValues = {1.5f, 2.0f, kGeoTiffNoData, 978.25f, -4.0f, 0.0f};
SampleRaster HandRaster() {
    SampleRaster r;
    r.columns = 3;
    r.rows = 2;
    r.westSampleLon_deg = -3.5;
    r.northSampleLat_deg = 54.5;
    r.spacing_deg = 1.0 / 1200;
    r.fillRow = [](int row, float* values) {
        std::copy_n(kHandValues.begin() + 3 * row, 3, values);
    };
    return r;
}

TEST(GeoTiffFile, CellsCentredOnTheSamples) {
    const GeoTransform t = GeoTransformOf(HandRaster());
    const double half = 0.5 / 1200;
    EXPECT_DOUBLE_EQ(t.terms[0], -3.5 - half);
    EXPECT_DOUBLE_EQ(t.terms[1], 1.0 / 1200);
    EXPECT_EQ(t.terms[2], 0);
    EXPECT_DOUBLE_EQ(t.terms[3], 54.5 + half);
    EXPECT_EQ(t.terms[4], 0);
    EXPECT_DOUBLE_EQ(t.terms[5], -1.0 / 1200);
}

TEST(GeoTiffFile, ReadBackThroughGdal) {
    TempDir dir;
    const std::string file = (dir.Path() / "r.tif").string();
    ASSERT_EQ(WriteGeoTiff(file, HandRaster()), "");
    const gdalread::GdalRaster back = gdalread::ReadGdalRaster(file);
    ASSERT_TRUE(back.opened);
    EXPECT_EQ(back.columns, 3);
    EXPECT_EQ(back.rows, 2);
    EXPECT_EQ(back.epsg, "4326");
    ASSERT_TRUE(back.noData.has_value());
    EXPECT_EQ(*back.noData, kGeoTiffNoData);
    EXPECT_EQ(back.values, kHandValues);
    const GeoTransform t = GeoTransformOf(HandRaster());
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(back.transform[i], t.terms[i]) << i;
    // Only the file itself is left in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(GeoTiffFile, FailuresNameTheFileAndKeepTheOldOne) {
    TempDir dir;
    const std::string nowhere = (dir.Path() / "no-such-folder" / "r.tif").string();
    const std::string error = WriteGeoTiff(nowhere, HandRaster());
    EXPECT_EQ(error.rfind("Cannot write " + nowhere, 0), 0u) << error;
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    // A raster without cells is refused before anything is written, and the file that was
    // there stays as it was.
    const std::string file = (dir.Path() / "r.tif").string();
    ASSERT_EQ(WriteGeoTiff(file, HandRaster()), "");
    SampleRaster empty = HandRaster();
    empty.rows = 0;
    EXPECT_NE(WriteGeoTiff(file, empty), "");
    EXPECT_EQ(gdalread::ReadGdalRaster(file).values, kHandValues);

    // Written whole but not renamed into place (a folder has the name): no temporary is left.
    const std::filesystem::path folder = dir.Path() / "taken.tif";
    std::filesystem::create_directory(folder);
    EXPECT_NE(WriteGeoTiff(folder.string(), HandRaster()), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2);  // r.tif and the folder
}

}  // namespace
}  // namespace console
