# The database directory: entries from directory records, the node list and
# the directory scans, the list handle, the details record (in-process, with
# a fake client); then the list exports end to end against the stand-in.

rk_unit_program(directory_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/DirectoryRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FakeDirectoryClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryRecordsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DirectoryScanTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatabaseListTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DetailsRecordTest.cpp)
target_include_directories(directory_unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# Every node directory load reads the default instance.
rk_test_cases(directory_unit_tests CLIENT no-client PROFILE)
