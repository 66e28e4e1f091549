// Small value types shared by the geodesy operations.
#pragma once

namespace geodesy {

// A latitude/longitude pair in decimal degrees, north and east positive. Which datum it is on
// (WGS84 or OSGB36) is stated by the function that returns it.
struct LatLon {
    double lat_deg = 0.0;
    double lon_deg = 0.0;
};

// National Grid easting and northing in metres, origin at the south-west corner of square SV.
struct EastNorth {
    double e_m = 0.0;
    double n_m = 0.0;
};

}  // namespace geodesy
