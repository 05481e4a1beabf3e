# Installation and the Debian package of orvan-print. Included from the top-level
# CMakeLists.txt once every target exists. The installed tree:
#
#   bin/orvan-print
#   lib/orvan-print/liborvan_platform.so            (platform/CMakeLists.txt)
#   lib/orvan-print/orvan-preview.so                (the preview's renderer, loaded on demand)
#   lib/orvan-print/OrvanPDE.bundle/OrvanPDE.so
#   lib/orvan-print/OrvanPDE.bundle/Info.json       (resources/CMakeLists.txt, as the
#   lib/orvan-print/OrvanPDE.bundle/Resources/...    rest of the bundle)
#   share/applications/zz-orvan-print.desktop
#   share/icons/hicolor/scalable/apps/orvan-print.svg
#   share/man/man1/orvan-print.1.gz                 (made from orvan-print --help)
#   share/doc/orvan-print/copyright, changelog.gz
#
# orvan-print finds the bundle at ../lib/orvan-print/OrvanPDE.bundle from its own folder.

# The host and the module find the one platform library through $ORIGIN, so the
# installed tree works wherever it is put and never reaches back into the build tree.
set_target_properties(orvan-print PROPERTIES INSTALL_RPATH "$ORIGIN/../lib/orvan-print")
set_target_properties(OrvanPDE PROPERTIES INSTALL_RPATH "$ORIGIN/..")

install(TARGETS OrvanPDE LIBRARY DESTINATION lib/orvan-print/OrvanPDE.bundle)
# The desktop entry offers orvan-print in "Open with" for PDF and PostScript. Where no
# one has chosen a default opener, desktops take the first application their cache lists
# for a type, and the cache lists them by desktop file name: the name puts orvan-print
# after every viewer, so it never becomes the opener of a type another program reads.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/packaging/zz-orvan-print.desktop DESTINATION share/applications)
# Found beside the platform library by the preview worker.
install(TARGETS orvan-preview LIBRARY DESTINATION lib/orvan-print)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/packaging/orvan-print.svg DESTINATION share/icons/hicolor/scalable/apps)
# The bundled printer description's last filter, where CUPS runs filters from.
install(TARGETS orvan-features RUNTIME DESTINATION lib/cups/filter)

# The manual page is orvan-print's own --help and --version, laid out by help2man, so the
# two never tell different things.
find_program(ORVAN_HELP2MAN help2man)
if(NOT ORVAN_HELP2MAN)
  message(FATAL_ERROR "help2man was not found: install the Debian package help2man "
                      "(scripts/install-deps installs everything the build needs).")
endif()
set(_orvan_man "${CMAKE_BINARY_DIR}/man/orvan-print.1")
add_custom_command(OUTPUT "${_orvan_man}.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/man"
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          "${ORVAN_HELP2MAN}" --no-info --section=1 --source=Orvan
          "--name=print dialog of the Orvan colour laser printer"
          --include=${CMAKE_CURRENT_LIST_DIR}/packaging/orvan-print.h2m
          --output=${_orvan_man} $<TARGET_FILE:orvan-print>
  COMMAND gzip -9nf "${_orvan_man}"
  DEPENDS orvan-print ${CMAKE_CURRENT_LIST_DIR}/packaging/orvan-print.h2m
  COMMENT "" VERBATIM)
# Debian's changelog, compressed reproducibly (no name, no time stamp).
set(_orvan_changelog "${CMAKE_BINARY_DIR}/doc/changelog")
add_custom_command(OUTPUT "${_orvan_changelog}.gz"
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/packaging/changelog "${_orvan_changelog}"
  COMMAND gzip -9nf "${_orvan_changelog}"
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/packaging/changelog
  COMMENT "" VERBATIM)
add_custom_target(orvan_docs ALL DEPENDS "${_orvan_man}.gz" "${_orvan_changelog}.gz")
install(FILES "${_orvan_man}.gz" DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/packaging/copyright "${_orvan_changelog}.gz"
        DESTINATION share/doc/orvan-print)

# --- Debian package: cpack -G DEB (from a build without sanitizers) ---------------------
set(ORVAN_PACKAGE_MAINTAINER "Orvan print dialog maintainers <orvan-print@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvan-print)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvan")
set(CPACK_PACKAGE_CONTACT "${ORVAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print dialog for the Orvan colour laser printer")
set(CPACK_PACKAGE_DESCRIPTION
  "orvan-print shows every feature of an Orvan colour laser printer in one dialog:\n"
  "image options (output colour, quality, screen, toner saving, gray guarantee,\n"
  "brightness), colour balance of the four toners, and secure print with a user ID\n"
  "and passcode. It prints PDF and PostScript documents to a CUPS queue or to a\n"
  "file, and saves its choices as a printer's defaults for every application.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVAN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries it links (Qt, libcups, the C++ runtime) come from dpkg-shlibdeps; the
# lp tools and a server are what a print dialog on CUPS needs besides.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/platform")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# QtKeychain reaches the desktop's secret store through libsecret, which it loads when
# it runs: without it a passcode is not kept, nothing more. The preview of PostScript
# documents goes through ghostscript.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0, ghostscript")

set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/packaging/PrivateLibrary.cmake")

include(CPack)

# --- Tests of the installed tree -----------------------------------------------------------
if(ORVAN_BUILD_TESTS)
  # Installs into a staging prefix and runs the installed host there on the installed bundle.
  add_test(NAME install_staged
    COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/install-test
            -P ${CMAKE_CURRENT_LIST_DIR}/InstallTest.cmake)
  # Makes the .deb and reads it back.
  add_test(NAME package_deb
    COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/package-test
            -P ${CMAKE_CURRENT_LIST_DIR}/PackageTest.cmake)
  set_tests_properties(install_staged package_deb PROPERTIES
    LABELS install
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endif()
