# solvane_add_test(NAME SOURCES ... LIBRARIES ...)
# One GoogleTest executable registered with CTest. Every test inside it runs
# in a fresh temporary program folder (see tests/support), headless, with the
# null audio output unless the test chooses the WAV-file output itself.
function(solvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE solvane_test_support ${ARG_LIBRARIES})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SOLVANE_AUDIO_OUTPUT=null;SOLVANE_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
