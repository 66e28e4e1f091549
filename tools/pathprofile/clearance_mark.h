// The marks of a profile's worst clearance: where the line of sight passes closest to the ground
// and, with a frequency, the sample that leaves least of the first Fresnel zone clear; the gap
// there; and where each label goes so that it stays on the plot and off the other labels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "profile.h"

namespace pathprofile {

struct ClearanceMark {
    double at_km = 0.0;     // the sample's distance from the base
    double ground_m = 0.0;  // the sample: ground plus earth bulge
    double sight_m = 0.0;   // the line of sight above it
    std::string text;       // "worst clearance 9.2 m", "worst zone clearance -79% (-45.7 m)" ...
};

// The marks of `profile` (at least one sample) with its masts: the line of sight's worst
// clearance (LineOfSightClearance) in metres; with a wavelength also the sample of least
// clearance / r1 (WorstFresnelClearance) as the share of r1 and in metres, in the same mark when
// it is the same sample ("worst clearance 9.2 m, 53% of zone"). The figures are those of the
// console lines, with the same rounding.
std::vector<ClearanceMark> WorstClearanceMarks(const Profile& profile, double base_mast_m,
                                               double distant_mast_m,
                                               std::optional<double> wavelength_m);

// A label's box in pixels: left and top inclusive, right and bottom exclusive.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
bool Overlap(const PixelBox& a, const PixelBox& b);

// Where the label of a mark goes: beside its tick at `column` (right of it, or left where the
// right has no room), level with the middle of the tick's rows upper_row ... lower_row, else
// higher (half a line at a time up to the top of `room`), else lower; each place moved as little
// as needed to lie within `room`. The first place that keeps off every box of `taken` and off
// the ground is taken, else the first that keeps off `taken`, else the first. The label is
// width_px x height_px. ground_top_rows[c] is the top row of the ground in column room.left + c
// (the columns beyond it have no ground), so that a label is put in the sky where it can and
// hides no ground.
PixelBox PlaceMarkLabel(int column, int upper_row, int lower_row, int width_px, int height_px,
                        const PixelBox& room, const std::vector<PixelBox>& taken = {},
                        const std::vector<int>& ground_top_rows = {});

// Pixels between a tick and its label.
inline constexpr int kMarkLabelGap_px = 6;

}  // namespace pathprofile
