rk_fuzz_target(fuzz_directory_records FuzzDirectoryRecords.cpp
  ${PROJECT_SOURCE_DIR}/tests/directory/FakeDirectoryClient.cpp
  ${PROJECT_SOURCE_DIR}/tests/directory/DirectoryRecords.cpp)
target_include_directories(fuzz_directory_records PRIVATE ${PROJECT_SOURCE_DIR}/tests/directory)
