# DB2 client access: library objects, error text, the default instance.

rk_unit_program(db2_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/Db2LibTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorTextTest.cpp)
rk_test_cases(db2_unit_tests CLIENT no-client)

rk_unit_program(default_instance_tests ${CMAKE_CURRENT_LIST_DIR}/DefaultInstanceTest.cpp)
rk_test_cases(default_instance_tests CLIENT no-client PROFILE)

rk_test_program(error_text_export_tests ${CMAKE_CURRENT_LIST_DIR}/ErrorTextExportTest.cpp)
rk_test_cases(error_text_export_tests CLIENT older-app PROFILE)
if(RK_DB2_FILE_SUFFIX STREQUAL "64")
  # The 64-bit client without db2sys64.dll: DB2's texts come from db2app64.dll.
  rk_test_cases(error_text_export_tests CLIENT messages-in-app PROFILE)
endif()
