#include "plot/place_text.h"

#include <cmath>
#include <cstdio>

#include "geodesy/national_grid.h"

namespace plot {

std::string PlaceText(std::string_view name, double lat_deg, double lon_deg) {
    char position[64];
    std::snprintf(position, sizeof position, "%.4f°%c %.4f°%c", std::fabs(lat_deg),
                  lat_deg < 0 ? 'S' : 'N', std::fabs(lon_deg), lon_deg < 0 ? 'W' : 'E');
    const std::string gridRef = geodesy::FormatGridRef10m({lat_deg, lon_deg});
    std::string text(name);
    if (gridRef != "Not valid" && gridRef != text) text += (text.empty() ? "" : "  ") + gridRef;
    return text + (text.empty() ? "" : "  ") + position;
}

}  // namespace plot
