#pragma once

// Tormark --screenshot FILE [--db F] [--home TEXT] [TEXT ...]: the window as a new user sees it
// after typing each text and pressing "&Use This" (the home text first, followed by "&Set as
// Home"), drawn into one PNG without a display: the main window, and the Pointing window beside
// it when a home is set. For the README, bug reports and tests.

#include <QImage>
#include <iosfwd>
#include <string>

#include "command_line.h"

namespace tormark {

class MainWindow;

// Types the command line's home and texts into `window` as the user would.
void TypeCommandTexts(MainWindow& window, const CommandLine& command);

// The main window, and the Pointing window to its right when it is shown, on one white image
// in the screen's own pixels.
QImage WindowPicture(MainWindow& window);

// The whole run, with a fresh settings store (the user's own is neither read nor written).
// Messages the window would show in a box go to `err`. Returns the exit status.
int RunScreenshot(const CommandLine& command, const std::string& defaultDatabase,
                  std::ostream& err);

}  // namespace tormark
