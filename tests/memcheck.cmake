# valgrind's memcheck over the native flavour's GoogleTest cases: the
# library's in-process cases and the host cases that drive it end to end
# through its exports and the stand-in client. The stand-in's own cases
# (sim_tests) and the host listing cases of the older-route doubles are left
# out: they add time, not library code (the in-process cases take both
# routes). Fails on any invalid access, any uninitialised value
# that reaches a branch, a system call or an output, and any definite or
# indirect leak when a process ends (host cases unload the library first).
#
#   ctest -S tests/memcheck.cmake     (after the native build; scripts/test memcheck)
#
# To see where an uninitialised value came from, add --track-origins=yes to
# the options below (it doubles the time).

get_filename_component(CTEST_SOURCE_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CTEST_BINARY_DIRECTORY ${CTEST_SOURCE_DIRECTORY}/build/native)
if(NOT EXISTS ${CTEST_BINARY_DIRECTORY}/CTestTestfile.cmake)
  message(FATAL_ERROR "No native build in ${CTEST_BINARY_DIRECTORY}: cmake --preset native && cmake --build --preset native")
endif()

find_program(CTEST_MEMORYCHECK_COMMAND valgrind REQUIRED)
set(CTEST_MEMORYCHECK_TYPE Valgrind)
set(CTEST_MEMORYCHECK_COMMAND_OPTIONS
  "--error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect --keep-debuginfo=yes --num-callers=30 --gen-suppressions=all")
set(CTEST_MEMORYCHECK_SUPPRESSIONS_FILE ${CMAKE_CURRENT_LIST_DIR}/valgrind.supp)
set(CTEST_TEST_TIMEOUT 300)

ctest_start(Experimental QUIET)
ctest_memcheck(
  INCLUDE_LABEL "_tests$"
  EXCLUDE_LABEL "^sim_tests$"
  EXCLUDE "^(older-app|app-open-scan-only)/DirectoryListing\\."
  PARALLEL_LEVEL 2
  RETURN_VALUE failed
  DEFECT_COUNT defects)

# Show what valgrind found, with the suppression that would hide it.
file(GLOB logs ${CTEST_BINARY_DIRECTORY}/Testing/Temporary/MemoryChecker.*.log)
foreach(log IN LISTS logs)
  file(READ ${log} text)
  if(text MATCHES "ERROR SUMMARY: [1-9]")
    message("---- ${log}\n${text}")
  endif()
endforeach()
if(NOT failed EQUAL 0 OR NOT defects EQUAL 0)
  message(FATAL_ERROR "memcheck: ${defects} defects, failed cases: ${failed}")
endif()
message("memcheck: no defects")
