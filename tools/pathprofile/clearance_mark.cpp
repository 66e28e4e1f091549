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
                        const PixelBox& room, const std::vector<PixelBox>& taken,
                        const std::vector<int>& ground_top_rows) {
    const auto at = [&](int left, int top) {
        PixelBox box;
        box.left = std::max(room.left, std::min(left, room.right - width_px));
        box.top = std::max(room.top, std::min(top, room.bottom - height_px));
        box.right = box.left + width_px;
        box.bottom = box.top + height_px;
        return box;
    };
    const auto clear_of_taken = [&](const PixelBox& box) {
        return std::none_of(taken.begin(), taken.end(),
                            [&box](const PixelBox& t) { return Overlap(box, t); });
    };
    const auto clear_of_ground = [&](const PixelBox& box) {
        for (int c = box.left; c < box.right; ++c) {
            const int k = c - room.left;
            if (k >= 0 && k < static_cast<int>(ground_top_rows.size()) &&
                box.bottom > ground_top_rows[static_cast<std::size_t>(k)])
                return false;
        }
        return true;
    };

    const int right = column + kMarkLabelGap_px;
    const int left = column - kMarkLabelGap_px - width_px;
    const int beside = right + width_px <= room.right ? right : left;
    const int other_side = beside == right ? left : right;
    std::vector<int> tops;
    const int centred = (upper_row + lower_row) / 2 - height_px / 2;
    const int step = std::max(1, height_px / 2);
    for (int top = centred; top >= room.top - step; top -= step) tops.push_back(top);
    for (int top = centred + step; top <= room.bottom; top += step) tops.push_back(top);
    std::vector<PixelBox> places;
    for (int top : tops)
        for (int side : {beside, other_side}) places.push_back(at(side, top));

    for (const PixelBox& box : places)
        if (clear_of_taken(box) && clear_of_ground(box)) return box;
    for (const PixelBox& box : places)
        if (clear_of_taken(box)) return box;
    return places.front();
}

}  // namespace pathprofile
