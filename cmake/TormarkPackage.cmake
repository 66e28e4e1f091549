# The Debian package of the suite: `cpack -G DEB` or `make package` in the build folder gives
# tormark_<version>-<release>_<arch>.deb. Its library dependencies (the Qt 6 and GDAL libraries the
# programs link) are found by dpkg-shlibdeps (package dpkg-dev); the window text's font is added
# by hand.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tormark)
set(CPACK_PACKAGE_VENDOR "Tormark developers")
set(CPACK_PACKAGE_CONTACT "Tormark developers <tormark@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tormark developers <tormark@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# lintian wants a synopsis under 80 characters and description lines under 80.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "radio path and site planning tools for Great Britain")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tormark converts typed positions between Maidenhead locator, National Grid\n"
    "Reference and latitude/longitude with distances and bearings; terrainplot,\n"
    "terrain3d, visplot, horizon and pathprofile draw SRTM terrain round sites and\n"
    "along radio paths, with coverage maps and link budgets; benchfind lists\n"
    "Ordnance Survey benchmarks near a grid reference.")
# Packaged by its own developers, but not a native Debian package: a Debian revision, so that the
# changelog is changelog.Debian.gz as Debian's policy names it.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The programs without their debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Window text is drawn in DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
