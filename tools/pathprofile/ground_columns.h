// The ground of a profile as pixel columns: what each column of the picture shows between the
// base and the distant site, so that the ground is filled whatever the path's length. A short
// path has one sample every ten pixels or more; the ground between two samples is the straight
// line joining them. A long one has dozens of samples to a column; the column shows the highest.
#pragma once

#include <vector>

#include "plot/pixel_transform.h"
#include "profile.h"

namespace pathprofile {

struct GroundColumn {
    int column = 0;        // pixel column of the picture
    double top_m = 0.0;    // the highest ground (with its earth bulge) in the column, m
    double bulge_m = 0.0;  // the earth bulge at the column's centre, m
    bool no_data = false;  // the column's ground has no height data
};

// One entry for every pixel column of the picture from the base (x = 0) to the distant site
// (x = D), in order. The ground is the profile's samples rounded to whole metres, joined by
// straight lines, the last held to D. Each column takes the highest point of that line within
// it; the bulge and the no-data mark are those of the stretch under its centre (a sample's
// stretch runs to the next sample, as NoDataLength_km counts it). Empty for a profile without
// samples.
std::vector<GroundColumn> GroundColumns(const Profile& profile, const plot::PixelTransform& pixels);

}  // namespace pathprofile
