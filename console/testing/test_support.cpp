#include "console/testing/test_support.h"

#include <stdlib.h>

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace console::testing {

namespace fs = std::filesystem;

fs::path WriteOneArcSecondTwin(const fs::path& dir, const std::string& name,
                               const HeightFunction& height3) {
    return WriteHgtTile(
        dir, name, [&height3](int r, int c) { return height3((r + 2) / 3, c / 3); },
        terrain::kOneArcSecondTile);
}

fs::path WriteHgtTile(const fs::path& dir, const std::string& name, const HeightFunction& height,
                      terrain::TileFormat format) {
    return terrain::testing::WriteHgtFile(dir, name, height, format);
}

fs::path WriteTextFile(const fs::path& dir, const std::string& name,
                       const std::vector<std::string>& lines) {
    fs::path file = dir / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << "\r\n";
    return file;
}

fs::path WriteSitesFile(const fs::path& dir, const std::vector<std::string>& lines) {
    return WriteTextFile(dir, "SITES.DAT", lines);
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const fs::path& workDir, int timeout_ms) {
    RunResult result;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(workDir.string()));
    QStringList arguments;
    for (const auto& a : args) arguments << QString::fromStdString(a);
    process.start(QString::fromStdString(program), arguments);
    if (!process.waitForStarted(10000)) {
        result.errors = "could not start " + program;
        return result;
    }
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(timeout_ms)) {
        result.timedOut = true;
        process.kill();
        process.waitForFinished(5000);
    }
    QByteArray out = process.readAllStandardOutput();
    QByteArray err = process.readAllStandardError();
    result.output.assign(out.constData(), static_cast<std::size_t>(out.size()));
    result.errors.assign(err.constData(), static_cast<std::size_t>(err.size()));
    if (!result.timedOut && process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    return result;
}

PixelResult PngPixel(const fs::path& png, int x, int y) {
    QImage image(QString::fromStdString(png.string()));
    PixelResult result;
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return result;
    }
    QRgb p = image.pixel(x, y);
    result.ok = true;
    result.colour = Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                        static_cast<std::uint8_t>(qBlue(p))};
    return result;
}

std::pair<int, int> PngSize(const fs::path& png) {
    QImage image(QString::fromStdString(png.string()));
    if (image.isNull()) return {0, 0};
    return {image.width(), image.height()};
}

int CountPngPixels(const fs::path& png, Rgb colour) {
    QImage image(QString::fromStdString(png.string()));
    if (image.isNull()) return 0;
    image = image.convertToFormat(QImage::Format_RGB32);
    QRgb wanted = qRgb(colour.red, colour.green, colour.blue);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == (wanted & 0xFFFFFFu)) ++count;
        }
    }
    return count;
}

}  // namespace console::testing
