// The lines that tell of missing heights, and the tiles a refusal names.
#include "console/no_data_lines.h"

#include <gtest/gtest.h>

#include <cmath>

namespace console {
namespace {

TEST(NoDataLines, ShareAndPathLengthOneDecimalNeverContradicted) {
    EXPECT_EQ(NoDataShareLine(0.125), "12.5 % of the plot has no height data");
    EXPECT_EQ(NoDataShareLine(1.0), "100.0 % of the plot has no height data");
    // A single sample of a large plot is still some: never "0.0 %".
    EXPECT_EQ(NoDataShareLine(1e-7), "0.1 % of the plot has no height data");
    // All but one sample is not all.
    EXPECT_EQ(NoDataShareLine(1 - 1e-7), "99.9 % of the plot has no height data");
    EXPECT_EQ(NoDataPathLine(8.24), "the path crosses 8.2 km without height data");
    EXPECT_EQ(NoDataPathLine(0.02), "the path crosses 0.1 km without height data");
}

TEST(NoDataLines, RefusalNamesTheFolderAndTheTilesLookedFor) {
    const std::vector<std::string> tiles = TileNamesCovering(-3.5, 54.2, -2.5, 54.7);
    EXPECT_EQ(tiles, (std::vector<std::string>{"N54W004.hgt", "N54W003.hgt"}));
    EXPECT_EQ(NoHeightDataLine("data/srtm3/", tiles),
              "No height data for this area: none of N54W004.hgt, N54W003.hgt in data/srtm3/");
    EXPECT_EQ(NoHeightDataLine("", {"N54W004.hgt"}),
              "No height data for this area: none of N54W004.hgt in the working folder");
    // Across the equator and Greenwich, south to north within each column.
    EXPECT_EQ(
        TileNamesCovering(-0.5, -0.5, 0.5, 0.5),
        (std::vector<std::string>{"S01W001.hgt", "N00W001.hgt", "S01E000.hgt", "N00E000.hgt"}));
    // A huge area lists a dozen names and says there are more.
    const std::string many = NoHeightDataLine("t/", TileNamesCovering(-10, 50, 10, 60));
    EXPECT_NE(many.find(", ... in t/"), std::string::npos) << many;
    EXPECT_TRUE(TileNamesCovering(0, std::nan(""), 1, 1).empty());
}

}  // namespace
}  // namespace console
