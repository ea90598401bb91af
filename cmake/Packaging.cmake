# The Debian package: `cpack -G DEB` in the build folder writes kinvora_<version>_<arch>.deb
# holding what `cmake --install` installs, under /usr.
set(KINVORA_PACKAGE_MAINTAINER "The Kinvora developers <kinvora@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinvora)
set(CPACK_PACKAGE_VENDOR "The Kinvora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kinvora.github.io/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for genealogical and historical timeline diagrams")
# One string (separate arguments would join with ';'), in lines short enough for apt.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kinvora draws people and eras as coloured periods on a date grid that reaches\n"
    "from a hundred billion years ago to the year 2200, with links between them,\n"
    "pictures, zoom, GEDCOM import, autosave and PNG export. The package holds the\n"
    "English program kinvora, the French program kinvora-fr and the command-line\n"
    "exporter kinvora-export.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KINVORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the binaries link (Qt, Expat, the C++ runtime).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The file types and the menu entry reach the desktop through the MIME and desktop
# databases: the triggers have shared-mime-info and desktop-file-utils rebuild them. The French
# program takes Qt's own buttons and file dialogs in French from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
