#include "fixed_pitch_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace tormark {

namespace {

// Characters of every width a proportional font gives them: narrow and wide letters, a digit,
// a blank and punctuation. A fixed-pitch font draws each of them the width of the first.
constexpr const char* kMeasuredCharacters[] = {"i", "W", "m", "l", "1", " ", "."};

}  // namespace

std::optional<QString> FirstFixedPitchFamily(
    const QStringList& candidates, const std::function<bool(const QString& family)>& isFixedPitch) {
    for (const QString& family : candidates)
        if (isFixedPitch(family)) return family;
    return std::nullopt;
}

bool DrawsFixedPitch(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QString::fromLatin1(kMeasuredCharacters[0]));
    if (width <= 0) return false;
    for (const char* text : kMeasuredCharacters)
        if (metrics.horizontalAdvance(QString::fromLatin1(text)) != width) return false;
    return true;
}

bool IsInstalledFixedPitch(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    return QFontInfo(font).family() == family && DrawsFixedPitch(font);
}

QFont FixedPitchFont(const QStringList& preferred, int pointSize) {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The system's fixed font names a generic family ("monospace"); what is drawn is the family
    // fontconfig resolves it to.
    const QStringList candidates =
        preferred + QStringList{QFontInfo(system).family()} + QFontDatabase::families();
    const std::optional<QString> family = FirstFixedPitchFamily(
        candidates, [pointSize](const QString& f) { return IsInstalledFixedPitch(f, pointSize); });
    QFont font = family ? QFont(*family) : system;
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace tormark
