# Every compile goes through ccache when the machine has it (script/bootstrap
# installs it): a clean clone, a fresh build folder or script/test's builds
# from scratch then compile only what changed since any earlier build on
# this machine. Its cache is the user's (~/.cache/ccache), shared by every
# clone. TALLOWIN_CCACHE=OFF builds without it. (The debug information of a
# file taken from the cache names the folder it was first built in.)
include_guard(GLOBAL)
option(TALLOWIN_CCACHE "Compile through ccache where the machine has it" ON)
if(TALLOWIN_CCACHE)
    find_program(TALLOWIN_CCACHE_PROGRAM ccache)
    if(TALLOWIN_CCACHE_PROGRAM)
        # Paths under the source tree (the build folders are inside it) are
        # hashed as relative ones, and the build folder not at all, so that
        # another clone of the same sources finds the same entries.
        set(_launcher env "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}" CCACHE_NOHASHDIR=1
            "${TALLOWIN_CCACHE_PROGRAM}")
        set(CMAKE_C_COMPILER_LAUNCHER ${_launcher})
        set(CMAKE_CXX_COMPILER_LAUNCHER ${_launcher})
    endif()
endif()
