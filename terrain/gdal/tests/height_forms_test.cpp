// Every form of the same tile reads to the same samples as the .hgt it was made from: zipped in
// place, copied to GeoTIFF under its Copernicus name, named alone as a GeoTIFF or a VRT; the forms
// are taken in their stated order; a raster in British National Grid is resampled onto the
// lattice; GDAL's no-data is the void; a FIFO is never opened.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "../../tests/recording_diagnostics.h"
#include "gdal_fixture.h"
#include "geodesy/national_grid.h"
#include "terrain/hgt_file.h"
#include "terrain/testing/hgt_fixture.h"
#include "terrain/tile_store.h"
#include "terrain_gdal/height_folder.h"
#include "terrain_gdal/height_source.h"
#include "terrain_gdal/raster_source.h"
#include "terrain_gdal/zip_read_ahead.h"
#include "testing/real_data.h"

namespace terrain::gdal {
namespace {

using terrain::testing::EncodeHgt;
using terrain::testing::RecordingDiagnostics;
using terrain::testing::TempDir;
using terrain::testing::WriteHgtFile;
using namespace terrain::gdal::testing;

constexpr TileCorner kLakes{54, -4};
constexpr int n = kThreeArcSecondTile.samplesPerDegree;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Varied heights with voids, negative ground and a height the decoding warns of, so that a
// shifted, flipped or resampled copy cannot match.
int Terrain(int row, int column) {
    if (row == 10 && column < 5) return kVoidSample;
    if (row == 700 && column == 3) return 12000;
    return (row * 7 + column * 13) % 1500 - 20;
}

int Constant(int value) {
    return value;
}

// The tile decoded by a source, with what it reported and its void count.
struct Decoded {
    TileBuffer tile;
    TileRead read;
    std::vector<std::string> events;
};

Decoded ReadThrough(const TileSource& source, const std::string& found,
                    TileDetail detail = TileDetail::kFinest,
                    const TileDecoding& decoding = kVoidsToSeaLevel) {
    Decoded out;
    RecordingDiagnostics reports;
    out.read = source.Read(found, decoding, detail, out.tile, reports);
    out.events = reports.events;
    return out;
}

void ExpectSameTile(const TileBuffer& expected, const TileBuffer& actual) {
    ASSERT_EQ(expected.Side(), actual.Side());
    int differing = 0;
    for (int s = 0; s < expected.Side(); ++s)
        for (int c = 0; c < expected.Side(); ++c)
            if (expected.At(c, s) != actual.At(c, s) && ++differing < 5)
                ADD_FAILURE() << "sample " << c << ", " << s << ": " << actual.At(c, s)
                              << " instead of " << expected.At(c, s);
    EXPECT_EQ(differing, 0);
}

// A folder holding the tile in one form only, made from the same .hgt bytes.
class TileForms : public ::testing::Test {
  protected:
    void SetUp() override {
        hgtPath = WriteHgtFile(hgtDir.Path(), "N54W004.hgt", Terrain).string();
        WriteZip(zipDir / "N54W004.hgt.zip", "N54W004.hgt", EncodeHgt(Terrain));
        TranslateToGeoTiff(hgtPath, tifDir / CopernicusTileName(kLakes));
    }
    TempDir hgtDir, zipDir, tifDir;
    std::string hgtPath;
};

TEST_F(TileForms, EachFormReadsToTheSamplesOfTheHgtItWasMadeFrom) {
    HeightFolder hgt(hgtDir.Folder());
    const std::string hgtName = hgt.NameOf(kLakes);
    const Decoded expected = ReadThrough(hgt, *hgt.Find(hgtName));
    ASSERT_TRUE(expected.read.Read());
    EXPECT_EQ(expected.read.voidSamples, 5);

    for (const TempDir* dir : {&zipDir, &tifDir}) {
        SCOPED_TRACE(dir->Folder());
        HeightFolder folder(dir->Folder());
        const std::string name = folder.NameOf(kLakes);
        const std::optional<std::string> found = folder.Find(name);
        ASSERT_TRUE(found);
        // Named as the .hgt tile would be, so the tools print the same lines for every form.
        EXPECT_EQ(*found, name);
        EXPECT_EQ(name.substr(dir->Folder().size()), "N54W004.hgt");
        const Decoded actual = ReadThrough(folder, *found);
        ASSERT_TRUE(actual.read.Read());
        EXPECT_EQ(actual.read.voidSamples, expected.read.voidSamples);
        ExpectSameTile(expected.tile, actual.tile);
        EXPECT_EQ(actual.events.size(), expected.events.size());  // the one height out of range
        ASSERT_FALSE(actual.events.empty());
        EXPECT_EQ(actual.events[0], "out of range " + name + " 3 700 12000");

        const std::optional<TileShape> shape = folder.ShapeOf(*found);
        ASSERT_TRUE(shape);
        EXPECT_EQ(shape->format, kThreeArcSecondTile);
        for (const auto& [column, row] :
             {std::pair{0, 0}, {3, 700}, {2, 10}, {1200, 1200}, {611, 77}}) {
            EXPECT_EQ(folder.ReadSample(*found, kThreeArcSecondTile, column, row),
                      ReadHgtSample(hgtPath, kThreeArcSecondTile, column, row))
                << column << ", " << row;
        }
    }
}

TEST_F(TileForms, OneRasterNamedAloneGivesTheSameAreaAndPointHeights) {
    const std::string tif = (tifDir / CopernicusTileName(kLakes)).string();
    WriteVrt(tif, tifDir / "lakes.vrt");
    auto load = [](std::unique_ptr<TileSource> source) {
        TileStore store(std::move(source), std::make_unique<SilentDiagnostics>());
        const AreaLoadResult area = store.LoadArea(-3.9, 54.1, -3.2, 54.8);
        std::vector<std::int32_t> heights;
        for (int y = 0; y < 700; y += 7)
            for (int x = 0; x < 800; x += 3) heights.push_back(store.Area().At(x, y));
        heights.push_back(area.maxHeight_m);
        heights.push_back(area.tilesLoaded);
        heights.push_back(store.PointHeight(54.37, -3.61).value_or(-1));
        return heights;
    };
    const std::vector<std::int32_t> expected = load(MakeHeightSource(hgtDir.Folder()));
    EXPECT_EQ(expected[expected.size() - 2], 1);
    // The dialogue adds a separator to the answer: the file is still the one raster.
    for (const std::string& raster : {tif + "/", (tifDir / "lakes.vrt").string()}) {
        SCOPED_TRACE(raster);
        std::unique_ptr<TileSource> source = MakeHeightSource(raster);
        ASSERT_NE(dynamic_cast<RasterSource*>(source.get()), nullptr);
        EXPECT_EQ(load(std::move(source)), expected);
    }
}

TEST_F(TileForms, TilesElsewhereAreNotFoundInOneRaster) {
    const std::string tif = (tifDir / CopernicusTileName(kLakes)).string();
    std::unique_ptr<TileSource> source = MakeHeightSource(tif);
    EXPECT_TRUE(source->Find(source->NameOf(kLakes)));
    EXPECT_FALSE(source->Find(source->NameOf({54, -3})));
    EXPECT_FALSE(source->Find(source->NameOf({53, -4})));
    EXPECT_FALSE(source->Find("N54W004.hgt"));
}

TEST(TileFormOrder, HgtThenZipThenGeoTiff) {
    TempDir dir;
    WriteHgtFile(dir.Path(), "N54W004.hgt", [](int, int) { return Constant(1); });
    WriteZip(dir / "N54W004.hgt.zip", "N54W004.hgt",
             EncodeHgt([](int, int) { return Constant(2); }));
    TempDir tifSource;
    const auto three =
        WriteHgtFile(tifSource.Path(), "N54W004.hgt", [](int, int) { return Constant(3); });
    TranslateToGeoTiff(three.string(), dir / CopernicusTileName(kLakes));

    HeightFolder folder(dir.Folder());
    const std::string name = folder.NameOf(kLakes);
    for (const auto& [form, height] : {std::pair{TileForm::kHgt, 1},
                                       {TileForm::kHgtZip, 2},
                                       {TileForm::kCopernicusGeoTiff, 3}}) {
        const std::optional<TileLocation> location = folder.Locate(name);
        ASSERT_TRUE(location);
        EXPECT_EQ(location->form, form);
        EXPECT_EQ(ReadThrough(folder, *folder.Find(name)).tile.At(600, 600), height);
        EXPECT_EQ(folder.ReadSample(*folder.Find(name), kThreeArcSecondTile, 600, 600), height);
        std::filesystem::remove(location->path);
    }
    EXPECT_FALSE(folder.Locate(name));
    EXPECT_FALSE(folder.Find(name));
}

TEST(TileFormOrder, ZippedTileFoundWhateverTheCaseOfItsNames) {
    TempDir dir;
    WriteZip(dir / "n54w004.HGT.ZIP", "n54w004.HGT", EncodeHgt(Terrain));
    auto ignoringCase = [&](const std::string& path) -> std::optional<std::string> {
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            std::string a = entry.path().string(), b = path;
            for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (a == b) return entry.path().string();
        }
        return std::nullopt;
    };
    HeightFolder folder(dir.Folder(), ignoringCase);
    const std::optional<std::string> found = folder.Find(folder.NameOf(kLakes));
    ASSERT_TRUE(found);
    const Decoded decoded = ReadThrough(folder, *found);
    ASSERT_TRUE(decoded.read.Read());
    EXPECT_EQ(decoded.tile.At(7, n - 3), Terrain(3, 7));
}

TEST(TileFormOrder, ZipWithoutATileIsUnreadableNotSeaSilently) {
    TempDir dir;
    WriteZip(dir / "N54W004.hgt.zip", "readme.txt", "no heights here");
    HeightFolder folder(dir.Folder());
    const std::optional<std::string> found = folder.Find(folder.NameOf(kLakes));
    ASSERT_TRUE(found);
    const Decoded decoded = ReadThrough(folder, *found);
    EXPECT_EQ(decoded.read.status, TileReadStatus::kUnreadable);
    EXPECT_EQ(decoded.events, std::vector<std::string>{"unreadable " + *found});
    EXPECT_EQ(decoded.tile.At(600, 600), 0);
    EXPECT_FALSE(folder.ShapeOf(*found));
}

// Tiles inflated ahead are the tiles asked for, whatever order they are taken in: the planned
// order, out of it, or again.
TEST(ZipReadAhead, EachTakeGivesThatZipsTile) {
    TempDir dir;
    const std::vector<std::string> zips = {
        (dir / "a.hgt.zip").string(), (dir / "b.hgt.zip").string(), (dir / "c.hgt.zip").string()};
    for (std::size_t i = 0; i < zips.size(); ++i)
        WriteZip(zips[i], "N54W004.hgt", EncodeHgt([i](int row, int column) {
                     return static_cast<int>(i) * 100 + row % 7 + column % 3;
                 }));
    ZipReadAhead ahead;
    ahead.Plan(zips);
    for (const std::size_t i : {0u, 1u, 2u, 1u, 0u, 2u}) {
        SCOPED_TRACE(zips[i]);
        const std::optional<ZippedTile> taken = ahead.Take(zips[i]);
        const std::optional<ZippedTile> direct = ReadStandardZippedTile(zips[i]);
        ASSERT_TRUE(taken && direct);
        EXPECT_EQ(taken->format, kThreeArcSecondTile);
        EXPECT_TRUE(taken->bytes == direct->bytes);
    }
    EXPECT_FALSE(ahead.Take((dir / "none.hgt.zip").string()));
}

// A zipped member that is not a whole tile is never decoded in part: the tile is unreadable.
TEST(TileFormOrder, ZippedShortTileIsUnreadable) {
    TempDir dir;
    WriteZip(dir / "N54W004.hgt.zip", "N54W004.hgt", EncodeHgt(Terrain).substr(0, 1000));
    HeightFolder folder(dir.Folder());
    const std::optional<std::string> found = folder.Find(folder.NameOf(kLakes));
    ASSERT_TRUE(found);
    const Decoded decoded = ReadThrough(folder, *found);
    EXPECT_EQ(decoded.read.status, TileReadStatus::kUnreadable);
    EXPECT_EQ(decoded.tile.At(0, 0), 0);
}

// A corrupt tile full of impossible heights prints a few of them and then their count, in
// whichever form it comes, so a broken download cannot flood the console.
TEST(CorruptTile, HeightsOutOfRangeAreCappedInEveryForm) {
    TempDir hgtDir, zipDir, tifDir;
    const std::string hgtPath =
        WriteHgtFile(hgtDir.Path(), "N54W004.hgt", [](int, int) { return 0x7FFF; }).string();
    WriteZip(zipDir / "N54W004.hgt.zip", "N54W004.hgt", EncodeHgt([](int, int) { return 0x7FFF; }));
    TranslateToGeoTiff(hgtPath, tifDir / CopernicusTileName(kLakes));
    for (const TempDir* dir : {&hgtDir, &zipDir, &tifDir}) {
        SCOPED_TRACE(dir->Folder());
        HeightFolder folder(dir->Folder());
        const Decoded decoded = ReadThrough(folder, *folder.Find(folder.NameOf(kLakes)));
        ASSERT_TRUE(decoded.read.Read());
        ASSERT_EQ(decoded.events.size(), static_cast<std::size_t>(kHeightWarningsPerTile) + 1);
        EXPECT_EQ(decoded.events.back().rfind("more out of range ", 0), 0u)
            << decoded.events.back();
    }
}

// GDAL's no-data marks the void, whatever value the raster chose for it.
TEST(GdalNoData, IsCarriedAsTheVoid) {
    TempDir dir;
    const double geo[6] = {-4 - 0.5 / n, 1.0 / n, 0, 55 + 0.5 / n, 0, -1.0 / n};
    WriteRaster(dir / "holes.tif", "GTiff", n + 1, n + 1, geo, 4326, -9999,
                [](int column, int row) { return row < 100 && column < 50 ? -9999 : 250.4; });
    std::unique_ptr<TileSource> source = MakeHeightSource((dir / "holes.tif").string());
    const std::string found = *source->Find(source->NameOf(kLakes));
    const Decoded decoded = ReadThrough(*source, found, TileDetail::kFinest, kOnlyVoidsToSeaLevel);
    EXPECT_EQ(decoded.read.voidSamples, 100 * 50);
    EXPECT_EQ(decoded.tile.At(10, n - 10), 0);    // the void, made sea level by the decoding
    EXPECT_EQ(decoded.tile.At(60, n - 10), 250);  // whole metres
    EXPECT_EQ(source->ReadSample(found, kThreeArcSecondTile, 10, 10), kVoidSample);
    EXPECT_EQ(source->ReadSample(found, kThreeArcSecondTile, 10, 100), 250);
}

// An OS Terrain 50 style ASCII grid: 50 m cells in British National Grid, no coordinate system in
// the file. Its heights are a plane, so the bilinear resampling must give the plane's height at
// any point; the grid is finer than 3 arc-seconds, so the lattice is the 1 arc-second one.
TEST(BritishNationalGridRaster, ResampledOntoTheLatLonLattice) {
    TempDir dir;
    constexpr double kWest_m = 300000, kNorth_m = 530000, kCell_m = 50;
    constexpr int kColumns = 800, kRows = 800;  // 40 km square: NY 00 30 to NY 40 70
    auto plane = [](double east_m, double north_m) {
        return 100 + 0.01 * (east_m - kWest_m) + 0.02 * (kNorth_m - north_m);
    };
    const double geo[6] = {kWest_m, kCell_m, 0, kNorth_m, 0, -kCell_m};
    WriteRaster(dir / "ny.asc", "AAIGrid", kColumns, kRows, geo, 0, kNaN, [&](int c, int r) {
        return plane(kWest_m + (c + 0.5) * kCell_m, kNorth_m - (r + 0.5) * kCell_m);
    });
    std::unique_ptr<TileSource> source = MakeHeightSource((dir / "ny.asc").string());
    ASSERT_NE(dynamic_cast<RasterSource*>(source.get()), nullptr);
    const std::string found = *source->Find(source->NameOf(kLakes));
    EXPECT_EQ(source->ShapeOf(found)->format, kOneArcSecondTile);

    TileStore store(std::move(source), std::make_unique<SilentDiagnostics>());
    // Scafell Pike's grid reference, put in latitude/longitude by the suite's own geodesy.
    const geodesy::LatLon pike = geodesy::ParseGridRefCorner("NY 21500 07200");
    const std::optional<std::int32_t> height = store.PointHeight(pike.lat_deg, pike.lon_deg);
    ASSERT_TRUE(height);
    // The nearest 1 arc-second sample lies within 16 m, the datum shifts agree within a few metres.
    EXPECT_NEAR(*height, plane(321500, 507200), 1.5);

    // The grid reaches east of 3 W, into the second tile; both have void samples beyond it.
    const AreaLoadResult area = store.LoadArea(-3.9, 54.1, -2.1, 54.9, TileDetail::kThreeArcSecond);
    EXPECT_EQ(area.tilesLoaded, 2);
    EXPECT_GT(area.voidSamples, 2 * (n + 1) * (n + 1) / 2);
    // The plane's highest cell centre is the south-eastern one.
    EXPECT_NEAR(area.maxHeight_m, plane(kWest_m + 39975, kNorth_m - 39975), 1);
}

TEST(NotARegularFile, AFifoIsNeverOpened) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "N54W004.hgt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((dir / "lakes.tif").c_str(), 0600), 0);
    HeightFolder folder(dir.Folder());
    EXPECT_FALSE(folder.Find(folder.NameOf(kLakes)));
    EXPECT_FALSE(Raster::Open((dir / "lakes.tif").string()));
    std::unique_ptr<TileSource> source = MakeHeightSource((dir / "lakes.tif").string());
    EXPECT_EQ(dynamic_cast<RasterSource*>(source.get()), nullptr);
    EXPECT_FALSE(source->Find(source->NameOf(kLakes)));
}

TEST(RealTiles, ZippedAndGeoTiffCopiesOfTheLakeDistrictReadAsTheHgt) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::string real = realdata::Path("srtm3/N54W004.hgt").string();
    std::ifstream in(real, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    TempDir zipDir, tifDir;
    WriteZip(zipDir / "N54W004.hgt.zip", "N54W004.hgt", bytes.str());
    TranslateToGeoTiff(real, tifDir / CopernicusTileName(kLakes));

    HeightFolder hgt(realdata::Path("srtm3").string() + "/");
    const Decoded expected = ReadThrough(hgt, *hgt.Find(hgt.NameOf(kLakes)));
    // Scafell Pike, the tile's highest sample (row 655, column 946 from the north-west).
    EXPECT_EQ(expected.tile.At(946, n - 655), 971);
    for (const TempDir* dir : {&zipDir, &tifDir}) {
        HeightFolder folder(dir->Folder());
        ExpectSameTile(expected.tile,
                       ReadThrough(folder, *folder.Find(folder.NameOf(kLakes))).tile);
    }
}

}  // namespace
}  // namespace terrain::gdal
