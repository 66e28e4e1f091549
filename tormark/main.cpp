// Tormark: the site calculator window, or one of its command lines for scripts.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "listing_date.h"
#include "main_window.h"
#include "program/display.h"
#include "program/exit_status.h"
#include "program/guarded_main.h"
#include "screenshot.h"
#include "settings_store.h"

namespace {

int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const tormark::CommandLine command = tormark::ParseCommandLine(args);
    if (command.help || command.version) {
        std::cout << (command.help ? tormark::HelpText() : tormark::VersionText());
        return program::kExitNormal;
    }
    if (!command.error.empty()) {
        std::cerr << "Tormark: " << command.error << "\n" << tormark::UsageText();
        return program::kExitUsage;
    }

    if (command.mode == tormark::RunMode::kScreenshot) {
        // Drawn without a display unless a platform is named.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        tormark::SettingsStore store;
        return tormark::RunScreenshot(command, store.Load().database.toStdString(), std::cerr);
    }

    if (command.mode != tormark::RunMode::kWindow) {
        // No display is needed: the command lines use the window's code without its widgets.
        QCoreApplication app(argc, argv);
        tormark::SettingsStore store;
        // Without --db the database is the one the window would start with.
        const std::string database = store.Load().database.toStdString();
        if (command.mode == tormark::RunMode::kResolve) {
            // Output is buffered in large writes: reading a line must not flush it.
            std::ios::sync_with_stdio(false);
            std::cin.tie(nullptr);
            return tormark::RunResolve(command, database, std::cin, std::cout, std::cerr);
        }
        return tormark::RunListing(command, database, tormark::TodayText(), std::cerr);
    }

    if (!program::DisplayAvailable()) {
        std::cerr << "Tormark: " << program::kNoDisplayReason
                  << "; --resolve, --listing and --screenshot need none\n";
        return program::kExitRefused;
    }
    QApplication app(argc, argv);
    tormark::SettingsStore store;
    tormark::MainWindow window(store);
    if (command.database) window.setDatabasePath(QString::fromStdString(*command.database));
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    return program::RunGuarded("Tormark", [&] { return Run(argc, argv); });
}
