# Where `cmake --install` and the packages put Tallowin.
#
# Linux, after the freedesktop specifications, under any prefix:
#   bin/Tallowin
#   share/applications/org.tallowin.Tallowin.desktop          (desktop entry)
#   share/metainfo/org.tallowin.Tallowin.metainfo.xml         (AppStream)
#   share/icons/hicolor/<N>x<N>/apps/org.tallowin.Tallowin.png
#   share/icons/hicolor/scalable/apps/org.tallowin.Tallowin.svg
#   share/doc/tallowin/copyright                              (the licence)
# Windows: Tallowin.exe and LICENSE.txt at the top of the prefix (the ZIP's
# root); the icon is inside the program.
#
# Included from the top-level CMakeLists.txt after src/app, which makes the
# Tallowin target.
include_guard(GLOBAL)
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/data/icons/icons.cmake)

# The package's name, in the lower case Debian asks for: tallowin.
string(TOLOWER "${TALLOWIN_NAME}" TALLOWIN_PACKAGE_NAME)

if(WIN32)
    install(TARGETS Tallowin RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
    return()
endif()

install(TARGETS Tallowin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the AppStream metadata carry the name, version and
# texts of cmake/Version.cmake.
set(_data_out "${PROJECT_BINARY_DIR}/data")
configure_file(${PROJECT_SOURCE_DIR}/data/${TALLOWIN_APP_ID}.desktop.in
    ${_data_out}/${TALLOWIN_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/${TALLOWIN_APP_ID}.metainfo.xml.in
    ${_data_out}/${TALLOWIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_data_out}/${TALLOWIN_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_data_out}/${TALLOWIN_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons, named after the desktop id as the desktop entry's Icon= says.
foreach(_size IN LISTS TALLOWIN_ICON_SIZES)
    install(FILES ${TALLOWIN_ICON_DIR}/tallowin-${_size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
        RENAME ${TALLOWIN_APP_ID}.png)
endforeach()
install(FILES ${TALLOWIN_ICON_SVG}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TALLOWIN_APP_ID}.svg)

# Debian keeps a package's licence as /usr/share/doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${TALLOWIN_PACKAGE_NAME}
    RENAME copyright)
