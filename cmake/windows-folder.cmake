# The Windows program folder: beside merisko.exe the Qt and MinGW runtime DLLs it loads, the
# platform and style plugins, Qt's Polish catalogue, and a qt.conf that makes Qt look for all of
# them in the folder itself, wherever the folder is unpacked.

# The MinGW runtime of the compiler that built the program (posix threads variant).
set(WINDOWS_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    find_file(path_${dll} ${dll} PATH_SUFFIXES lib bin REQUIRED)
    set(path ${path_${dll}})
  endif()
  list(APPEND WINDOWS_RUNTIME_DLLS ${path})
endforeach()

# libpng's DLL lies beside its import library's folder, in bin/.
get_filename_component(png_prefix ${PNG_LIBRARY_RELEASE} DIRECTORY)
file(GLOB PNG_DLLS ${png_prefix}/../bin/libpng*.dll)

# The Polish catalogue of Qt's own texts is the same file on every system.
find_file(QTBASE_PL qtbase_pl.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(svg_dll)
if(TARGET Qt6::Svg)
  set(svg_dll $<TARGET_FILE:Qt6::Svg>)
endif()

# The command line's picture exports run without a display, on the offscreen platform.
set(offscreen_plugin)
if(TARGET Qt6::QOffscreenIntegrationPlugin)
  set(offscreen_plugin COMMAND ${CMAKE_COMMAND} -E copy_if_different
                       $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${MERISKO_DIR}/platforms/)
endif()

set(style_plugin)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  set(style_plugin COMMAND ${CMAKE_COMMAND} -E make_directory ${MERISKO_DIR}/styles
                   COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> ${MERISKO_DIR}/styles/)
endif()

add_custom_target(windows_folder ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui>
          $<TARGET_FILE:Qt6::Widgets> ${svg_dll} ${WINDOWS_RUNTIME_DLLS} ${PNG_DLLS} ${MERISKO_DIR}/
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MERISKO_DIR}/platforms ${MERISKO_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> ${MERISKO_DIR}/platforms/
  ${offscreen_plugin}
  ${style_plugin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QTBASE_PL} ${MERISKO_DIR}/translations/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_LIST_DIR}/qt.conf ${MERISKO_DIR}/
  VERBATIM)
add_dependencies(windows_folder merisko)
