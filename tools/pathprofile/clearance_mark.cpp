#include "clearance_mark.h"

#include <algorithm>
#include <cmath>

#include "console/picture_mask.h"
#include "fresnel_zone.h"

namespace pathprofile {
namespace {

ClearanceMark MarkAt(const SightLine& line, double at_km, double clearance_m, std::string text) {
    ClearanceMark mark;
    mark.at_km = at_km;
    mark.sight_m = line.At_m(at_km);
    mark.ground_m = mark.sight_m - clearance_m;
    mark.text = std::move(text);
    return mark;
}

}  // namespace

std::vector<ClearanceMark> WorstClearanceMarks(const Profile& profile, double base_mast_m,
                                               double distant_mast_m,
                                               std::optional<double> wavelength_m) {
    const SightLine line = LineOfSight(profile, base_mast_m, distant_mast_m);
    const Clearance sight = LineOfSightClearance(profile, base_mast_m, distant_mast_m);
    const std::string metres = console::FormatMask("worst clearance #.# m", {sight.worst_m});
    std::optional<FresnelClearance> zone;
    if (wavelength_m) zone = WorstFresnelClearance(profile, line, *wavelength_m);
    if (!zone) return {MarkAt(line, sight.at_km, sight.worst_m, metres)};

    const double percent = 100.0 * zone->worst_fraction;
    // Both figures come from the same samples: one sample is the same distance, exactly.
    if (zone->at_km == sight.at_km) {
        return {MarkAt(line, sight.at_km, sight.worst_m,
                       metres + console::FormatMask(", #% of zone", {percent}))};
    }
    return {MarkAt(line, sight.at_km, sight.worst_m, metres),
            MarkAt(line, zone->at_km, zone->clearance_m,
                   console::FormatMask("worst zone clearance #% (#.# m)",
                                       {percent, zone->clearance_m}))};
}

bool Overlap(const PixelBox& a, const PixelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PixelBox PlaceMarkLabel(int column, int upper_row, int lower_row, int width_px, int height_px,
                        const PixelBox& room, const std::vector<PixelBox>& taken) {
    const auto at = [&](int left, int top) {
        PixelBox box;
        box.left = std::max(room.left, std::min(left, room.right - width_px));
        box.top = std::max(room.top, std::min(top, room.bottom - height_px));
        box.right = box.left + width_px;
        box.bottom = box.top + height_px;
        return box;
    };
    const int right = column + kMarkLabelGap_px;
    const int beside =
        right + width_px <= room.right ? right : column - kMarkLabelGap_px - width_px;
    const int other_side = beside == right ? column - kMarkLabelGap_px - width_px : right;
    const int tops[] = {(upper_row + lower_row) / 2 - height_px / 2,
                        upper_row - kMarkLabelGap_px - height_px, lower_row + kMarkLabelGap_px};
    for (int top : tops) {
        for (int left : {beside, other_side}) {
            const PixelBox box = at(left, top);
            if (std::none_of(taken.begin(), taken.end(),
                             [&box](const PixelBox& t) { return Overlap(box, t); }))
                return box;
        }
    }
    return at(beside, tops[0]);
}

}  // namespace pathprofile
