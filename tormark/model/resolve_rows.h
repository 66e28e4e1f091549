#pragma once

// The output of "Tormark --resolve": one tab-separated row per input, reporting only what that
// input did, and the many lines of a script's input resolved on all cores with their rows
// written in input order. Pure standard C++.

#include <iosfwd>
#include <string>
#include <string_view>

#include "resolve_input.h"
#include "site_session.h"

namespace tormark {

// The columns of the --resolve output.
std::string ResolveHeader();

// Whether the step placed a position (a grid reference, locator, latitude/longitude or site).
bool ResolvedAPosition(ResolveKind kind);

// The message that goes with a result ("Not Found", a refused grid reference's sentence), ""
// when there is none. A view into the result or of a constant text.
std::string_view MessageOf(const ResolveResult& r);

// Appends the row of one input (its line end included) to `row`: the result `r` of
// session.UseThis(input), read with the session as that step left it. A row that resolved
// nothing leaves every position column empty, whatever an earlier row found. A tab or line end
// inside a field becomes a blank and any other control byte (NUL, ESC, BEL, DEL ...) is written
// escaped as "\x1b", so a row never carries the bytes themselves.
void AppendResolutionRow(std::string& row, std::string_view input, const ResolveResult& r,
                         const SiteSession& session);

// Resolves each line of `in` (a carriage return before the line feed dropped) with `session`
// and writes its row to `out`, in input order, exactly as resolving the lines one by one would.
// Lines already waiting in the input are resolved in blocks shared among `workers` threads;
// when no more input is waiting, the rows so far are written and flushed, so a line typed at
// a terminal is answered at once. Returns whether every line resolved a position.
bool ResolveLines(SiteSession& session, std::istream& in, std::ostream& out,
                  unsigned workers = 0);  // 0: one per core

}  // namespace tormark
