#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace tormark {

namespace {

QString MatchIgnoringCase(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    }
    return {};
}

}  // namespace

QString DefaultDatabasePath() {
#ifdef Q_OS_WIN
    return "c:\\fellside\\Sites.dat";
#else
    const QString own = QDir::homePath() + "/fellside/Sites.dat";
    if (QFileInfo::exists(own)) return own;
    // An installed program starts on the sample database installed beside it
    // (bin/../share/tormark/Sites.dat) until the user has a database of their own.
    if (QCoreApplication::instance()) {
        const QString sample =
            QCoreApplication::applicationDirPath() + "/../share/tormark/Sites.dat";
        if (QFileInfo::exists(sample)) return QDir::cleanPath(sample);
    }
    return own;
#endif
}

SettingsStore::SettingsStore()
    : SettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                "Tormark", "Tormark")) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
    // A system-wide file must not leak values into a user's settings.
    settings_->setFallbacksEnabled(false);
}

QString SettingsStore::FindGroup(const QString& section) const {
    return MatchIgnoringCase(settings_->childGroups(), section);
}

QString SettingsStore::Read(const QString& section, const QString& key,
                            const QString& fallback) const {
    const QString group = FindGroup(section);
    if (group.isEmpty()) return fallback;
    settings_->beginGroup(group);
    const QString stored = MatchIgnoringCase(settings_->childKeys(), key);
    QString value = fallback;
    if (!stored.isEmpty()) value = settings_->value(stored).toString();
    settings_->endGroup();
    return value;
}

void SettingsStore::Write(const QString& section, const QString& key, const QString& value) {
    QString group = FindGroup(section);
    if (group.isEmpty()) group = section;
    settings_->beginGroup(group);
    QString stored = MatchIgnoringCase(settings_->childKeys(), key);
    if (stored.isEmpty()) stored = key;
    settings_->setValue(stored, value);
    settings_->endGroup();
}

StoredSettings SettingsStore::Load() const {
    using namespace settings_names;
    StoredSettings defaults;
    defaults.database = DefaultDatabasePath();
    StoredSettings v;
    v.left = Read(kFormPlace, kLeft, defaults.left);
    v.top = Read(kFormPlace, kTop, defaults.top);
    v.baud = Read(kCPort, kBaud, defaults.baud);
    v.port = Read(kCPort, kCP, defaults.port);
    v.database = Read(kLocDB, kDB, defaults.database);
    v.homeLat = Read(kHome, kLat, defaults.homeLat);
    v.homeLong = Read(kHome, kLong, defaults.homeLong);
    return v;
}

void SettingsStore::Save(const StoredSettings& values, bool saveHome) {
    using namespace settings_names;
    Write(kFormPlace, kLeft, values.left);
    Write(kFormPlace, kTop, values.top);
    Write(kCPort, kBaud, values.baud);
    Write(kCPort, kCP, values.port);
    Write(kLocDB, kDB, values.database);
    if (saveHome) {
        Write(kHome, kLat, values.homeLat);
        Write(kHome, kLong, values.homeLong);
    }
    Sync();
}

void SettingsStore::Sync() {
    settings_->sync();
}

double LeadingNumber(const QString& text) {
    const std::string s = text.toStdString();
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    // Take the longest prefix that forms a number: sign, digits, one point, digits, exponent.
    std::size_t j = i;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    bool digits = false;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, digits = true;
    if (j < s.size() && s[j] == '.') {
        ++j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, digits = true;
    }
    if (!digits) return 0.0;
    if (j < s.size() && (s[j] == 'E' || s[j] == 'e')) {
        std::size_t k = j + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && std::isdigit(static_cast<unsigned char>(s[k]))) {
            while (k < s.size() && std::isdigit(static_cast<unsigned char>(s[k]))) ++k;
            j = k;
        }
    }
    // from_chars reads with a point whatever the user's locale; it takes no leading "+".
    if (s[i] == '+') ++i;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data() + i, s.data() + j, value);
    (void)ptr;
    return ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

QString PlainNumber(double value) {
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) return "0";
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

}  // namespace tormark
