#include "map_launch.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "geodesy/display_mask.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tormark {

namespace {

QString Mask(double value, const char* mask) {
    return QString::fromStdString(geodesy::FormatMask(value, mask));
}

#ifdef Q_OS_WIN
// "cmd /c  start <target>", its window minimized but with the focus.
bool StartThroughCommandInterpreter(const QString& target) {
    QProcess process;
    process.setProgram(QStringLiteral("cmd"));
    process.setNativeArguments(StartCommandLine(target).mid(4));
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    return process.startDetached();
}
#endif

}  // namespace

QString DefaultMapPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\OS_Maps\\");
#else
    return QDir::homePath() + QStringLiteral("/OS_Maps/");
#endif
}

QString WebMapAddress(double lat_deg, double lon_deg) {
    return kWebMapHost + kWebMapPath + Mask(lat_deg, "###.######") + QLatin1Char(',') +
           Mask(lon_deg, "####.######") + kWebMapZoom;
}

QString OsMapFile(const QString& map_path, const QString& square) {
    QString path = map_path + square + QStringLiteral(".JPG");
#ifndef Q_OS_WIN
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo wanted(path);
    if (wanted.exists()) return path;
    const QDir folder = wanted.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) return folder.filePath(name);
    }
#endif
    return path;
}

bool MapFolderHasJpg(const QString& map_path) {
    QString folder = map_path;
#ifndef Q_OS_WIN
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    // Name filters of QDir ignore letter case unless told otherwise.
    return !QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty();
}

bool StartWebMap(double lat_deg, double lon_deg) {
    const QString address = WebMapAddress(lat_deg, lon_deg);
#ifdef Q_OS_WIN
    return StartThroughCommandInterpreter(address);
#else
    return QDesktopServices::openUrl(QUrl(address));
#endif
}

bool StartOsMap(const QString& map_path, const QString& square) {
    const QString file = OsMapFile(map_path, square);
#ifdef Q_OS_WIN
    return StartThroughCommandInterpreter(file);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
#endif
}

}  // namespace tormark
