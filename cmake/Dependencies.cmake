# What the build needs from the system, each named by the Debian package that holds it,
# so that a configure on a machine without it says what to install rather than which
# CMake file it could not find. scripts/install-deps installs all of them.

# orvan_require(<find_package arguments...> DEBIAN <package>): find_package, failing
# with the Debian package's name when it is missing.
macro(orvan_require)
  cmake_parse_arguments(_orvan_req "" "DEBIAN" "" ${ARGN})
  find_package(${_orvan_req_UNPARSED_ARGUMENTS} QUIET)
  list(GET _orvan_req_UNPARSED_ARGUMENTS 0 _orvan_req_name)
  string(REPLACE ";" " " _orvan_req_what "${_orvan_req_UNPARSED_ARGUMENTS}")
  if(NOT ${_orvan_req_name}_FOUND)
    message(FATAL_ERROR
      "${_orvan_req_what} was not found: install the "
      "Debian package ${_orvan_req_DEBIAN} (scripts/install-deps installs everything the build needs).")
  endif()
endmacro()

# Qt's components one by one: a component whose own dependency is missing fails as a
# whole (UiTools needs OpenGLWidgets, which qt6-base-dev only recommends).
orvan_require(Qt6 6.4 COMPONENTS Core Gui Widgets Test DEBIAN qt6-base-dev)
orvan_require(Qt6OpenGLWidgets DEBIAN libqt6opengl6-dev)
orvan_require(Qt6 6.4 COMPONENTS UiTools DEBIAN qt6-tools-dev)
orvan_require(Qt6 6.4 COMPONENTS LinguistTools DEBIAN "qt6-tools-dev and qt6-l10n-tools")
orvan_require(Cups DEBIAN libcups2-dev)
orvan_require(Qt6Keychain DEBIAN qtkeychain-qt6-dev)
