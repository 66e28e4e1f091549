#pragma once

// The per-user settings of Tormark: window place, serial port choice, database path and the
// saved home station. Values are text, addressed by section and key; sections and keys are
// matched without regard to letter case, so a store edited by hand ("[formplace]") still works.

#include <QSettings>
#include <QString>
#include <memory>

namespace tormark {

// Section and key names as the program writes them.
namespace settings_names {
inline const char* const kFormPlace = "FormPLace";
inline const char* const kLeft = "Left";
inline const char* const kTop = "Top";
inline const char* const kCPort = "CPort";
inline const char* const kBaud = "Baud";
inline const char* const kCP = "CP";
inline const char* const kLocDB = "LocDB";
inline const char* const kDB = "DB";
inline const char* const kHome = "Home";
inline const char* const kLat = "Lat";
inline const char* const kLong = "Long";
}  // namespace settings_names

// A stored home of this value or more in either coordinate means that no home was saved
// (the default 999 is written by nobody; it only stands for a missing key).
inline constexpr double kNoHomeLimit_deg = 500.0;

// Everything the start sequence reads and the exit sequence writes, as the text values of the
// store (defaults are those of a first start).
struct StoredSettings {
    QString left = " 0";                           // main window Left, twips
    QString top = " 100";                          // main window Top, twips
    QString baud = "9600";                         // baud box of GpsSetupWindow
    QString port = "1";                            // port box of GpsSetupWindow
    QString database = "c:\\fellside\\Sites.dat";  // LocDatabase (Windows spelling)
    QString homeLat = "999";                       // saved home latitude, degrees
    QString homeLong = "999";                      // saved home longitude, degrees
};

// The database path shown on a first start: the Windows default kept exactly on Windows, the
// same file under ~/fellside/ elsewhere, or, while that does not exist, the sample database an
// installed Tormark finds at bin/../share/tormark/Sites.dat.
QString DefaultDatabasePath();

class SettingsStore {
  public:
    // Uses the per-user store of the application "Tormark".
    SettingsStore();
    // Uses the given settings object (tests hand in a store in a temporary folder).
    explicit SettingsStore(std::unique_ptr<QSettings> settings);

    // The value of section/key, or `fallback` when it is missing.
    QString Read(const QString& section, const QString& key, const QString& fallback) const;
    // Writes section/key, reusing the spelling of an existing section or key of another case.
    void Write(const QString& section, const QString& key, const QString& value);

    StoredSettings Load() const;
    // Writes the window place, port, baud and database path; the home only when `saveHome`.
    void Save(const StoredSettings& values, bool saveHome);
    void Sync();

    QSettings& settings() { return *settings_; }

  private:
    QString FindGroup(const QString& section) const;

    std::unique_ptr<QSettings> settings_;
};

// The leading number of a text as the program reads numbers: leading blanks skipped, a point as
// the decimal separator, reading stops at the first character that cannot continue the number;
// no number gives 0.
double LeadingNumber(const QString& text);

// A number as plain decimal text with a point, in its shortest form that reads back exactly.
QString PlainNumber(double value);

}  // namespace tormark
