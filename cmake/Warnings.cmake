# Warning flags for the project's own targets: link tallowin_warnings.
add_library(tallowin_warnings INTERFACE)
target_compile_options(tallowin_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
if(TALLOWIN_WERROR)
    target_compile_options(tallowin_warnings INTERFACE -Werror)
endif()
