cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks that the executable,
# its desktop entry and its icon land where a desktop looks for them.
# Run with -DBUILD=<build folder> -DPREFIX=<scratch folder>.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/tarnwell share/applications/tarnwell.desktop share/icons/hicolor/scalable/apps/tarnwell.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/tarnwell.desktop entry)
foreach(line "Exec=tarnwell" "Icon=tarnwell" "Type=Application")
  if(NOT "${line}" IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
