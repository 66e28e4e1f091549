// The hillshade of the map tools' --shade: flat ground keeps its colour, slopes turned to the
// north-west light are brighter than those turned away, and the colours stay in range.
#include "terrainmap/hillshade.h"

#include <gtest/gtest.h>

namespace terrainmap {
namespace {

// Heights of a plane rising `east` metres per cell eastwards and `north` per cell northwards,
// row by row from the north-west corner.
std::array<double, 9> Plane(double east, double north) {
    std::array<double, 9> z{};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            z[static_cast<std::size_t>(row * 3 + col)] = 500 + east * (col - 1) + north * (1 - row);
    return z;
}

TEST(Hillshade, FlatGroundKeepsItsColour) {
    EXPECT_DOUBLE_EQ(ShadeFactor(Plane(0, 0), 50, 90), 1.0);
    EXPECT_EQ(Shaded({10, 200, 255}, 1.0), (console::Rgb{10, 200, 255}));
}

TEST(Hillshade, SlopesFacingTheLightAreBrighterThanThoseFacingAway) {
    // Ground falling to the north-west faces the light; falling to the south-east faces away.
    const double towards = ShadeFactor(Plane(20, -20), 90, 90);
    const double away = ShadeFactor(Plane(-20, 20), 90, 90);
    EXPECT_GT(towards, 1.0);
    EXPECT_LT(away, 1.0);
    // A slope across the light (falling to the north-east) is lit as its steepness alone says:
    // darker than flat ground, lighter than the slope turned away.
    const double across = ShadeFactor(Plane(-20, -20), 90, 90);
    EXPECT_LT(across, 1.0);
    EXPECT_GT(across, away);
    // Narrower cells east-west make the same height step steeper.
    EXPECT_LT(ShadeFactor(Plane(-20, 0), 30, 90), ShadeFactor(Plane(-20, 0), 90, 90));
}

TEST(Hillshade, HeldBetweenItsLimitsAndColoursClamped) {
    EXPECT_DOUBLE_EQ(ShadeFactor(Plane(-5000, 5000), 90, 90), kDarkest);
    EXPECT_LE(ShadeFactor(Plane(300, -300), 90, 90), kBrightest);
    EXPECT_EQ(Shaded({200, 100, 0}, 1.35), (console::Rgb{255, 135, 0}));
    EXPECT_EQ(Shaded({200, 100, 1}, 0.5), (console::Rgb{100, 50, 1}));
}

TEST(Hillshade, CellSizes) {
    EXPECT_NEAR(CellHeight_m(1200), 92.66, 0.01);
    EXPECT_NEAR(CellWidth_m(1200, 60), 46.33, 0.01);
    EXPECT_NEAR(CellHeight_m(3600), 30.89, 0.01);
}

}  // namespace
}  // namespace terrainmap
