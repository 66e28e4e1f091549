#include "default_places.h"

#include <QDir>
#include <QFileInfo>

#include "map_launch.h"

namespace tormark {

QString DefaultListFile() {
#ifdef Q_OS_WIN
    return "c:\\fellside\\SITELIST.TXT";
#else
    return QDir::homePath() + "/fellside/SITELIST.TXT";
#endif
}

bool MakeDefaultListFolder(const QString& fileName) {
    if (fileName != DefaultListFile()) return true;
    return QDir().mkpath(QFileInfo(fileName).absolutePath());
}

QString ShortHomePath(const QString& path) {
    const QString home = QDir::homePath();
    if (path == home) return "~";
    if (path.startsWith(home + "/")) return "~" + path.mid(home.size());
    return path;
}

QString DatabaseBoxTip() {
#ifdef Q_OS_WIN
    return "Insert full path and filename for the site database.  eg. C:\\fellside\\sites.dat";
#else
    // The user's own database; until it exists the box may show the installed sample instead.
    return "Insert full path and filename for the site database.  eg. " +
           ShortHomePath(QDir::homePath() + "/fellside/Sites.dat");
#endif
}

QString ListFileBoxTip() {
#ifdef Q_OS_WIN
    return "Insert full path and filename for the listing.  eg. C:\\fellside\\SITELIST.TXT";
#else
    return "Insert full path and filename for the listing.  eg. " +
           ShortHomePath(DefaultListFile());
#endif
}

QString OsMapButtonTip() {
#ifdef Q_OS_WIN
    return "OS Map JPG files must be stored in C:\\OS_Maps";
#else
    QString folder = ShortHomePath(DefaultMapPath());
    if (folder.endsWith('/')) folder.chop(1);
    return "OS Map JPG files must be stored in " + folder;
#endif
}

}  // namespace tormark
