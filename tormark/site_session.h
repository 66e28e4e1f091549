#pragma once

// The window state of Tormark and the logic of its main actions, apart from any widget: the
// current site (Lat, Lon, Resolution, sitename), the home site, the distance and bearings, and
// the texts and colours that the boxes of the main window and of the Pointing window show.
// The window renders this state after each action; the command lines use the same object, so
// a script sees exactly what the window would show.

#include <optional>
#include <string>

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
    std::string input;      // InputText
    std::string locator;    // LocText
    std::string ngr;        // NGRText
    std::string latlong;    // LLText
    std::string eastNorth;  // EastNorth
    std::string xdim;       // Xdim: cell width, "###m" or "~"
    std::string ydim;       // Ydim: cell height
    std::string osMapCaption = "OS Map";
    // Easting and northing behind eastNorth, metres (unrounded); valid while hasEastNorth.
    bool hasEastNorth = false;
    double easting_m = 0.0;
    double northing_m = 0.0;
    Rgb locNgrBack = kWhite;  // background of LocText and NGRText
    Rgb llBack = kWhite;      // background of LLText
    Rgb locFore = kBlack;     // text colour of LocText
    Rgb ngrFore = kBlack;     // text colour of NGRText
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

class SiteSession {
  public:
    // --- the window state (names as the program has always used them) ---
    double Lat = 0.0;  // current site, WGS84 degrees
    double Lon = 0.0;
    double Resolution = 0.0;  // positional uncertainty of the current site, km
    std::string sitename;     // database name of the current site, "" for a typed position
    int LLFormat = 0;         // latitude/longitude layout, 0..2

    double BaseLat = 0.0;  // home site, WGS84 degrees; 0 until a home is set
    double BaseLong = 0.0;
    double Baseresolution = 0.0;
    bool BaseSet = false;
    std::string BaseName;  // input-box text when the home was set; heads a listing

    geodesy::DistBearResult distBear;  // Dist, Bearing, Backbearing, DistUncert, BearUncert

    std::string databasePath;  // LocDatabase

    MainBoxes boxes;
    PointingBoxes pointing;

    // "&Use This": resolves `input` (the input box text) and updates the state and the boxes.
    // The result's message is for a message box ("Site datbase not found"), "" when none.
    ResolveResult UseThis(const std::string& input);

    // "&Set as Home", with the input box text at that moment. Returns the caption of the
    // home-station label, built from the locator and grid reference boxes as they read now.
    std::string SetAsHome(const std::string& inputBoxText, const std::string& locatorBox,
                          const std::string& ngrBox);

    // Start with a saved home: shows the home position in the boxes (the caller then runs
    // Set as Home).
    void RestoreHome(double lat_deg, double lon_deg);

    // "L/L Format": the next layout, and LLText rewritten.
    void NextLatLongFormat();

    // A click into the input box: a new entry begins.
    void ResetEntry();

    // The home as a site for distance and bearing, when one is set.
    std::optional<geodesy::Site> Home() const;

  private:
    void WritePointingValues(UncertForm form);
    void UpdateEastNorth(bool typedGridRef);
};

}  // namespace tormark
