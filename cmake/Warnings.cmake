# Warning flags for the project's own targets: link tallowin_warnings.
# TALLOWIN_WARNING_FLAGS is the same list for a compiler that CMake does not
# drive (the benchmarks' MinGW dialogs).
set(TALLOWIN_WARNING_FLAGS
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
if(TALLOWIN_WERROR)
    list(APPEND TALLOWIN_WARNING_FLAGS -Werror)
endif()
add_library(tallowin_warnings INTERFACE)
target_compile_options(tallowin_warnings INTERFACE ${TALLOWIN_WARNING_FLAGS})
