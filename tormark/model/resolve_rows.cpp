#include "resolve_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <functional>
#include <istream>
#include <ostream>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "console/visible_text.h"
#include "display_texts.h"
#include "geodesy/fixed_digits.h"

namespace tormark {

namespace {

// The message of a row whose line names no position and for which the window shows none.
constexpr std::string_view kNotAPosition = "Not a position";

// Appends value with `decimals` digits after the point (nothing when it cannot be written or is
// not finite, which no column shows).
void AppendFixed(std::string& row, double value, int decimals) {
    if (!std::isfinite(value)) return;
    char buffer[400];
    const auto [end, ec] = geodesy::FixedDigits(buffer, buffer + sizeof buffer, value, decimals);
    if (ec == std::errc()) row.append(buffer, end);
}

// Appends a field of the tab-separated output: tabs and line ends inside it become blanks (they
// would split the field or the row), other control bytes are written escaped.
void AppendField(std::string& row, std::string_view text) {
    console::AppendVisible(row, text, console::LayoutBytes::kBlanked);
}

// The message of a row that names no position: what the window would show for the line, or
// kNotAPosition when it would show nothing (an empty line, a latitude/longitude without
// hemisphere letters).
std::string_view FailureMessage(const ResolveResult& r) {
    const std::string_view message = MessageOf(r);
    return message.empty() ? kNotAPosition : message;
}

}  // namespace

void AppendResolutionRow(std::string& row, std::string_view input, const ResolveResult& r,
                         const SiteSession& s) {
    AppendField(row, input);
    row += '\t';
    char digits[16];
    row.append(digits,
               std::to_chars(digits, digits + sizeof digits, static_cast<int>(r.typedClass)).ptr);
    constexpr int kPositionColumns = 8;  // lat .. latlong
    constexpr int kDistanceColumns = 5;  // dist_km .. bear_uncert_deg
    if (!ResolvedAPosition(r.kind)) {
        row.append(kPositionColumns + kDistanceColumns + 1, '\t');
        AppendField(row, FailureMessage(r));
        row += "\t\n";
        return;
    }
    const MainBoxes& b = s.boxes;
    row += '\t';
    AppendFixed(row, s.lat_deg, 9);
    row += '\t';
    AppendFixed(row, s.lon_deg, 9);
    row += '\t';
    AppendFixed(row, s.resolution_km, 9);
    row += '\t';
    AppendField(row, b.locator);
    row += '\t';
    AppendField(row, b.ngr);
    row += '\t';
    if (b.hasEastNorth) AppendFixed(row, b.easting_m, 3);
    row += '\t';
    if (b.hasEastNorth) AppendFixed(row, b.northing_m, 3);
    row += '\t';
    AppendField(row, b.latlong);
    const geodesy::DistBearResult& d = s.distBear;
    for (double v :
         {d.dist_km, d.bearing_deg, d.back_bearing_deg, d.dist_uncert_km, d.bear_uncert_deg}) {
        row += '\t';
        if (s.homeSet) AppendFixed(row, v, 6);
    }
    row += '\t';
    AppendField(row, MessageOf(r));
    row += '\t';
    if (r.kind == ResolveKind::kSite) AppendField(row, r.sitename.value_or(""));
    row += '\n';
}

std::string_view MessageOf(const ResolveResult& r) {
    switch (r.kind) {
        case ResolveKind::kNoSuchSite:
            return kSiteNotFound;
        case ResolveKind::kRefusedLocator:
            return kLocatorError;
        case ResolveKind::kSiteLocationError:
            return kLocationError;
        case ResolveKind::kNamesNoPlace:
            return kNotValid;
        default:
            return r.message;
    }
}

bool ResolvedAPosition(ResolveKind kind) {
    return kind == ResolveKind::kGridRef || kind == ResolveKind::kLocator ||
           kind == ResolveKind::kLatLong || kind == ResolveKind::kSite;
}

std::string ResolveHeader() {
    return "input\tclass\tlat\tlon\tresolution_km\tlocator\tngr\teasting\tnorthing\tlatlong\t"
           "dist_km\tbearing\tbackbearing\tdist_uncert_km\tbear_uncert_deg\tmessage\tsite";
}

namespace {

// Lines are resolved in blocks of at most this many lines a worker: a few milliseconds of work,
// against some tens of microseconds to start a thread.
constexpr std::size_t kLinesPerWorker = 4096;
// A block shorter than this many lines a worker is resolved on the calling thread.
constexpr std::size_t kMinLinesPerWorker = 64;

// One worker's share of a block: the lines [first, end) and their rows.
struct Share {
    std::size_t first = 0;
    std::size_t end = 0;
    std::string rows;
    // The first line whose row the worker could not write: a grid reference that keeps the
    // resolution of the lines before the share, which only the shares before it know. `end`
    // when there is none.
    std::size_t resumeAt = 0;
    bool allResolved = true;
    // A line of the share placed a position, so `session` holds the state after the share.
    bool placedAPosition = false;
    SiteSession session;
};

// Resolves the lines of a share in order and appends their rows. A line placing a position
// sets the resolution, the only state a later row reads: a grid reference whose length names
// no resolution keeps the one before it. Until the share has placed a position, that state is
// unknown unless `knowsState`, and the share stops at such a line.
void ResolveShare(const std::vector<std::string>& lines, Share& share, bool knowsState) {
    for (std::size_t i = share.first; i < share.end; ++i) {
        const ResolveResult r = share.session.UseThis(lines[i]);
        const bool placed = ResolvedAPosition(r.kind);
        if (placed && r.keptResolution && !knowsState && !share.placedAPosition) {
            share.resumeAt = i;
            return;
        }
        if (placed) share.placedAPosition = true;
        if (!placed) share.allResolved = false;
        AppendResolutionRow(share.rows, lines[i], r, share.session);
    }
    share.resumeAt = share.end;
}

// Resolves `count` lines on the calling thread and on the workers, and writes their rows in
// order. `session` holds the state before the lines and is left with the state after them.
// `block` holds a share for each worker; its row buffers are kept from block to block.
bool ResolveBlock(SiteSession& session, const std::vector<std::string>& lines, std::size_t count,
                  std::vector<Share>& block, std::ostream& out) {
    const std::size_t shares =
        std::clamp<std::size_t>(count / kMinLinesPerWorker, std::size_t{1}, block.size());
    for (std::size_t s = 0; s < shares; ++s) {
        block[s].first = count * s / shares;
        block[s].end = count * (s + 1) / shares;
        block[s].rows.clear();
        block[s].allResolved = true;
        block[s].placedAPosition = false;
        if (s > 0) block[s].session = session;
    }
    block[0].session = std::move(session);
    // jthreads: should anything here throw, the workers are joined before their shares go.
    std::vector<std::jthread> threads;
    for (std::size_t s = 1; s < shares; ++s) {
        try {
            threads.emplace_back(ResolveShare, std::cref(lines), std::ref(block[s]), false);
        } catch (const std::system_error&) {
            ResolveShare(lines, block[s], false);  // no thread to be had: resolve it here
        }
    }
    ResolveShare(lines, block[0], true);
    for (std::jthread& t : threads) t.join();

    // Join the shares in order, carrying the state from each to the next.
    bool allResolved = true;
    session = std::move(block[0].session);
    for (std::size_t s = 0; s < shares; ++s) {
        Share& share = block[s];
        if (s > 0 && share.resumeAt < share.end) {
            // The lines before resumeAt placed no position, so the state is still the one
            // after the previous share: the rest of the share is resolved on from there.
            share.first = share.resumeAt;
            share.session = std::move(session);
            ResolveShare(lines, share, true);
            session = std::move(share.session);
        } else if (s > 0 && share.placedAPosition) {
            session = std::move(share.session);
        }
        if (!share.allResolved) allResolved = false;
        out.write(share.rows.data(), static_cast<std::streamsize>(share.rows.size()));
    }
    return allResolved;
}

}  // namespace

bool ResolveLines(SiteSession& session, std::istream& in, std::ostream& out, unsigned workers) {
    if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> lines;
    std::vector<Share> block(workers);
    bool allResolved = true;
    for (;;) {
        // Gather the lines that are waiting, up to a block; stop at the first line after which
        // nothing is waiting, so that its row is not held back until more input comes.
        std::size_t count = 0;
        bool waiting = true;
        while (count < workers * kLinesPerWorker) {
            if (count == lines.size()) lines.emplace_back();
            std::string& line = lines[count];
            if (!std::getline(in, line)) break;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            ++count;
            if (in.rdbuf()->in_avail() <= 0) {
                waiting = false;
                break;
            }
        }
        if (count == 0) break;
        if (!ResolveBlock(session, lines, count, block, out)) allResolved = false;
        if (!out) break;
        if (!waiting) out.flush();
    }
    return allResolved;
}

}  // namespace tormark
