# The stand-in DB2 client itself: its store linked directly, and its
# db2app.dll and db2sys.dll loaded by path and called through the
# entry-point types of db2/Db2Api.h.

rk_test_program(sim_tests
  ${CMAKE_CURRENT_LIST_DIR}/DatabaseScanTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefaultStoreCase${RK_PLATFORM_SUFFIX}.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NodeScanTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScanRouteTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimCatalogTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimScanFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoreFormatTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoreWriteTest.cpp)
target_link_libraries(sim_tests PRIVATE rksim_store)
rk_test_cases(sim_tests CLIENT sim)
target_compile_definitions(sim_tests PRIVATE RK_SIM_SAMPLE_DIR="${PROJECT_SOURCE_DIR}/sim/sample")
