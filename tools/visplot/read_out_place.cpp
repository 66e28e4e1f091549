#include "read_out_place.h"

namespace visplot {

ReadOutPlace PlaceReadOut(int windowWidth_px, int preferredLeft_px, int margin_px, int width_px) {
    const int lastColumn = windowWidth_px - margin_px;  // the text ends before this column
    if (preferredLeft_px + width_px <= lastColumn) return {preferredLeft_px, false};
    const int movedLeft = lastColumn - width_px;
    if (movedLeft >= margin_px) return {movedLeft, false};
    return {margin_px, true};
}

}  // namespace visplot
