# Cross-builds the Windows program (64-bit) with Debian's mingw-w64 compilers,
# POSIX threads variant, and runs what it builds under Wine: CTest starts
# every Windows test executable through wine-gtest.sh, which runs each test
# program once per CTest run through wine-run.sh and reports its cases one by
# one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

# Headers and libraries of the target come from the mingw-w64 tree alone;
# programs (and header-only libraries such as utfcpp) from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: the C++ and GCC runtimes and winpthreads are
# linked in, so the program needs nothing but the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine runs the test executables (and lists their tests for CTest) in a
# throw-away prefix under the build folder, made at its first use: one start
# of Wine for each test program and CTest run, whose output every case of the
# program reads its own result from (TALLOWIN_WINE_EACH_CASE=1: one for each
# case).
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-gtest.sh;--prefix;${CMAKE_BINARY_DIR}/wine/prefix")
