# The Debian package, made by CPack from the install rules:
#     cmake --build build && (cd build && cpack -G DEB)
# or scripts/build-deb.sh. It installs into /usr whatever CMAKE_INSTALL_PREFIX says.
include(GNUInstallDirs)

set(TESSARON_DEB_RELEASE 1)
set(TESSARON_DEB_VERSION ${PROJECT_VERSION}-${TESSARON_DEB_RELEASE})

# What Debian asks of every package besides the program: its copyright and a
# compressed changelog in the documentation folder.
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in
               ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tessaron)
install(CODE "
    set(log \"${CMAKE_BINARY_DIR}/debian/changelog.Debian\")
    file(REMOVE \"\${log}.gz\")
    execute_process(COMMAND \"${GZIP_EXECUTABLE}\" -9nk \"\${log}\" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR \"gzip of the changelog failed\")
    endif()
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}\" TYPE FILE
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         FILES \"\${log}.gz\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tessaron)
set(CPACK_PACKAGE_CONTACT "Tessaron <packages@tessaron.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TESSARON_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tessaron.com)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessaron <packages@tessaron.com>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "code internet names by geometric figure
Tessaron codes internet names by geometric figure. Type a domain name and
see it inside four figure outlines: four sides, circle or ellipse, three
sides, and more than four sides. For each family Tessaron forms a
three-character figure code and the name's figure address, opens it in the
web browser and keeps it as a favourite. It prints a registers sheet and a
symbology sheet, has a compact window, and speaks Spanish and English.")
# The libraries the program links come from dpkg-shlibdeps. What it loads at run
# time is added: Qt's X11 platform and its Wayland one, the SQLite driver of the
# favourites, and the font whose metrics the windows are laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, libqt6sql6-sqlite, fonts-liberation2")
# The drawn icon (the program draws a plainer one without it), the desktop's way of
# opening web pages, Qt's own words (the file dialog's and the message boxes'
# buttons) in Spanish, and the SVG loader through which GTK desktops show the
# installed icon in their menus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libqt6svg6, xdg-utils, qt6-translations-l10n, librsvg2-common")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
