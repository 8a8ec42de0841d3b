# The data-source list of the library against the stand-in, over malformed
# configuration files.

rk_test_program(datasource_tests ${CMAKE_CURRENT_LIST_DIR}/MalformedFilesTest.cpp)
rk_test_cases(datasource_tests CLIENT sim)
