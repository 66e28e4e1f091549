#pragma once

// The two map buttons of the main window: "G-Maps" opens a web map at the current position in
// the default browser, "OS Map" opens the scanned Ordnance Survey sheet of the current 10 km
// square (a JPEG named after the square, such as SU14.JPG) from the map folder in the default
// image viewer. Neither waits for the program it starts nor looks at its result.

#include <QString>

namespace tormark {

// Path and zoom of the web map address; the position is written between them.
inline const QString kWebMapHost = QStringLiteral("https://www.google.com");
inline const QString kWebMapPath = QStringLiteral("/maps/@");
inline const QString kWebMapZoom = QStringLiteral(",14z");
// Windows starts programs through the command interpreter with this command line prefix.
inline const QString kStartCommand = QStringLiteral("cmd /c  start ");

// Folder of the scanned map sheets: "c:\OS_Maps\" on Windows, ~/OS_Maps/ elsewhere.
QString DefaultMapPath();

// The web map address for a WGS84 position in degrees (north and east positive): host, "/maps/@",
// latitude in "###.######", ",", longitude in "####.######", ",14z". So (51.5, -1.25) gives
// .../maps/@51.5,-1.25,14z and (51, -0.12) gives .../maps/@51.,-.12,14z.
QString WebMapAddress(double lat_deg, double lon_deg);

// The map file of a 10 km square: map_path + square + ".JPG". Off Windows backslashes in map_path
// are taken as folder separators and an existing file whose name differs only in letter case
// (su14.jpg) is returned instead; when there is none the name stands as built.
QString OsMapFile(const QString& map_path, const QString& square);

// True when map_path holds at least one file matching "*.jpg" (in any letter case).
bool MapFolderHasJpg(const QString& map_path);

// The command line that starts target through the Windows command interpreter.
inline QString StartCommandLine(const QString& target) {
    return kStartCommand + target;
}

// Starts the browser on the web map at the position; false when nothing could be started.
bool StartWebMap(double lat_deg, double lon_deg);

// Starts the image viewer on the map file of the square; false when nothing could be started.
bool StartOsMap(const QString& map_path, const QString& square);

}  // namespace tormark
