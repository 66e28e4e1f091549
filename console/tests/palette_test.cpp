#include "console/palette.h"

#include <gtest/gtest.h>

#include "console/picture_mask.h"
#include "console/testing/test_support.h"

namespace console {
namespace {

using console::testing::TempDir;
using console::testing::WriteTextFile;

TEST(PaletteFile, OnlyColorLinesSetEntries) {
    TempDir dir;
    WriteTextFile(dir.Path(), "White.PAL", {"COLOR255=&hFFFFFF"});
    auto white = ReadPaletteFile("White.PAL", dir.Path().string());
    ASSERT_TRUE(white.has_value());
    EXPECT_EQ((*white)[255], kWhite);
    for (int i = 0; i < 255; ++i) EXPECT_EQ((*white)[i], kBlack) << "entry " << i;

    Palette p;
    EXPECT_TRUE(ApplyPaletteLine("color 7=&h00ff00", p));  // lower case is used
    EXPECT_EQ(p[7], (Rgb{0, 255, 0}));
    EXPECT_TRUE(ApplyPaletteLine("COLOR 12=&h0080FF", p));  // blue 00, green 80, red FF
    EXPECT_EQ(p[12], (Rgb{255, 128, 0}));
    EXPECT_TRUE(ApplyPaletteLine("COLOR 12=&h000001", p));  // later lines overwrite
    EXPECT_EQ(p[12], (Rgb{1, 0, 0}));
    EXPECT_FALSE(ApplyPaletteLine(" COLOR 8=&hFFFFFF", p));  // leading blank: not used
    EXPECT_FALSE(ApplyPaletteLine("COLOUR9=&hFFFFFF", p));
    EXPECT_FALSE(ApplyPaletteLine("COLOR256=&hFFFFFF", p));  // entry out of range
    EXPECT_FALSE(ApplyPaletteLine("COLOR-1=&hFFFFFF", p));
    EXPECT_FALSE(ApplyPaletteLine("COLOR1000=&hFFFFFF", p));  // not entry 100
    EXPECT_EQ(p[100], kBlack);
    EXPECT_FALSE(ApplyPaletteLine("COLOR 9=&hGG0000", p));  // not hexadecimal
    EXPECT_FALSE(ApplyPaletteLine("COLOR 9=&h0000", p));    // too short
    EXPECT_FALSE(ApplyPaletteLine("COLOR 9 &h000000", p));  // no "="
    EXPECT_EQ(p[8], kBlack);
    EXPECT_EQ(p[9], kBlack);
}

TEST(PaletteFile, MissingFileGivesTheDefault) {
    TempDir dir;
    Palette palette;
    std::string name = ".PAL";
    EXPECT_FALSE(LoadPalette(name, palette, true, dir.Path().string()));
    EXPECT_EQ(name, "");  // terrainplot empties the name
    EXPECT_EQ(palette, DefaultPalette());
    name = "Hills.PAL";
    EXPECT_FALSE(LoadPalette(name, palette, false, dir.Path().string()));
    EXPECT_EQ(name, "Hills.PAL");  // terrain3d keeps it

    WriteTextFile(dir.Path(), "hills.pal", {"COLOR0=&h0000FF"});
    EXPECT_TRUE(LoadPalette(name, palette, true, dir.Path().string()));  // found ignoring case
    EXPECT_EQ(palette[0], kPureRed);
    EXPECT_EQ(name, "Hills.PAL");
}

TEST(DefaultPalette, DarkGreenToPaleYellow) {
    Palette p = DefaultPalette();
    EXPECT_EQ(p[0], kBlack);
    EXPECT_EQ(p[128], (Rgb{64, 181, 128}));
    EXPECT_EQ(p[255], (Rgb{255, 255, 130}));
    EXPECT_EQ(FromBgr(0x0000FF), kPureRed);
    EXPECT_EQ(FromBgr(0xFF0000), kPureBlue);
    EXPECT_EQ(FromBgr(0xA00050), (Rgb{0x50, 0x00, 0xA0}));
}

TEST(HeightToColour, PowerMappingAndItsInverse) {
    EXPECT_EQ(HeightToColour(500, 1000), 146);
    EXPECT_EQ(HeightToColour(0, 1000), 0);
    EXPECT_EQ(HeightToColour(-20, 1000), 0);
    EXPECT_EQ(HeightToColour(1000, 1000), 255);
    EXPECT_EQ(HeightToColour(5000, 1000), 255);
    EXPECT_EQ(HeightToColour(900, 500), 255);  // all from 500 m up get the top entry
    // Legend labels with the mask "####".
    EXPECT_EQ(FormatMask("####", {ColourToHeight(0, 1000)}), "   0");
    EXPECT_EQ(FormatMask("####", {ColourToHeight(32, 1000)}), "  75");
    EXPECT_EQ(FormatMask("####", {ColourToHeight(64, 1000)}), " 178");
    EXPECT_EQ(FormatMask("####", {ColourToHeight(128, 1000)}), " 424");
    EXPECT_EQ(FormatMask("####", {ColourToHeight(255, 1000)}), "1000");
    // Round trip: the entry of the height of entry i is i.
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(HeightToColour(ColourToHeight(i, 1000), 1000), i) << "entry " << i;
    }
}

TEST(HeightToColour, TableAgreesWithTheFormula) {
    for (std::int32_t maxHeight : {2, 255, 971, 3000}) {
        HeightColourTable table(maxHeight);
        for (std::int32_t h = -5; h <= maxHeight + 5; ++h) {
            ASSERT_EQ(table.Entry(h), HeightToColour(h, maxHeight)) << h << " of " << maxHeight;
        }
    }
    HeightColourTable huge(2000000000);  // no huge table, still the formula
    EXPECT_EQ(huge.Entry(100000), HeightToColour(100000, 2000000000));
}

}  // namespace
}  // namespace console
