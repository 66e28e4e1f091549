// The window's position texts: the easting/northing line, the OS map caption and cell sizes.
#include "display_texts.h"

#include <gtest/gtest.h>

#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"

namespace tormark {
namespace {

// WGS84 51.5 N, 1.0 W: E about 469510.616, N about 178369.625.
TEST(DisplayTextsTest, EastNorthAndMapCaptionOfAGridReference) {
    struct Case {
        double resolution_km;
        const char* square;
    };
    for (const Case& c :
         {Case{0.001, "SU67"}, Case{0.05, "SU67"}, Case{1.0, "SU67"}, Case{2.0001, "SU77"}}) {
        SCOPED_TRACE(c.resolution_km);
        const geodesy::NgrText t = geodesy::FormatGridRef(51.5, -1.0, c.resolution_km);
        EXPECT_EQ(EastNorthText(t), "E: 469511 , N: 178370");
        EXPECT_EQ(OsMapCaption(t), c.square);
    }
    EXPECT_EQ(EastNorthText(450960.0, 112345.0), "E: 450960 , N: 112345");
}

TEST(DisplayTextsTest, NoGridReferenceGivesEmptyTexts) {
    for (auto [lat, lon] : {std::pair{48.9999, -2.0}, std::pair{61.0001, -1.0},
                            std::pair{49.2, -7.9}}) {  // outside the area, then off the grid
        const geodesy::NgrText t = geodesy::FormatGridRef(lat, lon, 0.001);
        EXPECT_EQ(EastNorthText(t), "") << lat << " " << lon;
        EXPECT_EQ(OsMapCaption(t), "") << lat << " " << lon;
    }
}

TEST(DisplayTextsTest, LocatorCellSizes) {
    struct Case {
        const char* text;
        const char *ns, *ew;
    };
    for (const Case& c : {Case{"IO91IM", "4633m", "5766m"}, Case{"IO91IM00", "463m", "577m"},
                          Case{"IO91IM00AA", "19m", "24m"}}) {
        SCOPED_TRACE(c.text);
        const geodesy::LocatorPosition p = geodesy::ParseLocator(c.text);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(CellSizeText(p.ns_size_m), c.ns);
        EXPECT_EQ(CellSizeText(p.ew_size_m), c.ew);
    }
}

}  // namespace
}  // namespace tormark
