# The program's name, version, maker and descriptions, each written once:
# the name, version, description and home page in the project() call of the
# top-level CMakeLists.txt, the rest here. The Qt application, the
# Windows version records, the desktop metadata, the packages and the
# Windows setup all take them from here.
set(TALLOWIN_NAME "${PROJECT_NAME}")                            # Tallowin
set(TALLOWIN_VERSION "${PROJECT_VERSION}")                      # 1.2.0.9
# The Debian package's version names the release it was built on, since its
# computed dependencies are that release's (Debian 13's Qt is libqt6core6t64):
# 1.2.0.9+deb12 on Debian 12, 1.2.0.9+deb13 on Debian 13, which also sorts
# after the Debian 12 one for a machine upgraded from 12 to 13.
set(TALLOWIN_DEB_VERSION "${TALLOWIN_VERSION}")
if(NOT WIN32 AND EXISTS /etc/os-release)
    file(STRINGS /etc/os-release _os_id REGEX "^ID=")
    file(STRINGS /etc/os-release _os_version REGEX "^VERSION_ID=")
    string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" _os_version "${_os_version}")
    if(_os_id STREQUAL "ID=debian" AND _os_version MATCHES "^[0-9]+$")
        set(TALLOWIN_DEB_VERSION "${TALLOWIN_VERSION}+deb${_os_version}")
    endif()
endif()
# The version record writes the minor and tweak numbers with leading zeros.
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$" "\\2" _minor "${PROJECT_VERSION}")
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$" "\\4" _tweak "${PROJECT_VERSION}")
string(LENGTH "${_minor}" _minor_length)
string(LENGTH "${_tweak}" _tweak_length)
math(EXPR _minor_pad "2 - ${_minor_length}")
math(EXPR _tweak_pad "4 - ${_tweak_length}")
string(REPEAT "0" ${_minor_pad} _minor_zeros)
string(REPEAT "0" ${_tweak_pad} _tweak_zeros)
# Written as the version record has it: 1.02.0009.
set(TALLOWIN_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${_minor_zeros}${_minor}.${_tweak_zeros}${_tweak}")
set(TALLOWIN_DESCRIPTION "${PROJECT_DESCRIPTION}")           # Shows IP address and host name
set(TALLOWIN_COMMENTS "Displays the IP address(es) and the host name for the system")
set(TALLOWIN_APP_ID "org.tallowin.Tallowin")                 # reverse-DNS id for desktop files
# Who makes it, as the packages, the Windows version records and the
# installer's Add/Remove Programs entry name them; the copyright line is the
# licence's own.
set(TALLOWIN_COMPANY "The Tallowin developers")
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" TALLOWIN_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
