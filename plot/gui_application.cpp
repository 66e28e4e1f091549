#include "plot/gui_application.h"

#include <QApplication>

namespace plot {

void EnsureGuiApplication(GuiPlatform platform) {
    if (QCoreApplication::instance() != nullptr) return;
#ifndef _WIN32
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
        (platform == GuiPlatform::kOffscreen || noDisplay)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#else
    (void)platform;
#endif
    static int argc = 1;
    static char name[] = "console-tool";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: the tools create it on their first window.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

}  // namespace plot
