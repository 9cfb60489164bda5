# The Windows setup, Tallowin-<version>-win64-setup.exe, made by makensis from
# packaging/windows/setup.nsi with every build of the Windows program, into
# build/windows/packages (where cpack -B build/windows/packages puts the ZIP).
# It holds what the ZIP holds (the program and LICENSE.txt) and an
# uninstaller. Included from the top-level CMakeLists.txt after
# cmake/Packaging.cmake, whose package name it takes.
include_guard(GLOBAL)
if(NOT WIN32)
    return()
endif()
include(${PROJECT_SOURCE_DIR}/data/icons/icons.cmake)

find_program(TALLOWIN_MAKENSIS makensis REQUIRED
    DOC "NSIS's compiler, for the Windows setup (Debian package nsis; script/bootstrap installs it)")

set(TALLOWIN_SETUP_SCRIPT "${PROJECT_SOURCE_DIR}/packaging/windows/setup.nsi")
set(TALLOWIN_SETUP_FACTS "${PROJECT_BINARY_DIR}/packaging/setup_facts.nsh")
set(TALLOWIN_SETUP "${PROJECT_BINARY_DIR}/packages/${TALLOWIN_WINDOWS_PACKAGE_NAME}-setup.exe")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/setup_facts.nsh.in
    ${TALLOWIN_SETUP_FACTS} @ONLY)

# The defines setup.nsi takes besides the facts, as makensis options; the
# tests make a setup of another version with the same ones.
set(TALLOWIN_SETUP_DEFINES
    "-DFACTS=${TALLOWIN_SETUP_FACTS}"
    "-DPROGRAM=$<TARGET_FILE:Tallowin>"
    "-DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE"
    "-DICON=${TALLOWIN_ICON_ICO}")
add_custom_command(OUTPUT ${TALLOWIN_SETUP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packages
    COMMAND ${TALLOWIN_MAKENSIS} -V2 -WX ${TALLOWIN_SETUP_DEFINES}
        "-DOUTFILE=${TALLOWIN_SETUP}" ${TALLOWIN_SETUP_SCRIPT}
    DEPENDS Tallowin ${TALLOWIN_SETUP_SCRIPT} ${TALLOWIN_SETUP_FACTS}
        ${PROJECT_SOURCE_DIR}/LICENSE ${TALLOWIN_ICON_ICO}
    COMMENT "Making the Windows setup ${TALLOWIN_WINDOWS_PACKAGE_NAME}-setup.exe"
    VERBATIM)
add_custom_target(setup ALL DEPENDS ${TALLOWIN_SETUP})
# The same options, one a line, for the tests' setup of a later version.
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/packaging/setup_defines.txt
    CONTENT "$<JOIN:${TALLOWIN_SETUP_DEFINES},\n>\n")
