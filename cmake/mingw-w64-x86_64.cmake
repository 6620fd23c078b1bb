# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix) and runs the resulting programs with Wine, so
# that CTest runs the Windows test executables here.
#
# The windows preset uses it (build/windows); its test preset sets up a
# private, headless Wine prefix, and scripts/test-windows runs both.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_velquin_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_velquin_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_velquin_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_velquin_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_velquin_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The executables carry the GCC and C++ runtimes (and winpthread) inside, so
# Wine needs no DLL from the MinGW installation.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian installs the launcher as wine (which picks wine64 for 64-bit
# programs); some set-ups only have wine64.
find_program(VELQUIN_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELQUIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELQUIN_WINE})
endif()
