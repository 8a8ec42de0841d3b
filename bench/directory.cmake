rk_benchmark(bench_listing ListingBench.cpp
  ${PROJECT_SOURCE_DIR}/tests/directory/FakeDirectoryClient.cpp
  ${PROJECT_SOURCE_DIR}/tests/directory/TestDirectoryRecords.cpp)
target_include_directories(bench_listing PRIVATE ${PROJECT_SOURCE_DIR}/tests/directory)
