#pragma once

// The longest texts the controls of the main window and of the Pointing window are ever given,
// for fitting their layouts to the font (text_fit.h). Every caption is taken as it stands; the
// value boxes and size labels get the longest text their masks can produce. Boxes the user types
// into, and the home label that wraps a site name, scroll or wrap and are left out.

#include <QWidget>
#include <vector>

#include "text_fit.h"

namespace tormark {

// The controls of the main window (its direct children) with the texts each must show whole.
std::vector<ControlTexts> MainWindowTexts(QWidget& mainWindow);

// The same for the Pointing window.
std::vector<ControlTexts> PointingWindowTexts(QWidget& pointingWindow);

}  // namespace tormark
