#pragma once

// Where the window keeps its files unless told otherwise: the listing file's default name, its
// folder (made on first use), and the tool-tips that name these places as this platform has
// them. On Windows the places and tips are those of the original program (c:\fellside\ and
// c:\OS_Maps\); elsewhere they live in the user's home folder.

#include <QString>

namespace tormark {

// The listing file shown in its box at start: c:\fellside\SITELIST.TXT on Windows,
// ~/fellside/SITELIST.TXT elsewhere.
QString DefaultListFile();

// Makes the folder of the default listing file when `fileName` is that default and the folder
// does not exist yet; any other name is left alone, so that a folder the user typed is never
// made behind their back. True when the folder of the default now exists or `fileName` is not
// the default.
bool MakeDefaultListFolder(const QString& fileName);

// A path as a tip shows it: the home folder written "~" ("~/fellside/Sites.dat").
QString ShortHomePath(const QString& path);

// Tool-tips of the database box, the listing file box and the "OS Map" button, naming the
// defaults in use.
QString DatabaseBoxTip();
QString ListFileBoxTip();
QString OsMapButtonTip();

}  // namespace tormark
