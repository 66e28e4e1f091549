// A shown main window with its home set at 52N 0E, so that the Pointing window is up: where the
// compass and Pointing window tests start.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "main_window.h"
#include "settings_store.h"
#include "test_support.h"

namespace tormark::test {

struct WindowWithHome {
    WindowWithHome() : store(TempStore(dir)), window(*store) {
        window.setMessageHandler([](const QString&) {});
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.TypeAndUse("52N 0E");
        window.PressSetAsHome();
    }
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    MainWindow window;
    bool exposed = false;
};

}  // namespace tormark::test
