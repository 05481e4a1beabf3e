# Makes the Debian package with CPack and reads it back: the files it installs and the
# dependencies dpkg-shlibdeps found; lintian finds nothing to say; installed into a private
# root and removed again, nothing stays; its desktop entry offers orvan-print for PDF and
# PostScript without taking the default opener from an installed viewer; and, as root,
# `apt-get install ./orvan-print_*.deb` and `apt-get remove` on this machine.
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

foreach(_tool dpkg-deb dpkg-shlibdeps lintian xdg-mime update-desktop-database)
  find_program(_found_${_tool} ${_tool})
  if(NOT _found_${_tool})
    fail("${_tool} is missing (Debian packages dpkg-dev, lintian, xdg-utils, desktop-file-utils: "
         "scripts/install-deps installs them)")
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
    ./usr/share/applications/zz-orvan-print.desktop
    ./usr/share/icons/hicolor/scalable/apps/orvan-print.svg
    ./usr/share/man/man1/orvan-print.1.gz
    ./usr/share/doc/orvan-print/copyright
    ./usr/share/doc/orvan-print/changelog.gz)
  string(FIND "${_listing}" " ${_file}\n" _at)
  if(_at EQUAL -1)
    fail("the package lacks ${_file}:\n${_listing}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f "${_debs}" Package Version Section Maintainer Depends Recommends
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _fields ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg-deb -f failed: ${_err}")
endif()
foreach(_expected "Package: orvan-print" "Section: utils" "cups-client" "libcups2" "libqt6widgets6" "libc6"
                  "libqt6keychain1" "Recommends: libsecret-1-0")
  string(FIND "${_fields}" "${_expected}" _at)
  if(_at EQUAL -1)
    fail("the package's control fields lack \"${_expected}\":\n${_fields}")
  endif()
endforeach()


# --- lintian: no error and no warning ---------------------------------------------------
execute_process(COMMAND lintian --fail-on error,warning --no-tag-display-limit "${_debs}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _lintian ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("lintian has something to say (${_rc}):\n${_lintian}${_err}")
endif()

# --- the manual page is the program's --help --------------------------------------------
execute_process(COMMAND dpkg-deb -x "${_debs}" "${WORK_DIR}/unpacked" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg-deb -x failed: ${_err}")
endif()
execute_process(COMMAND gzip -dc "${WORK_DIR}/unpacked/usr/share/man/man1/orvan-print.1.gz"
                OUTPUT_VARIABLE _man RESULT_VARIABLE _rc)
foreach(_expected "--defaults" "--all-users" "--test-page" "lpoptions" "Exit status" "SEE ALSO")
  string(FIND "${_man}" "${_expected}" _at)
  if(_at EQUAL -1)
    # groff writes a minus sign for a dash.
    string(REPLACE "-" "\\-" _escaped "${_expected}")
    string(FIND "${_man}" "${_escaped}" _at)
  endif()
  if(_at EQUAL -1)
    fail("the manual page lacks ${_expected}:\n${_man}")
  endif()
endforeach()

# --- Open with, never the default opener ----------------------------------------------------
# A desktop of nobody in particular: a private data directory with a PDF viewer in it, no
# user choices, no desktop environment named.
set(_xdg "${WORK_DIR}/xdg")
file(MAKE_DIRECTORY "${_xdg}/data/applications" "${_xdg}/home" "${_xdg}/config")
set(_xdg_env
  "XDG_DATA_DIRS=${_xdg}/data" "XDG_DATA_HOME=${_xdg}/home/.local/share" "XDG_CONFIG_HOME=${_xdg}/config"
  "XDG_CONFIG_DIRS=${_xdg}/config" "HOME=${_xdg}/home"
  --unset=XDG_CURRENT_DESKTOP --unset=DESKTOP_SESSION --unset=KDE_FULL_SESSION --unset=GNOME_DESKTOP_SESSION_ID)
function(default_opener _type _out)
  execute_process(COMMAND update-desktop-database "${_xdg}/data/applications" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    fail("update-desktop-database failed: ${_err}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${_xdg_env} xdg-mime query default ${_type}
                  OUTPUT_VARIABLE _answer OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _rc)
  set(${_out} "${_answer}" PARENT_SCOPE)
endfunction()
# Alone, orvan-print is offered for both types (the type's only program).
file(COPY "${WORK_DIR}/unpacked/usr/share/applications/zz-orvan-print.desktop"
     DESTINATION "${_xdg}/data/applications")
foreach(_type application/pdf application/postscript)
  default_opener(${_type} _alone)
  if(NOT _alone STREQUAL "zz-orvan-print.desktop")
    fail("orvan-print is not offered for ${_type}: xdg-mime answers \"${_alone}\"")
  endif()
endforeach()
# Beside viewers whose names sort every which way, the viewer stays the default opener.
foreach(_viewer zathura xpdf qpdfview atril org.gnome.Evince)
  file(REMOVE_RECURSE "${_xdg}/data/applications")
  file(MAKE_DIRECTORY "${_xdg}/data/applications")
  file(WRITE "${_xdg}/data/applications/${_viewer}.desktop"
       "[Desktop Entry]\nType=Application\nName=${_viewer}\nExec=${_viewer} %f\n"
       "MimeType=application/pdf;application/postscript;\n")
  foreach(_type application/pdf application/postscript)
    default_opener(${_type} _before)
    file(COPY "${WORK_DIR}/unpacked/usr/share/applications/zz-orvan-print.desktop"
         DESTINATION "${_xdg}/data/applications")
    default_opener(${_type} _after)
    file(REMOVE "${_xdg}/data/applications/zz-orvan-print.desktop")
    if(NOT _before STREQUAL "${_viewer}.desktop" OR NOT _after STREQUAL _before)
      fail("installing orvan-print changed the default opener of ${_type} from \"${_before}\" to \"${_after}\"")
    endif()
  endforeach()
endforeach()

# --- installed into a private root and removed: nothing stays --------------------------------
execute_process(COMMAND id -u OUTPUT_VARIABLE _uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT _uid STREQUAL "0")
  message(STATUS "${_debs}\n${_fields}\nnot root: the install and removal checks were skipped")
  return()
endif()
set(_root "${WORK_DIR}/root")
file(MAKE_DIRECTORY "${_root}/var/lib/dpkg/info" "${_root}/var/lib/dpkg/updates" "${_root}/var/lib/dpkg/triggers")
file(TOUCH "${_root}/var/lib/dpkg/status")
# The private root has none of the libraries: the package alone is what is checked.
execute_process(COMMAND dpkg --root=${_root} --force-depends --log=/dev/null -i "${_debs}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg --root -i failed (${_rc}):\n${_out}${_err}")
endif()
execute_process(COMMAND dpkg --root=${_root} -L orvan-print OUTPUT_VARIABLE _listed)
string(REPLACE "\n" ";" _listed "${_listed}")
foreach(_path IN LISTS _listed)
  if(_path AND NOT EXISTS "${_root}${_path}")
    fail("dpkg lists ${_path} but did not install it")
  endif()
endforeach()
execute_process(COMMAND dpkg --root=${_root} --force-depends --log=/dev/null --purge orvan-print
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("dpkg --root --purge failed (${_rc}):\n${_out}${_err}")
endif()
file(GLOB_RECURSE _left LIST_DIRECTORIES false RELATIVE "${_root}" "${_root}/*")
list(FILTER _left EXCLUDE REGEX "^var/lib/dpkg/")
file(GLOB_RECURSE _left_dirs LIST_DIRECTORIES true RELATIVE "${_root}" "${_root}/usr/*")
if(_left OR _left_dirs)
  fail("removing orvan-print left behind: ${_left} ${_left_dirs}")
endif()

# --- apt install ./orvan-print_*.deb and apt remove, on this machine ---------------------------
execute_process(COMMAND dpkg-query -W "-f=\${db:Status-Status}" orvan-print OUTPUT_VARIABLE _status ERROR_QUIET)
if(_status STREQUAL "installed")
  message(STATUS "${_debs}\n${_fields}\norvan-print is installed here already: the apt checks were skipped")
  return()
endif()
find_program(_apt apt-get)
if(NOT _apt)
  message(STATUS "${_debs}\n${_fields}\nno apt-get: the apt checks were skipped")
  return()
endif()
set(_apt_env DEBIAN_FRONTEND=noninteractive)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${_apt_env} apt-get install -y -q "${_debs}"
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  fail("apt-get install ./${_debs} failed (${_rc}):\n${_out}${_err}")
endif()
execute_process(COMMAND dpkg -L orvan-print OUTPUT_VARIABLE _installed)
execute_process(COMMAND /usr/bin/orvan-print --version OUTPUT_VARIABLE _version RESULT_VARIABLE _rc)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${_apt_env} apt-get remove -y -q orvan-print
                RESULT_VARIABLE _removed OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _removed EQUAL 0)
  fail("apt-get remove orvan-print failed (${_removed}):\n${_out}${_err}")
endif()
if(NOT _rc EQUAL 0 OR NOT _version MATCHES "^orvan-print ")
  fail("the installed /usr/bin/orvan-print did not run (${_rc}): ${_version}")
endif()
string(REPLACE "\n" ";" _installed "${_installed}")
foreach(_path IN LISTS _installed)
  if(_path MATCHES "orvan" AND EXISTS "${_path}")
    fail("apt-get remove left ${_path} behind")
  endif()
endforeach()
execute_process(COMMAND dpkg-query -W "-f=\${db:Status-Status}" orvan-print OUTPUT_VARIABLE _status ERROR_QUIET)
if(_status STREQUAL "installed" OR _status STREQUAL "config-files")
  fail("after apt-get remove, dpkg still knows orvan-print: ${_status}")
endif()
if(EXISTS /usr/share/applications/mimeinfo.cache)
  file(READ /usr/share/applications/mimeinfo.cache _cache)
  string(FIND "${_cache}" "orvan-print" _at)
  if(NOT _at EQUAL -1)
    fail("after apt-get remove, the desktop's cache still offers orvan-print")
  endif()
endif()

message(STATUS "${_debs}\n${_fields}")
