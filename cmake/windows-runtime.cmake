# What a Windows executable of Velquin loads besides itself, all taken from the
# Windows Qt (scripts/build-windows-qt): the Qt libraries, the MinGW runtime
# DLLs that Qt and Velquin share, and the plug-ins, each where Qt looks for
# it beside the executable (platforms/, styles/).
#
# The build copies them into its bin/ folder, where every executable of the
# build is written: the tests under Wine and velquin.exe then run from the
# same layout as the zip's. The install rules put the shipped part beside
# velquin.exe, which scripts/package-windows zips: the windows platform and
# the style plug-in, not the offscreen platform and Qt Test of the tests.

get_filename_component(_velquin_qt_bin "${Qt6_DIR}/../../../bin" ABSOLUTE)
set(_velquin_dlls
  $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  ${_velquin_qt_bin}/libgcc_s_seh-1.dll
  ${_velquin_qt_bin}/libstdc++-6.dll
  ${_velquin_qt_bin}/libwinpthread-1.dll)
set(_velquin_platforms $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
# Qt's own texts in Japanese (the file dialog, the context menus): the same
# file as on Linux, from Debian's qt6-translations-l10n; velquin.exe loads it
# from translations/ beside itself.
find_file(VELQUIN_QT_JAPANESE qtbase_ja.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(_velquin_styles $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)

install(TARGETS velquin velquin_console RUNTIME DESTINATION .)
install(FILES ${_velquin_dlls} DESTINATION .)
install(FILES ${_velquin_platforms} DESTINATION platforms)
install(FILES ${_velquin_styles} DESTINATION styles)
install(FILES ${VELQUIN_QT_JAPANESE} DESTINATION translations)

if(VELQUIN_BUILD_TESTS)
  list(APPEND _velquin_dlls $<TARGET_FILE:Qt6::Test>)
  list(APPEND _velquin_platforms $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>)
endif()
set(_velquin_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(velquin_windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_velquin_bin}/platforms ${_velquin_bin}/styles
          ${_velquin_bin}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_velquin_dlls} ${_velquin_bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_velquin_platforms} ${_velquin_bin}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_velquin_styles} ${_velquin_bin}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELQUIN_QT_JAPANESE} ${_velquin_bin}/translations
  COMMENT "Qt and MinGW runtime DLLs, plug-ins and Japanese texts beside the executables"
  VERBATIM)
