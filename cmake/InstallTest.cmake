# Installs the build tree into a staging prefix, moves the installed tree elsewhere (it
# must not depend on where it was put, nor on the build tree) and runs the installed
# orvan-print there, offscreen, on the installed bundle.
#
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -P InstallTest.cmake

foreach(_var BUILD_DIR WORK_DIR)
  if(NOT ${_var})
    message(FATAL_ERROR "InstallTest.cmake: ${_var} is not set")
  endif()
endforeach()

function(fail)
  string(JOIN "" _text ${ARGN})
  message(FATAL_ERROR "install test: ${_text}")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(_staged "${WORK_DIR}/staged")
set(_moved "${WORK_DIR}/moved elsewhere")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${_staged}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("cmake --install failed (${_rc}):\n${_out}${_err}")
endif()

set(_bundle "lib/orvan-print/OrvanPDE.bundle")
set(_expected
  bin/orvan-print
  lib/orvan-print/liborvan_platform.so
  lib/orvan-print/orvan-preview.so
  ${_bundle}/Info.json
  ${_bundle}/OrvanPDE.so
  ${_bundle}/Resources/PDEView.ui
  ${_bundle}/Resources/ColorBalance.ui
  ${_bundle}/Resources/JobTypeMain.ui
  ${_bundle}/Resources/JobTypeSetup.ui
  ${_bundle}/Resources/Orvan.ppd
  ${_bundle}/Resources/Help/index.html
  ${_bundle}/Resources/translations/OrvanPDE_de.qm
  ${_bundle}/Resources/translations/OrvanPDE_ja.qm
  ${_bundle}/Resources/translations/orvan-print_de.qm
  ${_bundle}/Resources/translations/orvan-print_ja.qm
  share/applications/zz-orvan-print.desktop
  share/icons/hicolor/scalable/apps/orvan-print.svg
  share/man/man1/orvan-print.1.gz
  share/doc/orvan-print/copyright
  share/doc/orvan-print/changelog.gz)
foreach(_file IN LISTS _expected)
  if(NOT EXISTS "${_staged}/${_file}")
    fail("${_file} is not installed")
  endif()
endforeach()

file(RENAME "${_staged}" "${_moved}")

# A private configuration directory, a print server that is not there (Save to File
# still works), and no bundle named from outside: the host must find its own.
set(_env
  "XDG_CONFIG_HOME=${WORK_DIR}/config"
  "CUPS_SERVER=127.0.0.1:9"
  "QT_QPA_PLATFORM=offscreen"
  --unset=ORVAN_PRINT_BUNDLE
  --unset=LD_LIBRARY_PATH)
set(_host "${_moved}/bin/orvan-print")

# The dialog with both panels, pictured.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${_env} "${_host}" --offscreen --screenshot "${WORK_DIR}/shown.png"
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("the installed orvan-print exited with ${_rc}:\n${_out}${_err}")
endif()
if(NOT EXISTS "${WORK_DIR}/shown.png")
  fail("the installed orvan-print wrote no screenshot")
endif()
file(READ "${WORK_DIR}/shown.png" _magic LIMIT 8 HEX)
if(NOT _magic STREQUAL "89504e470d0a1a0a")
  fail("the screenshot is not a PNG file")
endif()

# The Job Type panel shown first, named as an English desktop shows it: another picture.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${_env} LANG=C.UTF-8 --unset=LANGUAGE --unset=LC_ALL
                        "${_host}" --offscreen --panel "Job Type" --screenshot "${WORK_DIR}/job-type.png"
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("the installed orvan-print could not show the Job Type panel (${_rc}):\n${_out}${_err}")
endif()
file(SHA256 "${WORK_DIR}/shown.png" _shown)
file(SHA256 "${WORK_DIR}/job-type.png" _job_type)
if(_shown STREQUAL _job_type)
  fail("--panel \"Job Type\" showed the same window as the first panel")
endif()

# Printed to a file with both panels' settings: the ticket names the printer
# description of the bundle it used, which must be the installed one.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${_env} "${_host}" --offscreen --accept --output "${WORK_DIR}/job.ps"
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("the installed orvan-print could not print to a file (${_rc}):\n${_out}${_err}")
endif()
file(READ "${WORK_DIR}/job.ps.ticket.json" _ticket)
string(JSON _ppd GET "${_ticket}" printer-description)
if(NOT _ppd STREQUAL "${_moved}/${_bundle}/Resources/Orvan.ppd")
  fail("the installed orvan-print used ${_ppd}, not the installed bundle")
endif()
foreach(_keyword ColorModel JobType)
  string(JSON _choice ERROR_VARIABLE _missing GET "${_ticket}" options ${_keyword})
  if(_missing)
    fail("the job has no ${_keyword}: ${_ticket}")
  endif()
endforeach()

message(STATUS "installed tree works from ${_moved}")
