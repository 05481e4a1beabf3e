# CPack post-build script: CPack gives a package with a library anywhere under /usr/lib
# maintainer scripts that run ldconfig. orvan-print's platform library is private (in
# /usr/lib/orvan-print, found through RUNPATH), so the linker cache has nothing to learn
# from it; the scripts go, and the package installs and removes without running any.
foreach(_deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT _deb MATCHES "\\.deb$")
    continue()
  endif()
  set(_tree "${_deb}.tree")
  file(REMOVE_RECURSE "${_tree}")
  execute_process(COMMAND dpkg-deb -R "${_deb}" "${_tree}" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -R ${_deb}: ${_err}")
  endif()
  file(REMOVE "${_tree}/DEBIAN/postinst" "${_tree}/DEBIAN/postrm")
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${_tree}" "${_deb}"
                  RESULT_VARIABLE _rc OUTPUT_QUIET ERROR_VARIABLE _err)
  file(REMOVE_RECURSE "${_tree}")
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -b ${_deb}: ${_err}")
  endif()
endforeach()
