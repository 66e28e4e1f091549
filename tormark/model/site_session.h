#pragma once

// The window state of Tormark and the logic of its main actions, apart from any widget: the
// current site, the home site, the distance and bearings, and the texts and colours that the
// boxes of the main window, the Pointing window and the listing panel show. The window shows
// this state after each action and hands every edit of a box to it; the command lines use the
// same object, so a script sees exactly what the window would show. Pure standard C++.

#include <optional>
#include <string>
#include <string_view>

#include "geodesy/distance_bearing.h"
#include "geodesy/position_input.h"
#include "resolve_input.h"

namespace tormark {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of the boxes after a resolution, by kind of input.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kCalculatedRed{255, 0, 0};      // a value computed from the input
inline constexpr Rgb kTypedBack{255, 255, 90};       // typed NGR or locator
inline constexpr Rgb kTypedNgrLLBack{255, 250, 90};  // lat/long box after a typed NGR
inline constexpr Rgb kLatLongBack{180, 255, 200};    // typed latitude/longitude, restored home
inline constexpr Rgb kSiteBack{255, 240, 200};       // site found in the database

// The texts and colours of the main window's result boxes.
struct MainBoxes {
    std::string input;      // the input box
    std::string locator;    // the locator box
    std::string ngr;        // the grid reference box
    std::string latlong;    // the latitude/longitude box
    std::string eastNorth;  // easting and northing, "E: 469511 , N: 178370"
    std::string xdim;       // cell width label, "###m" or "~"
    std::string ydim;       // cell height label
    // Caption of the "OS Map" button: the 10 km square of the current site once one is known,
    // which also names the map sheet the button opens.
    std::string osMapCaption = "OS Map";
    // Easting and northing behind eastNorth, metres (unrounded); valid while hasEastNorth.
    bool hasEastNorth = false;
    double easting_m = 0.0;
    double northing_m = 0.0;
    Rgb locNgrBack = kWhite;  // background of the locator and grid reference boxes
    Rgb llBack = kWhite;      // background of the latitude/longitude box
    Rgb locFore = kBlack;     // text colour of the locator box
    Rgb ngrFore = kBlack;     // text colour of the grid reference box
    bool setHomeEnabled = false;
};

// The boxes of the Pointing window.
struct PointingBoxes {
    std::string ipt;  // copy of the input box
    std::string dist;
    std::string bear;
    std::string backBear;
    std::string uncert;
};

// How the accuracy line of the Pointing window is written, by the kind of the current site.
enum class UncertForm { kGridRef, kLocator, kLatLong, kSite };

// The accuracy text of the Pointing window for one form.
std::string UncertaintyText(UncertForm form, double distUncert_km, double bearUncert_deg);

// Caption of the home-station label: "Home Station:  " + site name + " - " + locator + "  " +
// grid reference.
std::string HomeStationCaption(const std::string& sitename, const std::string& locator,
                               const std::string& ngr);

// The text shown in the input box when a saved home is restored at start.
std::string RestoredHomeText(double lat_deg, double lon_deg);

// The panel of "&Make a Listing File": its boxes as texts (initial texts as defaults).
struct ListingBoxes {
    std::string minDist = "0";
    std::string maxDist = "99999";
    std::string fromBear = "0";
    std::string toBear = "360";
    std::string search;
    std::string fileName;  // "" is replaced by kDefaultListFile
};

class SiteSession {
  public:
    // --- the current site ---
    double lat_deg = 0.0;        // WGS84 degrees, north positive
    double lon_deg = 0.0;        // WGS84 degrees, east positive
    double resolution_km = 0.0;  // positional uncertainty of the current site
    std::string siteName;        // database name of the current site, "" for a typed position
    int latLongFormat = 0;       // layout of the lat/long box, 0..geodesy::kLatLongFormats-1

    // --- the home site ---
    double homeLat_deg = 0.0;  // WGS84 degrees; 0 until a home is set
    double homeLon_deg = 0.0;
    double homeResolution_km = 0.0;
    bool homeSet = false;
    std::string homeName;  // input-box text when the home was set; heads a listing

    geodesy::DistBearResult distBear;  // from home to the current site

    std::string databasePath;  // the site database box

    MainBoxes boxes;
    PointingBoxes pointing;
    ListingBoxes listing;
    // false: "&Use This" leaves unwritten the texts that only a window shows: those of the
    // Pointing window, the east/north line, the OS map caption and the cell sizes (the command
    // lines show no window, and formatting them costs a good share of a line's time).
    bool showsWindow = true;

    // "&Use This": resolves `input` (the input box text) and updates the state and the boxes.
    // The result's message is for a message box ("Site datbase not found"), "" when none.
    ResolveResult UseThis(std::string_view input);

    // "&Set as Home" with the boxes as they read now: the input box names the home, and the
    // caption of the home-station label is built from the locator and grid reference boxes.
    // Returns that caption.
    std::string SetAsHome();

    // Start with a saved home: shows the home position in the boxes (the caller then runs
    // Set as Home).
    void RestoreHome(double savedLat_deg, double savedLon_deg);

    // "L/L Format": the next layout, and the lat/long box rewritten.
    void NextLatLongFormat();

    // A click into the input box: a new entry begins.
    void ResetEntry();

    // "&Make a Listing File" opens the panel: the result boxes and the pointing values empty.
    void OpenListingPanel();

    // The home as a site for distance and bearing, when one is set.
    std::optional<geodesy::Site> Home() const;

  private:
    // The resolve step's view of the state: the input box, the current site, the home.
    ResolveRequest Request() const;
    // The position and the box texts a resolution gives.
    void Show(const ResolveResult& r);
    // The colours of the boxes by kind of input; the form of the Pointing window's accuracy
    // line, none when the step placed nothing.
    std::optional<UncertForm> ColourBoxes(const ResolveResult& r);
    void WritePointingValues(UncertForm form);
};

}  // namespace tormark
