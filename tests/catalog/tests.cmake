# Cataloguing and uncataloguing: the DB2 calls in-process against recording
# entry points.

rk_unit_program(catalog_unit_tests ${CMAKE_CURRENT_LIST_DIR}/CatalogCallsTest.cpp)
rk_test_cases(catalog_unit_tests CLIENT no-client)
