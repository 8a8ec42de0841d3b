# The stress program: eight threads on one library, against the stand-in's
# directories and a SQLite data source. Its case never gets a second run
# (scripts/wine-tests) and also runs under ThreadSanitizer.

rk_test_program(stress_tests
  ${CMAKE_CURRENT_LIST_DIR}/StressTest.cpp
  ${PROJECT_SOURCE_DIR}/tests/connect/ConnectTestSupport.cpp)
target_include_directories(stress_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/connect)
target_link_libraries(stress_tests PRIVATE rksim_store)
rk_test_cases(stress_tests CLIENT sim LABELS stress ENVIRONMENT ${rk_odbc_env})
