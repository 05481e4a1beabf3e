# Lays out the fuzz targets' seed corpora in OUTPUT_DIR, one folder per target:
#   cmake -DSOURCE_DIR=<source tree> -DOUTPUT_DIR=<folder> -P fuzz/Corpus.cmake
# The seeds kept in fuzz/corpus/<target> (hand-made inputs and the inputs of faults
# once found) are copied as they are. fuzz_ppd also gets every printer description
# the tests use, alone and followed by each action script of fuzz/ppd-actions, so its
# seeds follow the descriptions as they change.
foreach(_var SOURCE_DIR OUTPUT_DIR)
  if(NOT ${_var})
    message(FATAL_ERROR "Corpus.cmake: ${_var} not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(GLOB _targets LIST_DIRECTORIES true "${SOURCE_DIR}/fuzz/corpus/*")
foreach(_dir IN LISTS _targets)
  if(IS_DIRECTORY "${_dir}")
    file(COPY "${_dir}" DESTINATION "${OUTPUT_DIR}")
  endif()
endforeach()

set(_ppd_seeds "${OUTPUT_DIR}/fuzz_ppd")
file(MAKE_DIRECTORY "${_ppd_seeds}")
# The line fuzz_ppd reads the actions after (kActions in fuzz_ppd.cpp).
set(_marker "${OUTPUT_DIR}/.actions-marker")
file(WRITE "${_marker}" "\n*%FUZZ-ACTIONS\n")

file(GLOB_RECURSE _ppds "${SOURCE_DIR}/tests/*.ppd")
list(PREPEND _ppds "${SOURCE_DIR}/resources/Orvan.ppd")
file(GLOB _scripts "${SOURCE_DIR}/fuzz/ppd-actions/*")
foreach(_ppd IN LISTS _ppds)
  get_filename_component(_name "${_ppd}" NAME_WE)
  if(EXISTS "${_ppd_seeds}/${_name}")
    message(FATAL_ERROR "Corpus.cmake: two printer descriptions named ${_name}")
  endif()
  file(COPY_FILE "${_ppd}" "${_ppd_seeds}/${_name}")
  foreach(_script IN LISTS _scripts)
    get_filename_component(_action "${_script}" NAME)
    # The actions are bytes, not text: cmake -E cat keeps them as they are.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E cat "${_ppd}" "${_marker}" "${_script}"
      OUTPUT_FILE "${_ppd_seeds}/${_name}.${_action}"
      RESULT_VARIABLE _result)
    if(NOT _result EQUAL 0)
      message(FATAL_ERROR "Corpus.cmake: cannot write the seed ${_name}.${_action}")
    endif()
  endforeach()
endforeach()
file(REMOVE "${_marker}")
file(TOUCH "${OUTPUT_DIR}/.stamp")
