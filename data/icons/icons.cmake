# The icon's files, made from tallowin.svg by script/make-icons and kept in
# the repo. Included where they are used: the program (the Qt resource of the
# Linux program, the Windows resource file) and the install rules; it only
# sets variables, so each of them includes it.

set(TALLOWIN_ICON_DIR "${CMAKE_CURRENT_LIST_DIR}")
# The Windows icon: 16x16, 32x32 and 48x48, 16 colours each.
set(TALLOWIN_ICON_ICO "${TALLOWIN_ICON_DIR}/tallowin.ico")
# The source, installed as the scalable hicolor icon.
set(TALLOWIN_ICON_SVG "${TALLOWIN_ICON_DIR}/tallowin.svg")
# The hicolor sizes, one tallowin-<size>.png each.
set(TALLOWIN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TALLOWIN_ICON_PNGS "")
foreach(_size IN LISTS TALLOWIN_ICON_SIZES)
    list(APPEND TALLOWIN_ICON_PNGS "${TALLOWIN_ICON_DIR}/tallowin-${_size}.png")
endforeach()
