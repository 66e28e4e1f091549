#pragma once

// Texts between the session (bytes) and the boxes (QString). The site database is 8-bit text
// (Latin-1), while the geodesy core writes the degree sign in UTF-8. Texts going to the session
// are Latin-1 where they can be, so that a typed or picked name with an accent matches the
// file; texts coming back are read as UTF-8 when they are valid UTF-8 and as Latin-1 otherwise
// (a site name from the file).

#include <QString>
#include <string>

namespace tormark {

// A session text as a box shows it.
QString BoxText(const std::string& text);

// A box's text as the session holds it.
std::string SessionText(const QString& text);

}  // namespace tormark
