#include "console/georeference_files.h"

#include <filesystem>

#include "console/file_names.h"

namespace console {

namespace {

constexpr const char* kWorldExtension = ".pgw";  // the world file of a PNG ("png" + "w")
constexpr const char* kProjectionExtension = ".prj";
constexpr const char* kKmlExtension = ".kml";

}  // namespace

GeoreferenceFileNames GeoreferenceFilesBeside(const std::string& pngFile) {
    std::filesystem::path path(pngFile);
    GeoreferenceFileNames names;
    names.worldFile = std::filesystem::path(path).replace_extension(kWorldExtension).string();
    names.projectionFile =
        std::filesystem::path(path).replace_extension(kProjectionExtension).string();
    names.auxiliaryFile = pngFile + ".aux.xml";
    names.kmlFile = std::filesystem::path(path).replace_extension(kKmlExtension).string();
    return names;
}

bool IsGeoreferenceFileName(const std::string& file) {
    const std::string extension = std::filesystem::path(file).extension().string();
    return extension == kWorldExtension || extension == kProjectionExtension ||
           extension == kKmlExtension;
}

std::string WriteGeoreferenceFiles(const std::string& pngFile, const PixelGrid& grid,
                                   std::string_view name) {
    const GeoreferenceFileNames names = GeoreferenceFilesBeside(pngFile);
    const std::string href = std::filesystem::path(pngFile).filename().string();
    if (!WriteFileAtomically(names.worldFile, FormatWorldFile(grid))) return names.worldFile;
    if (!WriteFileAtomically(names.projectionFile, Wgs84ProjectionText()))
        return names.projectionFile;
    if (!WriteFileAtomically(names.auxiliaryFile, GdalAuxiliaryXml())) return names.auxiliaryFile;
    if (!WriteFileAtomically(names.kmlFile, FormatKmlOverlay(grid, href, name)))
        return names.kmlFile;
    return {};
}

}  // namespace console
