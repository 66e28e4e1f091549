// The chart of horizon: bearing across, elevation angle up, each point coloured by its distance.
#pragma once

#include <string>

#include "console/palette.h"

namespace horizon {

inline constexpr double kUnitsPerRadian = 1500;  // plot units per radian of elevation angle
inline constexpr double kZeroAngleHeight = 20;   // plot height of an elevation angle of 0

// On the fixed scale (AngleScale's defaults): the plot height of elevation angle e, 1500 e + 20
// but never below the bottom of the field (0), and of an angle-scale tick for angle_deg.
double ChartHeight(double angle_rad);
double TickHeight(double angle_deg);

// The chart's angle scale. The field (plot heights 0 ... 100) normally holds elevation angles
// from -0.76 to 3.06 degrees, ticked every half degree from -0.5 to 2. From a high summit every
// horizon angle can lie below that; then the field is stretched to hold the lowest (and the
// highest) angle found, ticked at the same half degrees (or whole multiples of them when half
// degrees would crowd the labels).
struct AngleScale {
    double unitsPerRadian = kUnitsPerRadian;
    double zeroHeight = kZeroAngleHeight;
    double firstTick_deg = -0.5;
    double lastTick_deg = 2.0;
    double tickStep_deg = 0.5;

    // Plot height of angle e, never below the bottom of the field (0).
    double Height(double angle_rad) const;
    double TickHeight(double angle_deg) const;
};

// The fixed scale when the angles from lowest_rad to highest_rad fit it, otherwise one
// stretched to hold them.
AngleScale ScaleFor(double lowest_rad, double highest_rad);

// Colour of a point at fraction f (0 ... 1) of the radius: red min(255 f, 255), green
// 200 - 200 f, blue 300 |f - 0.5|, each rounded: sea-green near, olive half-way, magenta at the
// rim.
console::Rgb DistanceColour(double f);

// The compass label under bearing b (a multiple of 45 from 0 to 360): a blank, two characters
// of "N NEE SES SWW NWN " from position floor(b / 22.5) + 1, and a blank, so " N  ", " NE ".
std::string CompassLabel(int bearing_deg);

}  // namespace horizon
