# Installing Holdsheet as a desktop program (`cmake --install`) and its Debian package
# (`cpack -G DEB`). The desktop file, the metainfo and the icons share the application id.
include(GNUInstallDirs)

set(HOLDSHEET_APP_ID org.holdsheet.Holdsheet)
set(HOLDSHEET_MAINTAINER "Holdsheet <maintainers@holdsheet.org>"
    CACHE STRING "Maintainer of the Debian package and contact in its copyright file")
# A build directory configured before the project had an address keeps the old placeholder.
if(HOLDSHEET_MAINTAINER MATCHES "@localhost>$")
    set(HOLDSHEET_MAINTAINER "Holdsheet <maintainers@holdsheet.org>" CACHE STRING
        "Maintainer of the Debian package and contact in its copyright file" FORCE)
endif()

# Every library comes from the system: no search path of the program's own (Qt's project
# setup would ask for $ORIGIN/../lib).
set_target_properties(holdsheet holdsheet-bundle-reader PROPERTIES INSTALL_RPATH "")
install(TARGETS holdsheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS holdsheet-bundle-reader RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/holdsheet)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${HOLDSHEET_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${HOLDSHEET_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian's machine-readable copyright file; the licence's text is in LICENSE.
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in
    ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/holdsheet)
install(FILES ${PROJECT_SOURCE_DIR}/resources/brand/BrandMark.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${HOLDSHEET_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/resources/brand/MenuBarIcon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps
    RENAME ${HOLDSHEET_APP_ID}-symbolic.svg)

# Installing and packaging take what was built; they never start a build of their own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME holdsheet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "keyboard shortcuts of the application in front, one held key away")
set(CPACK_PACKAGE_DESCRIPTION "Hold the Super key alone for a moment and Holdsheet shows a \
floating cheat sheet of the menu commands of the application in front that have keyboard \
shortcuts, read live through the desktop's accessibility interface (AT-SPI). Type to filter \
it, click a row to run the command. Runs on X11, on sway, and on GNOME on Wayland.\n\
.\n\
On GNOME on Wayland it needs its GNOME Shell extension, installed with it but off until \
enabled: gnome-extensions enable holdsheet@holdsheet.org (on GNOME 43 and 44: \
holdsheet-legacy@holdsheet.org). After a first install, log out and in again before \
enabling it: GNOME Shell finds new extensions only when a session starts.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HOLDSHEET_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HOLDSHEET_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from what the binary links; the services it talks to are named here:
# the accessibility bus and a session bus.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "at-spi2-core, default-dbus-session-bus | dbus-session-bus")
include(CPack)
