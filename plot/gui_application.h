// The one QApplication of a drawing tool, made when it first needs one.
#pragma once

namespace plot {

enum class GuiPlatform {
    kScreen,     // the display's platform; offscreen when there is no display
    kOffscreen,  // never a display (headless runs)
};

// Makes sure a QApplication exists (created once, lazily, living until the process ends). Off
// Windows the offscreen platform is chosen when asked for or when there is no display, unless
// QT_QPA_PLATFORM names one. A later call cannot change the platform of the first.
void EnsureGuiApplication(GuiPlatform platform = GuiPlatform::kScreen);

}  // namespace plot
