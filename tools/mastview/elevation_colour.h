// Colours that tell at which elevation angle visplot sees a piece of terrain.
#pragma once

#include "console/palette.h"

namespace mastview {

// Ramp index 0 ... 255 of elevation angle e: nearest(2000 * (0.05 - e)) limited to 0 ... 255.
// Angles of 0.05 rad (about 2.9 degrees) and more give 0, angles of -0.0775 rad and less 255.
int AngleColourIndex(double angle_rad);

// Colour of ramp index n (0 ... 255): with v = 6n and f = v mod 256 the colour runs from dark blue
// through blue, cyan, green and yellow to red and almost white. No entry is black: black is
// hidden ground, and ground seen above the ramp's top (index 0) takes the ramp's top colour.
console::Rgb RampColour(int n);

}  // namespace mastview
