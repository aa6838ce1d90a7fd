# Installs the build into a temporary prefix and checks what the desktop will find there:
# the program (which answers --version), its desktop entry naming an installed program
# and icon, the scalable icon and the AppStream metadata, validated by
# desktop-file-validate and appstreamcli where they are installed.
# Run by CTest: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P InstallTest.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program ${PREFIX}/bin/orbelune)
set(entry ${PREFIX}/share/applications/${APP_ID}.desktop)
set(icon ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(file ${program} ${entry} ${icon} ${metainfo})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS ${entry} exec REGEX "^Exec=")
file(STRINGS ${entry} icon_name REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=orbelune" OR NOT icon_name STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the entry names another program or icon: ${exec} ${icon_name}")
endif()
file(READ ${icon} svg)
if(NOT svg MATCHES "<svg" OR NOT svg MATCHES "data:image/png;base64,")
  message(FATAL_ERROR "${icon} is not the drawn icon")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${program} --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version)
if(NOT result EQUAL 0 OR NOT version MATCHES "^orbelune [0-9]")
  message(FATAL_ERROR "the installed program does not run: ${result} ${version}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses ${entry}")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed: entry not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses ${metainfo}")
  endif()
else()
  message(STATUS "appstreamcli is not installed: metadata not validated")
endif()
file(REMOVE_RECURSE ${PREFIX})
