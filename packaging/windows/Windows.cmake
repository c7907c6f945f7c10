# What makes zazuzar.exe a Windows program: no console, its icon at the sizes
# Explorer and the taskbar use, a version resource, a manifest that asks for
# no administrator rights, and the window's font built in (Windows has no
# Liberation Sans). packaging/windows/build.sh packs the rest into the zip.
set(ZAZUZAR_FONT "" CACHE FILEPATH "Liberation Sans Regular (TTF), built into the Windows program")
if(NOT EXISTS "${ZAZUZAR_FONT}")
  message(FATAL_ERROR "ZAZUZAR_FONT must name LiberationSans-Regular.ttf (fonts-liberation2)")
endif()
set_source_files_properties(${ZAZUZAR_FONT} PROPERTIES QT_RESOURCE_ALIAS LiberationSans-Regular.ttf)
qt_add_resources(zazuzar_ui font PREFIX /fonts BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${ZAZUZAR_FONT})

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(windows_dir ${PROJECT_SOURCE_DIR}/packaging/windows)
set(zazuzar_ico ${CMAKE_CURRENT_BINARY_DIR}/zazuzar.ico)
set(zazuzar_manifest ${windows_dir}/zazuzar.manifest)
set(icon_pictures)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND icon_pictures ${PROJECT_SOURCE_DIR}/resources/icon${size}.png)
endforeach()
add_custom_command(OUTPUT ${zazuzar_ico}
  COMMAND Python3::Interpreter ${windows_dir}/make_ico.py ${zazuzar_ico} ${icon_pictures}
  DEPENDS ${windows_dir}/make_ico.py ${icon_pictures}
  COMMENT "Icon for Explorer and the taskbar")
configure_file(${windows_dir}/zazuzar.rc.in ${CMAKE_CURRENT_BINARY_DIR}/zazuzar.rc @ONLY)
target_sources(zazuzar PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/zazuzar.rc ${zazuzar_ico})
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/zazuzar.rc PROPERTIES
  OBJECT_DEPENDS "${zazuzar_ico};${zazuzar_manifest}")
set_target_properties(zazuzar PROPERTIES WIN32_EXECUTABLE ON)
