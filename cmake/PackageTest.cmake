# Makes the Debian package with CPack and reads it back: the files it installs and the
# dependencies dpkg-shlibdeps found.
#
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -P PackageTest.cmake

foreach(_var BUILD_DIR WORK_DIR)
  if(NOT ${_var})
    message(FATAL_ERROR "PackageTest.cmake: ${_var} is not set")
  endif()
endforeach()

function(fail)
  string(JOIN "" _text ${ARGN})
  message(FATAL_ERROR "package test: ${_text}")
endfunction()

foreach(_tool dpkg-deb dpkg-shlibdeps)
  find_program(_found_${_tool} ${_tool})
  if(NOT _found_${_tool})
    fail("${_tool} is missing (Debian package dpkg-dev)")
  endif()
endforeach()
get_filename_component(_cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
find_program(_cpack cpack HINTS "${_cmake_bin}" REQUIRED)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${_cpack}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("cpack failed (${_rc}):\n${_out}${_err}")
endif()
file(GLOB _debs "${WORK_DIR}/orvan-print_*.deb")
list(LENGTH _debs _count)
if(NOT _count EQUAL 1)
  fail("expected one orvan-print_*.deb in ${WORK_DIR}, found ${_count}:\n${_out}")
endif()

execute_process(COMMAND dpkg-deb -c "${_debs}" RESULT_VARIABLE _rc OUTPUT_VARIABLE _listing ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg-deb -c failed: ${_err}")
endif()
set(_bundle "./usr/lib/orvan-print/OrvanPDE.bundle")
foreach(_file
    ./usr/bin/orvan-print
    ./usr/lib/orvan-print/liborvan_platform.so
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
    ./usr/share/applications/orvan-print.desktop
    ./usr/share/icons/hicolor/scalable/apps/orvan-print.svg)
  string(FIND "${_listing}" " ${_file}\n" _at)
  if(_at EQUAL -1)
    fail("the package lacks ${_file}:\n${_listing}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f "${_debs}" Package Version Section Maintainer Depends
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _fields ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg-deb -f failed: ${_err}")
endif()
foreach(_expected "Package: orvan-print" "Section: utils" "cups-client" "libcups2" "libqt6widgets6" "libc6")
  string(FIND "${_fields}" "${_expected}" _at)
  if(_at EQUAL -1)
    fail("the package's control fields lack \"${_expected}\":\n${_fields}")
  endif()
endforeach()

message(STATUS "${_debs}\n${_fields}")
