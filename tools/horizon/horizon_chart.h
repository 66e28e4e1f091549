// The chart of horizon: bearing across, elevation angle up, the ground below the horizon shaded
// by its distance as in a panorama. The scales and colours; the layout is horizon_layout.h.
#pragma once

#include <string>
#include <vector>

#include "console/palette.h"

namespace horizon {

// The field spans plot heights 0 (bottom) ... 100 (top); the angle axis maps angles onto it.
inline constexpr double kFieldHeight = 100;

// Each end of the angle axis lies this share of the horizon's angle span beyond the lowest and
// the highest horizon angle: room to see the line clear of the field's edges, no more.
inline constexpr double kAxisMarginShare = 0.08;
// The axis spans at least this angle (0.05 degree): over the sea every horizon angle is nearly
// the same, and a span of nothing would blow the tiny differences up into mountains.
inline constexpr double kSmallestAxisSpan_rad = 0.05 / 57.29577951308232;

// The angle axis: elevation angles low_rad ... high_rad on plot heights 0 ... 100.
struct AngleScale {
    double low_rad = 0;
    double high_rad = 0;

    // Plot height of angle e, kept within the field (0 ... 100).
    double Height(double angle_rad) const;
    // Unclamped plot height of an angle in degrees (ticks), and the inverse.
    double HeightOfDegrees(double angle_deg) const;
    double DegreesAt(double height) const;
};

// The axis fitted to horizon angles from lowest_rad to highest_rad: their span (at least
// kSmallestAxisSpan_rad, centred on them) with kAxisMarginShare of it beyond each end.
AngleScale FitAngleScale(double lowest_rad, double highest_rad);

// Tick spacing for an axis spanning span units with room for at most maxTicks labels: 1, 2, 2.5
// or 5 times a power of ten, the smallest that keeps within maxTicks intervals.
double TickStep(double span, int maxTicks);

// The ticks (multiples of step) from low to high, exactly 0 where one falls on zero.
std::vector<double> TicksWithin(double low, double high, double step);

// An axis label of value in degrees with as many decimals as step needs ("-0.25°", "2°").
std::string DegreeLabel(double value, double step);

// `value` with `decimals` digits after "." (never "-0.0"), whatever the locale.
std::string Fixed(double value, int decimals);

// `value` in the fewest digits that read back the same ("10", "1.3").
std::string Shortest(double value);

// The ground's shade at fraction f (0 ... 1) of the radius, as in a panorama: near ground dark
// green, far ground a pale hazy blue. Every shade keeps its channels well apart, so none reads as
// the grey of ground without height data.
console::Rgb GroundShade(double f);

// The sky above the horizon and the horizon line.
inline constexpr console::Rgb kSkyColour{232, 240, 250};
inline constexpr console::Rgb kHorizonLineColour{0, 0, 0};

// The compass point under bearing b (a multiple of 45 from 0 to 360): "N", "NE", "E" ... "N".
std::string CompassPoint(int bearing_deg);

}  // namespace horizon
