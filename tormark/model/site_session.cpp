#include "site_session.h"

#include "display_texts.h"
#include "geodesy/display_mask.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"

namespace tormark {

using geodesy::FormatMask;
using geodesy::InputClass;

std::string UncertaintyText(UncertForm form, double distUncert_km, double bearUncert_deg) {
    switch (form) {
        case UncertForm::kGridRef:
            return FormatMask(distUncert_km, "0.000km ") + FormatMask(bearUncert_deg, "0.0 deg");
        case UncertForm::kLocator:
            return FormatMask(distUncert_km, "0.000km ") + FormatMask(bearUncert_deg, "0.0deg");
        case UncertForm::kLatLong:
            return FormatMask(distUncert_km, "0.00#km ") + FormatMask(bearUncert_deg, "0.0 deg");
        case UncertForm::kSite:
            return FormatMask(bearUncert_deg, "0.00#deg / ") +
                   FormatMask(distUncert_km, "0.00km / ");
    }
    return {};
}

std::string HomeStationCaption(const std::string& sitename, const std::string& locator,
                               const std::string& ngr) {
    // A home typed as a position has no name to set apart from its locator.
    const std::string name = sitename.empty() ? std::string() : sitename + " - ";
    return "Home Station:  " + name + locator + "  " + ngr;
}

std::string RestoredHomeText(double lat_deg, double lon_deg) {
    return "Base    Lat: " + FormatMask(lat_deg, "###.###") +
           "  Long: " + FormatMask(lon_deg, "####.###");
}

std::optional<geodesy::Site> SiteSession::Home() const {
    if (!homeSet) return std::nullopt;
    return geodesy::Site{homeLat_deg, homeLon_deg, homeResolution_km};
}

ResolveResult SiteSession::UseThis(std::string_view input) {
    // Every press starts the same way, whatever the input turns out to be. The window passes
    // its own input box, which assign copies safely onto itself.
    boxes.input.assign(input.data(), input.size());
    boxes.setHomeEnabled = false;
    boxes.locFore = kBlack;
    boxes.ngrFore = kBlack;

    ResolveResult r = ResolveInput(Request());
    switch (r.kind) {
        case ResolveKind::kEmpty:
        case ResolveKind::kNoDatabase:
            return r;  // nothing else changes
        default:
            break;
    }
    Show(r);
    const std::optional<UncertForm> form = ColourBoxes(r);
    if (form) {
        if (showsWindow) WritePointingValues(*form);
        boxes.setHomeEnabled = r.kind != ResolveKind::kSiteLocationError;
    }
    return r;
}

ResolveRequest SiteSession::Request() const {
    ResolveRequest request;
    request.input = boxes.input;  // unchanged until the step is done
    request.lat_deg = lat_deg;
    request.lon_deg = lon_deg;
    request.resolution_km = resolution_km;
    request.llFormat = latLongFormat;
    request.databasePath = databasePath;
    request.home = Home();
    request.windowTexts = showsWindow;
    return request;
}

void SiteSession::Show(const ResolveResult& r) {
    lat_deg = r.lat_deg;
    lon_deg = r.lon_deg;
    resolution_km = r.resolution_km;
    if (r.inputText) {
        boxes.input = *r.inputText;
        if (showsWindow) pointing.ipt = *r.inputText;
    }
    if (r.locatorText) boxes.locator = *r.locatorText;
    if (r.ngrText) boxes.ngr = *r.ngrText;
    if (r.llText) boxes.latlong = *r.llText;
    if (r.eastNorthText) {
        boxes.eastNorth = *r.eastNorthText;
        // The figures come with the text (a typed square's corner, or the computed reference),
        // so the grid reference is not worked out a second time.
        boxes.hasEastNorth = r.eastNorth.has_value();
        if (r.eastNorth) {
            boxes.easting_m = r.eastNorth->easting_m;
            boxes.northing_m = r.eastNorth->northing_m;
        }
    }
    if (r.square10km && !r.square10km->empty()) boxes.osMapCaption = *r.square10km;
    if (r.xSizeText) boxes.xdim = *r.xSizeText;
    if (r.ySizeText) boxes.ydim = *r.ySizeText;
    if (r.sitename) siteName = *r.sitename;
    if (r.distBear) distBear = *r.distBear;
}

std::optional<UncertForm> SiteSession::ColourBoxes(const ResolveResult& r) {
    std::optional<UncertForm> form;
    switch (r.kind) {
        case ResolveKind::kGridRef:
            boxes.locNgrBack = kTypedBack;
            boxes.llBack = kTypedNgrLLBack;
            boxes.locFore = kCalculatedRed;
            form = UncertForm::kGridRef;
            break;
        case ResolveKind::kLocator:
            boxes.locNgrBack = kTypedBack;
            boxes.llBack = kTypedBack;
            boxes.ngrFore = kCalculatedRed;
            form = UncertForm::kLocator;
            break;
        case ResolveKind::kLatLong:
        case ResolveKind::kUnreadableLatLong:
            boxes.locNgrBack = kLatLongBack;
            boxes.llBack = kLatLongBack;
            form = UncertForm::kLatLong;
            break;
        case ResolveKind::kSite:
            boxes.locNgrBack = kSiteBack;
            boxes.llBack = kSiteBack;
            // The stored form stays black; what was computed from it is red.
            if (r.inputClass != InputClass::kGridRef) boxes.ngrFore = kCalculatedRed;
            if (r.inputClass != InputClass::kLocator) boxes.locFore = kCalculatedRed;
            form = UncertForm::kSite;
            break;
        case ResolveKind::kSiteLocationError:
            boxes.locNgrBack = kSiteBack;
            boxes.llBack = kSiteBack;
            form = UncertForm::kSite;
            break;
        default:
            break;  // "Not Found", "Locator error", a refused grid reference
    }
    return form;
}

void SiteSession::WritePointingValues(UncertForm form) {
    pointing.dist = FormatMask(distBear.dist_km, "####0.00#");
    pointing.bear = BearingText(distBear.bearing_deg);
    pointing.backBear = BearingText(distBear.back_bearing_deg);
    pointing.uncert = UncertaintyText(form, distBear.dist_uncert_km, distBear.bear_uncert_deg);
}

std::string SiteSession::SetAsHome() {
    homeLat_deg = lat_deg;
    homeLon_deg = lon_deg;
    homeName = boxes.input;
    pointing.ipt.clear();
    homeResolution_km = resolution_km;
    homeSet = true;
    return HomeStationCaption(siteName, boxes.locator, boxes.ngr);
}

void SiteSession::RestoreHome(double savedLat_deg, double savedLon_deg) {
    lat_deg = savedLat_deg;
    lon_deg = savedLon_deg;
    homeLat_deg = lat_deg;
    homeLon_deg = lon_deg;
    boxes.input = RestoredHomeText(homeLat_deg, homeLon_deg);
    homeResolution_km = resolution_km;
    pointing.ipt = boxes.input;
    boxes.locNgrBack = kLatLongBack;
    boxes.llBack = kLatLongBack;
    if (auto text = geodesy::FormatLatLong(lat_deg, lon_deg, latLongFormat)) boxes.latlong = *text;
    boxes.locator = geodesy::FormatLocator(lat_deg, lon_deg);
    boxes.locFore = kBlack;
    const geodesy::NgrText ngr = geodesy::FormatGridRef(lat_deg, lon_deg, resolution_km);
    boxes.ngr = ngr.text;
    boxes.eastNorth = EastNorthText(ngr);
    boxes.hasEastNorth = ngr.status == geodesy::NgrStatus::kOk;
    boxes.easting_m = ngr.easting_m;
    boxes.northing_m = ngr.northing_m;
    if (ngr.status == geodesy::NgrStatus::kOk) boxes.osMapCaption = OsMapCaption(ngr);
    boxes.setHomeEnabled = true;
    siteName.clear();
}

void SiteSession::NextLatLongFormat() {
    latLongFormat = (latLongFormat + 1) % geodesy::kLatLongFormats;
    if (auto text = geodesy::FormatLatLong(lat_deg, lon_deg, latLongFormat)) boxes.latlong = *text;
}

void SiteSession::ResetEntry() {
    boxes.input.clear();
    pointing.ipt.clear();
    boxes.setHomeEnabled = false;
}

void SiteSession::OpenListingPanel() {
    boxes.setHomeEnabled = false;
    pointing.dist.clear();
    pointing.bear.clear();
    pointing.backBear.clear();
    pointing.uncert.clear();
    boxes.ngr.clear();
    boxes.locator.clear();
    boxes.latlong.clear();
}

}  // namespace tormark
