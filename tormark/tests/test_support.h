#pragma once

// Helpers shared by the Tormark tests: temporary site databases and settings stores, readable
// QString output, reading a listing file back as lines, and a window's controls by their names.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string>

#include "settings_store.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "RGB(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace tormark {

// The control of `window` whose objectName is `name` (the name it was designed with); the
// test fails when there is none of that type.
template <class Control>
Control* Named(const QWidget& window, const char* name) {
    Control* control = window.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

}  // namespace tormark

namespace tormark::test {

// Writes `lines` with CR LF line ends into `dir`/`name` and returns the path.
inline std::string WriteFile(const QTemporaryDir& dir, const QString& name,
                             const QStringList& lines) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (const QString& line : lines) file.write((line + "\r\n").toLatin1());
    return path.toStdString();
}

// A settings store in its own file inside `dir` (nothing shared between tests).
inline std::unique_ptr<SettingsStore> TempStore(const QTemporaryDir& dir) {
    return std::make_unique<SettingsStore>(
        std::make_unique<QSettings>(dir.filePath("Tormark.conf"), QSettings::IniFormat));
}

// The lines of a file split at CR LF; the text after the last CR LF is dropped when empty.
inline QStringList ReadCrLfLines(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
}

}  // namespace tormark::test
