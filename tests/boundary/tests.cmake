# The library boundary: export table, calling convention, null handles,
# truncating copies, and the module's start-up and unload.

if(RK_WINDOWS)
  math(EXPR rk_bits "${CMAKE_SIZEOF_VOID_P} * 8")
  add_test(NAME boundary/export_table
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-exports.sh win${rk_bits} ${CMAKE_OBJDUMP} $<TARGET_FILE:RkDb2Rova>
    ${RK_EXPORT_FILES_DIR}/exports.txt)
else()
  add_test(NAME boundary/export_table
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-exports.sh native ${CMAKE_NM} $<TARGET_FILE:RkDb2Rova>
    ${RK_EXPORT_FILES_DIR}/exports.txt)
endif()

rk_test_program(boundary_tests ${CMAKE_CURRENT_LIST_DIR}/NullHandleTest.cpp)
if(RK_WINDOWS AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # __stdcall's stack balance, measured by hand-written i386 assembly.
  target_sources(boundary_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/StackBalanceTestWin32.cpp)
endif()
rk_test_cases(boundary_tests CLIENT sim)

rk_unit_program(boundary_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/TruncatingCopyTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeaderFromC.c)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/HeaderFromC.c PROPERTIES COMPILE_OPTIONS "-std=c11;-pedantic-errors")
rk_test_cases(boundary_unit_tests CLIENT no-client)
