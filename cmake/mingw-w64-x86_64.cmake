# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix) and runs the resulting programs with Wine, so
# that CTest runs the Windows test executables here.
#
# The windows presets use it (build/windows, build/windows-release); the test
# preset sets up a private, headless Wine prefix, and scripts/test-windows runs
# both. Qt for Windows comes from scripts/build-windows-qt, whose install
# prefix is VELQUIN_WINDOWS_QT.

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

# The settings core's test executables carry the GCC and C++ runtimes (and
# winpthread) inside, so Wine needs no DLL from the MinGW installation. Qt for
# Windows (scripts/build-windows-qt) is shared and loads the runtime DLLs, and
# so does everything linked with it: one C++ runtime in the process, so that
# exceptions and allocations may cross between Qt and Velquin.
option(VELQUIN_SHARED_RUNTIME "Link the MinGW runtime as DLLs" OFF)
if(NOT VELQUIN_SHARED_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

# Debian installs the launcher as wine (which picks wine64 for 64-bit
# programs); some set-ups only have wine64.
# cmake/wine-run starts them, so that Wine's own processes do not hold a test's
# output open.
find_program(VELQUIN_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELQUIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${VELQUIN_WINE})
endif()

# The Windows Qt is a root of its own for the finds (it is not under the MinGW
# root), and its CMake packages take the host tools (moc, rcc, uic) from the
# host's Qt of the same version.
if(VELQUIN_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH "${VELQUIN_WINDOWS_QT}")
  list(APPEND CMAKE_PREFIX_PATH "${VELQUIN_WINDOWS_QT}")
  if(NOT QT_HOST_PATH)
    set(QT_HOST_PATH /usr CACHE PATH "Install prefix of the host's Qt")
  endif()
  if(NOT QT_HOST_PATH_CMAKE_DIR)
    file(GLOB _velquin_host_qt ${QT_HOST_PATH}/lib/*/cmake/Qt6/Qt6Config.cmake
         ${QT_HOST_PATH}/lib/cmake/Qt6/Qt6Config.cmake)
    if(_velquin_host_qt)
      list(GET _velquin_host_qt 0 _velquin_host_qt)
      get_filename_component(_velquin_host_qt "${_velquin_host_qt}/../.." ABSOLUTE)
      set(QT_HOST_PATH_CMAKE_DIR ${_velquin_host_qt} CACHE PATH "CMake packages of the host's Qt")
    endif()
  endif()
endif()
