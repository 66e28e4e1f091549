#pragma once

// Choosing a font whose characters really are all of one width. Qt's own flag cannot be trusted
// for it: fontconfig describes some monospaced families (Noto Sans Mono, the fixed font of a
// GNOME desktop) without a spacing value, and Qt then reports them as proportional. The widths
// are measured instead, on the family that is actually drawn, which is another one when the
// family asked for is not installed.

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tormark {

// The first of `candidates` for which `isFixedPitch` holds, or nothing when none does.
std::optional<QString> FirstFixedPitchFamily(
    const QStringList& candidates, const std::function<bool(const QString& family)>& isFixedPitch);

// Whether `font` as drawn has characters of one width (narrow and wide letters, digits, blanks
// and punctuation measured alike).
bool DrawsFixedPitch(const QFont& font);

// Whether `family` is installed under that name (not stood in for by a fallback) and draws
// fixed pitch at `pointSize`.
bool IsInstalledFixedPitch(const QString& family, int pointSize);

// A fixed-pitch font of `pointSize`: the first of `preferred` that is installed and measures
// fixed pitch, otherwise the family the system's fixed font is drawn in, otherwise any
// installed family that measures fixed pitch; the system's fixed font when there is none.
QFont FixedPitchFont(const QStringList& preferred, int pointSize);

}  // namespace tormark
