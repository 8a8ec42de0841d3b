# Cataloguing and uncataloguing: the DB2 calls in-process against recording
# entry points.

rk_unit_program(catalog_unit_tests ${CMAKE_CURRENT_LIST_DIR}/CatalogCallsTest.cpp)
rk_test_cases(catalog_unit_tests CLIENT no-client)

# The catalog exports end to end against the stand-in, the node directory
# read back from its store; rkdb2 runs as a second and third process.
rk_test_program(catalog_tests ${CMAKE_CURRENT_LIST_DIR}/CatalogTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CatalogRequestsTest.cpp)
target_link_libraries(catalog_tests PRIVATE rksim_store)
add_dependencies(catalog_tests rkdb2)
rk_test_cases(catalog_tests CLIENT sim FILTER "-*.Concurrent*")
rk_test_cases(catalog_tests CLIENT sim FILTER "*.Concurrent*" LABELS concurrency)

# rkdb2's output for the two failures a person meets first: a host name whose
# first 8 characters DB2 refuses as a node name, and a damaged directory file.
add_test(NAME catalog/rkdb2_catalog_dotted_host COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} catalog db2.example.com SALES)
set_tests_properties(catalog/rkdb2_catalog_dotted_host PROPERTIES
  ENVIRONMENT "RKDB2_SIM_HOME=${RK_NO_SIM_HOME};${RK_RKDB2_CLIENT_ENV}"
  PASS_REGULAR_EXPRESSION "SQL1019N  The node name \"db2.exam\".*node name is the first 8 characters of the host name.*hosts file")
add_test(NAME catalog/rkdb2_list_damaged COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} list)
set_tests_properties(catalog/rkdb2_list_damaged PROPERTIES
  ENVIRONMENT "RKDB2_SIM_HOME=${CMAKE_CURRENT_LIST_DIR}/damaged-store;${RK_RKDB2_CLIENT_ENV}"
  PASS_REGULAR_EXPRESSION "SQL1038C  An I/O error occurred while accessing the node directory.  SQLSTATE=58031")
# A database step that fails after the node step: rkdb2 says the node stays
# and how to remove it. The alias SAMPLE is in the copied store already.
set(rkdb2_catalog_store ${CMAKE_CURRENT_BINARY_DIR}/rkdb2-catalog-store)
add_test(NAME catalog/rkdb2_catalog_store_copy
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/tests/directory/rkdb2-store ${rkdb2_catalog_store})
add_test(NAME catalog/rkdb2_catalog_store_remove COMMAND ${CMAKE_COMMAND} -E rm -rf ${rkdb2_catalog_store})
set_tests_properties(catalog/rkdb2_catalog_store_copy PROPERTIES FIXTURES_SETUP rkdb2_catalog_store)
set_tests_properties(catalog/rkdb2_catalog_store_remove PROPERTIES FIXTURES_CLEANUP rkdb2_catalog_store)
add_test(NAME catalog/rkdb2_catalog_node_left_behind COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} catalog warehouse7 SAMPLE)
set_tests_properties(catalog/rkdb2_catalog_node_left_behind PROPERTIES FIXTURES_REQUIRED rkdb2_catalog_store
  ENVIRONMENT "RKDB2_SIM_HOME=${rkdb2_catalog_store};${RK_RKDB2_CLIENT_ENV}"
  PASS_REGULAR_EXPRESSION "SQL1005N .*The node warehous was catalogued before the database step failed, and it stays catalogued: a later catalog at host warehouse7 fails until it is removed, with DB2's command line: db2 uncatalog node warehous")
