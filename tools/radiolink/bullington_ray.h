// The Bullington loss from a mast to every sample along one ray, the ray's ground added sample
// by sample outwards: what a coverage map needs at every point of its disc.
//
// Rebuilding the construction for each sample would cost the whole profile each time. Most of
// it carries outward instead: the steepest ray from the mast is a running maximum once the
// earth bulge is split into its parts, and the steepest ray back from a receiver touches the
// upper convex hull of the ground as corrected for the bulge, which grows by one point a sample.
// A receiver in line of sight needs the sample that comes nearest the direct ray: blocks of
// samples keep their highest ground, which bounds how near any of them can come, so the search
// looks into the few blocks that could hold it instead of walking the whole profile (which made
// a map's cost grow with the cube of its radius). The results are those of Bullington() on the
// same samples, but for rounding, and the same sample is chosen as the edge.
#pragma once

#include <cstddef>
#include <vector>

#include "radiolink/bullington.h"
#include "radiolink/equivalent_edge.h"

namespace radiolink {

class BullingtonRay {
  public:
    // The transmitting antenna stands txHeight_m above sea level at distance 0.
    BullingtonRay(double txHeight_m, double effectiveRadius_km, double wavelength_m);

    // Starts a new ray from the same mast: nothing added (the memory is kept for the next ray).
    void Clear();

    // Adds the next sample of ground; distances strictly increase from one call to the next and
    // are above 0.
    void Add(const ProfilePoint& ground);

    // The loss over the path from the mast to the last sample added, to a receiving antenna
    // rxAboveGround_m above that sample's ground. The samples added before it are the path's
    // inner points. Nothing added yet: no loss.
    BullingtonLoss LossToLast(double rxAboveGround_m) const;

  private:
    struct HullPoint {
        double d_km;
        double g;  // h - k d^2: the ground with the part of the bulge that does not depend on the
                   // path's length
    };
    // The inner sample with the largest NearnessKey, the first of equals (as
    // NearestToDirectRay walks them).
    std::size_t NearestInner(const PathEnds& ends) const;

    double txHeight_m_;
    double bulge_;  // k = 500 / a_e: bulge_ d_i (d - d_i) is the bulge in metres
    double wavelength_m_;
    std::vector<ProfilePoint> points_;  // every sample added, in order
    // Over the inner points (all but the last): the steepest rise from the mast less its
    // dependence on the path's length (bulge_ d, added back at the query), and the upper hull.
    double maxRiseFromTx_;
    std::vector<HullPoint> hull_;
    // The highest ground and g of the inner points in blocks of 16 samples (level 0), of 16 of
    // those (level 1), and so on: blockTop_[level][block].
    struct BlockTop {
        double h;
        double g;
    };
    static BlockTop Higher(const BlockTop& a, const BlockTop& b) {
        return {a.h > b.h ? a.h : b.h, a.g > b.g ? a.g : b.g};
    }
    std::vector<std::vector<BlockTop>> blockTop_;
};

}  // namespace radiolink
