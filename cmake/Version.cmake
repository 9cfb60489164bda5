# The program's name, version and descriptions: the one place they are
# written. The Qt application, the Windows version record, the desktop
# metadata and the packages all take them from here.
set(TALLOWIN_NAME "Tallowin")
set(TALLOWIN_VERSION "${PROJECT_VERSION}")                      # 1.2.0.9
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
