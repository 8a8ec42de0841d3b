# The database directory: entries from directory records, the node list and
# the directory scans, the list handle, the details record (in-process, with
# a fake client); then the list exports end to end against the stand-in.

rk_unit_program(directory_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestDirectoryRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FakeDirectoryClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryRecordsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DirectoryScanTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatabaseListTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DetailsRecordTest.cpp
  ${PROJECT_SOURCE_DIR}/bench/AllocationCounter.cpp)
# Every allocation counted at operator new: a handle's growth across populations.
target_include_directories(directory_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/bench)
# The default instance comes from a fake profile registry: no case reads the
# machine's.
rk_test_cases(directory_unit_tests CLIENT no-client)

set(directory_host_sources
  ${CMAKE_CURRENT_LIST_DIR}/ListingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConcurrencyTest.cpp)
if(RK_WINDOWS)
  list(APPEND directory_host_sources ${CMAKE_CURRENT_LIST_DIR}/UnloadTestWin32.cpp)
endif()
rk_test_program(directory_tests ${directory_host_sources})
target_include_directories(directory_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# The stand-in offers the newer route; the doubles without db2DbDir entry
# points, or with only the open one, take the older.
rk_test_cases(directory_tests CLIENT sim FILTER "-DirectoryConcurrency.*" PROFILE ENVIRONMENT RKDB2_TEST_ROUTE=newer)
rk_test_cases(directory_tests CLIENT sim FILTER "DirectoryConcurrency.*" PROFILE LABELS concurrency)
rk_test_cases(directory_tests CLIENT older-app FILTER "DirectoryListing.*" PROFILE ENVIRONMENT RKDB2_TEST_ROUTE=older)
rk_test_cases(directory_tests CLIENT app-open-scan-only FILTER "DirectoryListing.*" PROFILE
  ENVIRONMENT RKDB2_TEST_ROUTE=older)

# rkdb2 list and show against a fixed store.
set(rkdb2_env RKDB2_SIM_HOME=${CMAKE_CURRENT_LIST_DIR}/rkdb2-store ${RK_RKDB2_CLIENT_ENV})
add_test(NAME directory/rkdb2_list COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} list)
set_tests_properties(directory/rkdb2_list PROPERTIES ENVIRONMENT "${rkdb2_env}" PASS_REGULAR_EXPRESSION
  "ALIAS +DATABASE +NODE +HOST +SERVICE +INSTANCE +PLATFORM +TYPE\r?\nSAMPLE +SAMPLE +DB2SRV1 +db2.example.com +50000 +DB2 +Linux +SQL_REMOTE\r?\nLOCALDB +LOCALDB +LOCAL ")
add_test(NAME directory/rkdb2_list_json COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} list --json)
set_tests_properties(directory/rkdb2_list_json PROPERTIES ENVIRONMENT "${rkdb2_env}" PASS_REGULAR_EXPRESSION
  "^\\[\r?\n  {\r?\n    \"databaseName\": \"SAMPLE\",\r?\n    \"hostName\": \"db2.example.com\",\r?\n    \"serviceName\": \"50000\",\r?\n    \"instanceName\": \"DB2\",\r?\n    \"alias\": \"SAMPLE\",\r?\n    \"drivePath\": \"\",\r?\n    \"internalName\": \"\",\r?\n    \"nodeName\": \"DB2SRV1\",\r?\n    \"databaseType\": \"9.07\",\r?\n    \"comment\": \"Sample \\\\\"quoted\\\\\" database\",\r?\n    \"entryType\": \"SQL_REMOTE\",\r?\n    \"authentication\": \"Not Specified\",\r?\n    \"altHostName\": \"alt.example.com\",\r?\n    \"altPortNumber\": \"50001\",\r?\n    \"platform\": \"Linux\"\r?\n  },\r?\n  {\r?\n    \"databaseName\": \"LOCALDB\",.*\"comment\": \"Local, caf\\\\u00e9\",.*\r?\n  }\r?\n\\]\r?\n$")
add_test(NAME directory/rkdb2_show COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} show sample)
set_tests_properties(directory/rkdb2_show PROPERTIES ENVIRONMENT "${rkdb2_env}" PASS_REGULAR_EXPRESSION
  "^Database name: +SAMPLE\r?\nHost name: +db2.example.com\r?\nService name: +50000\r?\nInstance: +DB2\r?\nAlias: +SAMPLE\r?\nDrive or path: *\r?\nInternal name: *\r?\nNode name: +DB2SRV1\r?\nDatabase type: +9.07\r?\nComment: +Sample \"quoted\" database\r?\nEntry type: +SQL_REMOTE\r?\nAuthentication: +Not Specified\r?\nAlternate host: +alt.example.com\r?\nAlternate port: +50001\r?\nPlatform: +Linux\r?\n$")
add_test(NAME directory/rkdb2_show_unknown COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} show NOSUCHDB)
set_tests_properties(directory/rkdb2_show_unknown PROPERTIES ENVIRONMENT "${rkdb2_env}" WILL_FAIL TRUE)
