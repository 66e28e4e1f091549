#include "resolve_input.h"

#include <utility>

#include "display_texts.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/upper_case.h"
#include "sitefile/site_search.h"

namespace tormark {

namespace {

using geodesy::Classification;
using geodesy::ClassifyInput;
using geodesy::DistBear;
using geodesy::FormatGridRef;
using geodesy::FormatLatLong;
using geodesy::FormatLocator;
using geodesy::InputClass;
using geodesy::LocatorPosition;
using geodesy::NgrPosition;
using geodesy::NgrText;
using geodesy::ParsedLatLong;
using geodesy::ParseGridRef;
using geodesy::ParseLatLong;
using geodesy::ParseLocator;
using geodesy::Site;
using geodesy::Square10km;
using geodesy::UpperCase;

constexpr char kSiteNameGap[] = "   ";  // between a site's name and its location in the input box

// Writes the locator, grid reference and their companions derived from the result's position.
void DeriveLocator(ResolveResult& r) {
    r.locatorText = FormatLocator(r.lat_deg, r.lon_deg);
}

void DeriveNgr(ResolveResult& r, bool windowTexts) {
    NgrText n = FormatGridRef(r.lat_deg, r.lon_deg, r.resolution_km);
    r.eastNorthText = windowTexts ? EastNorthText(n) : std::string();
    if (n.status == geodesy::NgrStatus::kOk) r.eastNorth = GridPoint{n.easting_m, n.northing_m};
    if (windowTexts) r.square10km = OsMapCaption(n);
    r.ngrText = std::move(n.text);
}

bool ApplyGridRef(ResolveResult& r, const std::string& compact, int llFormat, bool windowTexts) {
    const NgrPosition g = ParseGridRef(compact, r.resolution_km);
    if (g.not_valid) {
        r.kind = ResolveKind::kNamesNoPlace;
        return false;
    }
    if (!g.ok) {
        r.kind = ResolveKind::kRefusedGridRef;
        r.message = g.error;
        return false;
    }
    r.positionChanged = true;
    r.lat_deg = g.lat_deg;
    r.lon_deg = g.lon_deg;
    r.resolution_km = g.resolution_km;
    r.keptResolution = g.kept_resolution;
    r.ngrText = compact;
    r.eastNorthText = windowTexts ? EastNorthText(g.easting_m, g.northing_m) : std::string();
    r.eastNorth = GridPoint{g.easting_m, g.northing_m};
    DeriveLocator(r);
    if (windowTexts) {
        r.square10km = Square10km(compact);
        // A grid reference names a square: both sides are the resolution.
        r.xSizeText = CellSizeText(r.resolution_km * 1000.0);
        r.ySizeText = r.xSizeText;
    }
    r.llText = FormatLatLong(r.lat_deg, r.lon_deg, llFormat);
    return true;
}

bool ApplyLocator(ResolveResult& r, const std::string& compact, int llFormat, bool windowTexts) {
    const LocatorPosition l = ParseLocator(compact);
    if (l.not_valid) {
        r.kind = ResolveKind::kNamesNoPlace;
        return false;
    }
    if (!l.ok) {
        r.kind = ResolveKind::kRefusedLocator;
        r.inputText = std::string(kLocatorError);
        return false;
    }
    r.positionChanged = true;
    r.lat_deg = l.lat_deg;
    r.lon_deg = l.lon_deg;
    r.resolution_km = l.resolution_km;
    r.locatorText = compact;
    DeriveNgr(r, windowTexts);
    if (windowTexts) {
        r.xSizeText = CellSizeText(l.ew_size_m);
        r.ySizeText = CellSizeText(l.ns_size_m);
    }
    r.llText = FormatLatLong(r.lat_deg, r.lon_deg, llFormat);
    return true;
}

bool ApplyLatLong(ResolveResult& r, const ParsedLatLong& p, int llFormat, bool windowTexts) {
    if (!p.ok) return false;
    r.positionChanged = true;
    r.lat_deg = p.lat_deg;
    r.lon_deg = p.lon_deg;
    r.resolution_km = p.resolution_km;
    DeriveLocator(r);
    DeriveNgr(r, windowTexts);
    if (windowTexts) {
        r.xSizeText = std::string(kUnknownSize);
        r.ySizeText = std::string(kUnknownSize);
    }
    r.llText = FormatLatLong(r.lat_deg, r.lon_deg, llFormat);
    return true;
}

// A site's stored location resolved into `r` by its own form; false when it names no position
// (r.kind then says why for a refused grid reference or locator).
bool ApplyLocation(ResolveResult& r, const Classification& c, int llFormat, bool windowTexts) {
    r.inputClass = c.input_class;
    switch (c.input_class) {
        case InputClass::kGridRef:
            return ApplyGridRef(r, c.text, llFormat, windowTexts);
        case InputClass::kLocator:
            return ApplyLocator(r, c.text, llFormat, windowTexts);
        case InputClass::kLatLong:
            return ApplyLatLong(r, ParseLatLong(c.text), llFormat, windowTexts);
        case InputClass::kSiteName:
            break;
    }
    return false;
}

void ResolveSite(ResolveResult& r, const ResolveRequest& req, const std::string& input) {
    const sitefile::SiteSearchResult s =
        sitefile::FindSiteByName(std::string(req.databasePath), input);
    switch (s.outcome) {
        case sitefile::SiteSearchOutcome::kFileMissing:
            r.kind = ResolveKind::kNoDatabase;
            r.message = kDatabaseMissing;
            return;
        case sitefile::SiteSearchOutcome::kEndOfFile:
            // A file without "ENDENDEND" ends the search as that line would: leaving the
            // previous site's boxes under the newly typed name would pass them off as its.
        case sitefile::SiteSearchOutcome::kNotFound:
            r.kind = ResolveKind::kNoSuchSite;
            r.inputText = std::string(kSiteNotFound);
            r.locatorText = "";
            r.ngrText = "";
            r.llText = "";
            return;
        case sitefile::SiteSearchOutcome::kFound:
            break;
    }

    r.inputText = s.fields.name + kSiteNameGap + s.fields.location;
    const bool resolved =
        ApplyLocation(r, ClassifyInput(s.fields.location), req.llFormat, req.windowTexts);
    if (resolved) {
        r.kind = ResolveKind::kSite;
        r.sitename = s.fields.name;
        return;
    }
    if (r.kind == ResolveKind::kRefusedLocator) return;  // the input box says "Locator error"
    // Neither form (or a refused grid reference): the entry cannot be placed. The position,
    // and the name that belongs to it, stay as they were.
    r.kind = ResolveKind::kSiteLocationError;
    r.locatorText = std::string(kLocationError);
    r.ngrText = std::string(kLocationError);
    r.llText = "";
}

// A typed form that names no place: "Not valid" in its own box (`typedBox`, one of r's), and
// no other form of the position before it, which is not this input's.
void ShowNotValid(ResolveResult& r, std::optional<std::string>& typedBox) {
    r.locatorText = "";
    r.ngrText = "";
    r.llText = "";
    r.eastNorthText = "";
    typedBox = std::string(kNotValid);
}

bool RefreshesDistance(ResolveKind kind) {
    switch (kind) {
        case ResolveKind::kGridRef:
        case ResolveKind::kLocator:
        case ResolveKind::kLatLong:
        case ResolveKind::kSite:
        case ResolveKind::kUnreadableLatLong:
        case ResolveKind::kSiteLocationError:
            return true;
        default:
            return false;
    }
}

}  // namespace

ResolveResult ResolveLocation(std::string_view location, double resolution_km, int llFormat,
                              bool windowTexts) {
    ResolveResult r;
    r.resolution_km = resolution_km;
    const Classification c = ClassifyInput(location);
    r.typedClass = c.input_class;
    if (ApplyLocation(r, c, llFormat, windowTexts)) {
        r.kind = ResolveKind::kSite;
    } else if (r.kind == ResolveKind::kEmpty) {
        r.kind = ResolveKind::kSiteLocationError;
    }
    return r;
}

ResolveResult ResolveInput(const ResolveRequest& req) {
    ResolveResult r;
    r.lat_deg = req.lat_deg;
    r.lon_deg = req.lon_deg;
    r.resolution_km = req.resolution_km;
    const std::string input = UpperCase(req.input);
    if (input.empty()) return r;  // kEmpty

    const Classification c = ClassifyInput(input);
    r.inputClass = c.input_class;
    r.typedClass = c.input_class;
    switch (c.input_class) {
        case InputClass::kGridRef:
            if (ApplyGridRef(r, c.text, req.llFormat, req.windowTexts)) {
                r.kind = ResolveKind::kGridRef;
                r.inputText = input;
                r.sitename = "";
            } else if (r.kind == ResolveKind::kNamesNoPlace) {
                ShowNotValid(r, r.ngrText);
            }
            break;
        case InputClass::kLocator:
            // A refused locator: "Locator error", nothing else changes.
            if (ApplyLocator(r, c.text, req.llFormat, req.windowTexts)) {
                r.kind = ResolveKind::kLocator;
                r.inputText = input;
                r.sitename = "";
            } else if (r.kind == ResolveKind::kNamesNoPlace) {
                ShowNotValid(r, r.locatorText);
            }
            break;
        case InputClass::kLatLong: {
            ParsedLatLong p = ParseLatLong(input);
            if (ApplyLatLong(r, p, req.llFormat, req.windowTexts)) {
                r.kind = ResolveKind::kLatLong;
                r.inputText = std::move(p.cleaned);
                r.sitename = "";
            } else {
                // Unreadable: empty the input box and show the previous position again.
                r.kind = ResolveKind::kUnreadableLatLong;
                r.inputText = "";
                DeriveLocator(r);
                DeriveNgr(r, req.windowTexts);
                r.llText = FormatLatLong(r.lat_deg, r.lon_deg, req.llFormat);
            }
            break;
        }
        case InputClass::kSiteName:
            ResolveSite(r, req, input);
            break;
    }

    if (req.home && RefreshesDistance(r.kind))
        r.distBear = DistBear(Site{r.lat_deg, r.lon_deg, r.resolution_km}, *req.home);
    return r;
}

}  // namespace tormark
