#include "benchfind/archive_line.h"

#include <gtest/gtest.h>

namespace benchfind {
namespace {

TEST(ArchiveLine, TakesTheFieldsTheSearchUses) {
    const std::string line =
        "Scafell Pike,TP1234,NY215072,321546,507211,978,Cumbria,Pillar,FBM,5,6,7,8,9,S-Good";
    const ArchiveFields f = SplitArchiveLine(line);
    EXPECT_EQ(f.name, "Scafell Pike");
    EXPECT_EQ(f.easting, "321546");
    EXPECT_EQ(f.northing, "507211");
    EXPECT_EQ(f.height, "978");
    EXPECT_EQ(f.type, "Pillar");
    EXPECT_EQ(f.status, "Good");  // the field's first two characters are left out
}

TEST(ArchiveLine, StatusRunsToTheEndOfTheLineWithLaterFields) {
    const ArchiveFields f = SplitArchiveLine("a,b,c,1,2,3,e,Bolt,i,j,k,l,m,n,o-Destroyed 1990,x,y");
    EXPECT_EQ(f.status, "Destroyed 1990,x,y");
    // A status field shorter than two characters starts the status inside the next field.
    EXPECT_EQ(SplitArchiveLine("a,b,c,1,2,3,e,f,i,j,k,l,m,n,D,xyz").status, "xyz");
    EXPECT_EQ(SplitArchiveLine("a,b,c,1,2,3,e,f,i,j,k,l,m,n,AB").status, "");
    EXPECT_EQ(SplitArchiveLine("a,b,c,1,2,3,e,f,i,j,k,l,m,n,").status, "");
}

TEST(ArchiveLine, ShortLinesGiveEmptyFieldsNotWrongOnes) {
    // Five fields: the height (field 6), type and status are missing, not re-read from
    // the start of the line.
    ArchiveFields f = SplitArchiveLine("Short,x,y,100,200");
    EXPECT_EQ(f.name, "Short");
    EXPECT_EQ(f.easting, "100");
    EXPECT_EQ(f.northing, "200");
    EXPECT_EQ(f.height, "");
    EXPECT_EQ(f.type, "");
    EXPECT_EQ(f.status, "");

    // Exactly 14 commas: fields 1 to 15, the last one giving the status.
    f = SplitArchiveLine("N,,,1,2,3,,Pillar,,,,,,,ZZDest");
    EXPECT_EQ(f.type, "Pillar");
    EXPECT_EQ(f.status, "Dest");
    // 13 commas: no field 15, so no status (not the line from its third character).
    EXPECT_EQ(SplitArchiveLine("N,,,1,2,3,,Pillar,,,,,,Destroyed").status, "");

    f = SplitArchiveLine("no commas at all");
    EXPECT_EQ(f.name, "no commas at all");
    EXPECT_EQ(f.easting, "");
    f = SplitArchiveLine("");
    EXPECT_EQ(f.name, "");
    EXPECT_EQ(f.status, "");
}

TEST(ArchiveLine, GridFieldsAloneMatchTheFullSplit) {
    for (const char* line : {"a,b,c,412345,145678,9,,Pillar,,,,,,,1 Good", "a,b,c,1", "a,b,c,1,2",
                             "", "no commas", "a,,,,"}) {
        SCOPED_TRACE(line);
        const ArchiveFields full = SplitArchiveLine(line);
        const GridFields grid = SplitGridFields(line);
        EXPECT_EQ(grid.easting, full.easting);
        EXPECT_EQ(grid.northing, full.northing);
    }
}

}  // namespace
}  // namespace benchfind
