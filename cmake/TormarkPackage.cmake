# The Debian package of the suite: `cpack -G DEB` or `make package` in the build folder gives
# tormark_<version>_<arch>.deb. Its library dependencies (the Qt 6 libraries the programs link)
# are found by dpkg-shlibdeps (package dpkg-dev); the window text's font is added by hand.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tormark)
set(CPACK_PACKAGE_VENDOR "Tormark developers")
set(CPACK_PACKAGE_CONTACT "Tormark developers <tormark@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tormark developers <tormark@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "radio path planning tools for Great Britain: positions, terrain plots, path profiles")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tormark converts typed positions between Maidenhead locator, National Grid Reference and\n"
    "latitude/longitude with distances and bearings; terrainplot, terrain3d, visplot, horizon\n"
    "and pathprofile draw SRTM terrain round sites and along radio paths; benchfind lists\n"
    "Ordnance Survey benchmarks near a grid reference.")
# The programs without their debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Window text is drawn in DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
