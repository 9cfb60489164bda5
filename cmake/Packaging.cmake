# The packages, made by CPack from the install rules of cmake/Install.cmake:
#   cmake --preset release && cmake --build --preset release
#   cpack --config build/release/CPackConfig.cmake -B build/release/packages
# Linux: a Debian package, tallowin_<version>+deb<release>_<arch>.deb (the
# Debian release it was built on: tallowin_1.2.0.9+deb12_amd64.deb), whose
# dependencies dpkg-shlibdeps computes from the program's shared libraries.
# Windows: a ZIP, Tallowin-<version>-win64.zip, with Tallowin.exe at its root
# (the setup beside it is cmake/Setup.cmake's).
#
# Name, version and texts come from cmake/Version.cmake. Included from the
# top-level CMakeLists.txt after cmake/Install.cmake.
include_guard(GLOBAL)

set(CPACK_PACKAGE_NAME "${TALLOWIN_PACKAGE_NAME}")
set(CPACK_PACKAGE_VERSION "${TALLOWIN_VERSION}")
set(CPACK_PACKAGE_VENDOR "${TALLOWIN_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${TALLOWIN_COMPANY} <tallowin@tallowin.invalid>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TALLOWIN_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "${TALLOWIN_COMMENTS}.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(_windows_arch win64)
    else()
        set(_windows_arch win32)
    endif()
    # Tallowin-1.2.0.9-win64: the ZIP's name, and the setup's before "-setup.exe".
    set(TALLOWIN_WINDOWS_PACKAGE_NAME "${TALLOWIN_NAME}-${TALLOWIN_VERSION}-${_windows_arch}")
    set(CPACK_PACKAGE_FILE_NAME "${TALLOWIN_WINDOWS_PACKAGE_NAME}")
    # Tallowin.exe at the ZIP's root, not in a folder named after the ZIP.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_VERSION "${TALLOWIN_DEB_VERSION}")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # Depends: computed by dpkg-shlibdeps, never written by hand.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Without it a Wayland session runs the program through XWayland.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
endif()

include(CPack)
