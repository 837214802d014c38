# Installs the build into a fresh prefix, as a user installs into ~/.local,
# and checks what a Linux desktop needs to offer the program: the commands,
# the menu entry, the icon, the AppStream description, the manual pages and
# the README. The validators run where they are installed.
#   cmake -DBUILD=<build folder> -DPREFIX=<new folder> -DVERSION=<x.y.z> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(status)
  message(FATAL_ERROR "install into ${PREFIX} failed: ${status}")
endif()

set(app org.quarvo.Quarvo)
foreach(file
    bin/quarvo bin/quarvo-report
    share/applications/${app}.desktop
    share/icons/hicolor/scalable/apps/${app}.svg
    share/metainfo/${app}.metainfo.xml
    share/doc/quarvo/README.md
    share/man/man1/quarvo.1 share/man/man1/quarvo-report.1)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

function(expect_success)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(status)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}")
  endif()
  message(STATUS "passed: ${ARGN}")
endfunction()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  expect_success("${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${app}.desktop")
else()
  message(STATUS "desktop-file-validate is not installed: the menu entry is not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  expect_success("${APPSTREAMCLI}" validate --no-net "${PREFIX}/share/metainfo/${app}.metainfo.xml")
else()
  message(STATUS "appstreamcli is not installed: the AppStream description is not validated")
endif()

# The installed commands answer with the project's one version number.
foreach(program quarvo quarvo-report)
  execute_process(COMMAND "${PREFIX}/bin/${program}" --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE out)
  if(status OR NOT out STREQUAL "${program} ${VERSION}\n")
    message(FATAL_ERROR "${program} --version gave ${status}: ${out}")
  endif()
endforeach()
