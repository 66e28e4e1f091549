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
    r.locator_text = FormatLocator(r.lat_deg, r.lon_deg);
}

void DeriveNgr(ResolveResult& r, bool window_texts) {
    NgrText n = FormatGridRef(r.lat_deg, r.lon_deg, r.resolution_km);
    r.east_north_text = window_texts ? EastNorthText(n) : std::string();
    if (n.status == geodesy::NgrStatus::kOk) r.east_north = GridPoint{n.easting_m, n.northing_m};
    if (window_texts) r.square_10km = OsMapCaption(n);
    r.ngr_text = std::move(n.text);
}

bool ApplyGridRef(ResolveResult& r, const std::string& compact, int ll_format, bool window_texts) {
    const NgrPosition g = ParseGridRef(compact, r.resolution_km);
    if (g.not_valid) {
        r.kind = ResolveKind::kNamesNoPlace;
        return false;
    }
    if (!g.ok) {
        r.kind = ResolveKind::kGridRefError;
        r.message = g.error;
        return false;
    }
    r.position_changed = true;
    r.lat_deg = g.lat_deg;
    r.lon_deg = g.lon_deg;
    r.resolution_km = g.resolution_km;
    r.kept_resolution = g.kept_resolution;
    r.ngr_text = compact;
    r.east_north_text = window_texts ? EastNorthText(g.easting_m, g.northing_m) : std::string();
    r.east_north = GridPoint{g.easting_m, g.northing_m};
    DeriveLocator(r);
    if (window_texts) {
        r.square_10km = Square10km(compact);
        // A grid reference names a square: both sides are the resolution.
        r.x_size_text = CellSizeText(r.resolution_km * 1000.0);
        r.y_size_text = r.x_size_text;
    }
    r.ll_text = FormatLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

bool ApplyLocator(ResolveResult& r, const std::string& compact, int ll_format, bool window_texts) {
    const LocatorPosition l = ParseLocator(compact);
    if (l.not_valid) {
        r.kind = ResolveKind::kNamesNoPlace;
        return false;
    }
    if (!l.ok) {
        r.kind = ResolveKind::kLocatorError;
        r.input_text = std::string(kLocatorError);
        return false;
    }
    r.position_changed = true;
    r.lat_deg = l.lat_deg;
    r.lon_deg = l.lon_deg;
    r.resolution_km = l.resolution_km;
    r.locator_text = compact;
    DeriveNgr(r, window_texts);
    if (window_texts) {
        r.x_size_text = CellSizeText(l.ew_size_m);
        r.y_size_text = CellSizeText(l.ns_size_m);
    }
    r.ll_text = FormatLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

bool ApplyLatLong(ResolveResult& r, const ParsedLatLong& p, int ll_format, bool window_texts) {
    if (!p.ok) return false;
    r.position_changed = true;
    r.lat_deg = p.lat_deg;
    r.lon_deg = p.lon_deg;
    r.resolution_km = p.resolution_km;
    DeriveLocator(r);
    DeriveNgr(r, window_texts);
    if (window_texts) {
        r.x_size_text = std::string(kUnknownSize);
        r.y_size_text = std::string(kUnknownSize);
    }
    r.ll_text = FormatLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

void ResolveSite(ResolveResult& r, const ResolveRequest& req, const std::string& input) {
    const sitefile::SiteSearchResult s =
        sitefile::FindSiteByName(std::string(req.database_path), input);
    switch (s.outcome) {
        case sitefile::SiteSearchOutcome::kFileMissing:
            r.kind = ResolveKind::kDatabaseMissing;
            r.message = kDatabaseMissing;
            return;
        case sitefile::SiteSearchOutcome::kEndOfFile:
            // A file without "ENDENDEND" ends the search as that line would: leaving the
            // previous site's boxes under the newly typed name would pass them off as its.
        case sitefile::SiteSearchOutcome::kNotFound:
            r.kind = ResolveKind::kSiteNotFound;
            r.input_text = std::string(kSiteNotFound);
            r.locator_text = "";
            r.ngr_text = "";
            r.ll_text = "";
            return;
        case sitefile::SiteSearchOutcome::kFound:
            break;
    }

    r.input_text = s.fields.name + kSiteNameGap + s.fields.location;
    const Classification c = ClassifyInput(s.fields.location);
    r.input_class = c.input_class;
    bool resolved = false;
    switch (c.input_class) {
        case InputClass::kGridRef:
            resolved = ApplyGridRef(r, c.text, req.ll_format, req.window_texts);
            break;
        case InputClass::kLocator:
            r.ngr_text = "";
            resolved = ApplyLocator(r, c.text, req.ll_format, req.window_texts);
            if (!resolved) r.ngr_text.reset();
            break;
        case InputClass::kLatLong:
            resolved = ApplyLatLong(r, ParseLatLong(c.text), req.ll_format, req.window_texts);
            break;
        case InputClass::kSiteName:
            break;
    }
    if (resolved) {
        r.kind = ResolveKind::kSite;
        r.sitename = s.fields.name;
        return;
    }
    if (r.kind == ResolveKind::kLocatorError) return;  // the input box says "Locator error"
    // Neither form (or a refused grid reference): the entry cannot be placed. The position,
    // and the name that belongs to it, stay as they were.
    r.kind = ResolveKind::kSiteLocationError;
    r.locator_text = std::string(kLocationError);
    r.ngr_text = std::string(kLocationError);
    r.ll_text = "";
}

// A typed form that names no place: "Not valid" in its own box (`typed_box`, one of r's), and
// no other form of the position before it, which is not this input's.
void ShowNotValid(ResolveResult& r, std::optional<std::string>& typed_box) {
    r.locator_text = "";
    r.ngr_text = "";
    r.ll_text = "";
    r.east_north_text = "";
    typed_box = std::string(kNotValid);
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

ResolveResult ResolveInput(const ResolveRequest& req) {
    ResolveResult r;
    r.lat_deg = req.lat_deg;
    r.lon_deg = req.lon_deg;
    r.resolution_km = req.resolution_km;
    const std::string input = UpperCase(req.input);
    if (input.empty()) return r;  // kEmpty

    const Classification c = ClassifyInput(input);
    r.input_class = c.input_class;
    r.typed_class = c.input_class;
    switch (c.input_class) {
        case InputClass::kGridRef:
            if (ApplyGridRef(r, c.text, req.ll_format, req.window_texts)) {
                r.kind = ResolveKind::kGridRef;
                r.input_text = input;
                r.sitename = "";
            } else if (r.kind == ResolveKind::kNamesNoPlace) {
                ShowNotValid(r, r.ngr_text);
            }
            break;
        case InputClass::kLocator:
            r.ngr_text = "";
            if (ApplyLocator(r, c.text, req.ll_format, req.window_texts)) {
                r.kind = ResolveKind::kLocator;
                r.input_text = input;
                r.sitename = "";
            } else if (r.kind == ResolveKind::kNamesNoPlace) {
                ShowNotValid(r, r.locator_text);
            } else {
                r.ngr_text.reset();  // "Locator error": nothing else changes
            }
            break;
        case InputClass::kLatLong: {
            ParsedLatLong p = ParseLatLong(input);
            if (ApplyLatLong(r, p, req.ll_format, req.window_texts)) {
                r.kind = ResolveKind::kLatLong;
                r.input_text = std::move(p.cleaned);
                r.sitename = "";
            } else {
                // Unreadable: empty the input box and show the previous position again.
                r.kind = ResolveKind::kUnreadableLatLong;
                r.input_text = "";
                DeriveLocator(r);
                DeriveNgr(r, req.window_texts);
                r.ll_text = FormatLatLong(r.lat_deg, r.lon_deg, req.ll_format);
            }
            break;
        }
        case InputClass::kSiteName:
            ResolveSite(r, req, input);
            break;
    }

    if (req.home && RefreshesDistance(r.kind))
        r.dist_bear = DistBear(Site{r.lat_deg, r.lon_deg, r.resolution_km}, *req.home);
    return r;
}

}  // namespace tormark
