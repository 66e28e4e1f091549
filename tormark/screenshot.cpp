#include "screenshot.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <string_view>

#include "files/atomic_write.h"
#include "main_window.h"
#include "settings_store.h"

namespace tormark {

namespace {

// White space between the two windows in the picture, pixels of the screen.
constexpr int kPictureGap = 12;

QPixmap Grab(QWidget& window) {
    QPixmap picture = window.grab();
    picture.setDevicePixelRatio(1.0);
    return picture;
}

}  // namespace

void TypeCommandTexts(MainWindow& window, const CommandLine& command) {
    if (command.home) {
        window.TypeAndUse(QString::fromStdString(*command.home));
        window.PressSetAsHome();
    }
    for (const std::string& text : command.texts) window.TypeAndUse(QString::fromStdString(text));
}

QImage WindowPicture(MainWindow& window) {
    QCoreApplication::processEvents();
    const QPixmap main = Grab(window);
    QPixmap pointing;
    if (window.pointingWindow()->isVisible()) pointing = Grab(*window.pointingWindow());
    const int width = main.width() + (pointing.isNull() ? 0 : kPictureGap + pointing.width());
    QImage image(width, std::max(main.height(), pointing.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, main);
    if (!pointing.isNull()) painter.drawPixmap(main.width() + kPictureGap, 0, pointing);
    return image;
}

int RunScreenshot(const CommandLine& command, const std::string& defaultDatabase,
                  std::ostream& err) {
    QTemporaryDir settingsDir;
    SettingsStore store(
        std::make_unique<QSettings>(settingsDir.filePath("Tormark.conf"), QSettings::IniFormat));
    MainWindow window(store);
    window.setMessageHandler(
        [&err](const QString& text) { err << "Tormark: " << text.toStdString() << "\n"; });
    window.setDatabasePath(QString::fromStdString(command.database.value_or(defaultDatabase)));
    window.show();
    TypeCommandTexts(window, command);
    const QImage picture = WindowPicture(window);
    window.close();
    // Encoded in memory first, then written whole: a run cut short never leaves half a picture
    // in place of the old one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG") ||
        !files::WriteFileAtomically(
            command.screenshotFile,
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        err << "Tormark: cannot write " << command.screenshotFile << "\n";
        return 1;
    }
    return 0;
}

}  // namespace tormark
