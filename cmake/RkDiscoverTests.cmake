# Runs inside CTest, before the tests: lists the cases of a GoogleTest
# program (through the emulator, Wine, for the Windows flavour) and adds one
# CTest test per case, each run in a process of its own. The build never
# runs a test program. Used by rk_test_cases() in tests/CMakeLists.txt,
# which unlike gtest_discover_tests() can give each case several
# environment variables.

function(rk_discover_tests)
  cmake_parse_arguments(D "" "EXECUTABLE;FILTER;PREFIX;LOCK;WORKING_DIRECTORY" "EMULATOR;LABELS;ENVIRONMENT;PROPERTIES" ${ARGN})
  execute_process(
    COMMAND ${D_EMULATOR} ${D_EXECUTABLE} --gtest_list_tests --gtest_filter=${D_FILTER}
    WORKING_DIRECTORY ${D_WORKING_DIRECTORY}
    OUTPUT_VARIABLE listing
    RESULT_VARIABLE status
    TIMEOUT 120)
  if(NOT status EQUAL 0)
    # A test that fails and shows why, instead of silently running nothing.
    add_test(${D_PREFIX}LIST_TESTS_FAILED ${D_EMULATOR} ${D_EXECUTABLE} --gtest_list_tests)
    return()
  endif()

  string(REPLACE "\r" "" listing "${listing}")
  string(REPLACE ";" "\\;" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  set(suite "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE " *#.*$" "" line "${line}")
    if(line MATCHES "^([A-Za-z0-9_/]+\\.)$")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([A-Za-z0-9_/]+)$" AND suite)
      set(case "${suite}${CMAKE_MATCH_1}")
      if(case MATCHES "DISABLED_")
        continue()
      endif()
      set(name "${D_PREFIX}${case}")
      add_test(${name} ${D_EMULATOR} ${D_EXECUTABLE} --gtest_filter=${case})
      set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${D_ENVIRONMENT}"
        LABELS "${D_LABELS}"
        WORKING_DIRECTORY "${D_WORKING_DIRECTORY}"
        SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
      if(D_PROPERTIES)
        set_tests_properties(${name} PROPERTIES ${D_PROPERTIES})
      endif()
      if(D_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${D_LOCK})
      endif()
    endif()
  endforeach()
endfunction()
