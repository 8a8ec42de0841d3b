# The connection test: RkConnect through the stand-in's CLI, which forwards
# to the system's ODBC driver manager, against a SQLite database file and a
# PostgreSQL server; doubles for what real drivers cannot be made to do.

# The ODBC configuration of the tests, read by unixODBC (also under Wine)
# through ODBCSYSINI. Drivers by bare file name, so that the 32-bit Wine
# process and the native one each find their own architecture's build.
set(RK_ODBC_DIR ${CMAKE_BINARY_DIR}/odbc)
# RK_PG_PORT in the environment moves the server, so that two checkouts can
# run their tests at the same time.
if(DEFINED ENV{RK_PG_PORT})
  set(RK_PG_PORT $ENV{RK_PG_PORT})
else()
  set(RK_PG_PORT 54329)
endif()
file(MAKE_DIRECTORY ${RK_ODBC_DIR})
file(WRITE ${RK_ODBC_DIR}/odbcinst.ini
"[RkSQLite3]
Description=SQLite3 ODBC driver
Driver=libsqlite3odbc.so

[RkPostgreSQL]
Description=PostgreSQL ODBC driver (ANSI)
Driver=psqlodbca.so

[PostgreSQL Unicode]
Description=PostgreSQL ODBC driver (Unicode), which the stand-in's CLI reaches DB2 data sources with
Driver=psqlodbcw.so
")
file(WRITE ${RK_ODBC_DIR}/odbc.ini
"[RkSQLite]
Description=SQLite database file of the tests
Driver=RkSQLite3
Database=${RK_ODBC_DIR}/rk-tests.sqlite

[RkPostgres]
Description=PostgreSQL server of the tests (scripts/postgres.sh)
Driver=RkPostgreSQL
Servername=127.0.0.1
Port=${RK_PG_PORT}
Database=testdb
")
set(rk_odbc_env ODBCSYSINI=${RK_ODBC_DIR} RK_PG_PORT=${RK_PG_PORT})

# Starts the PostgreSQL server for the tests that need it; idempotent, and
# left running for later runs (scripts/postgres.sh stop ends it).
add_test(NAME connect/postgres_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/postgres.sh start)
set_tests_properties(connect/postgres_start PROPERTIES FIXTURES_SETUP rk_postgres
  ENVIRONMENT "RK_PG_PORT=${RK_PG_PORT}")

rk_test_program(connect_tests
  ${CMAKE_CURRENT_LIST_DIR}/ConnectTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConnectDataSourceTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConnectDoublesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConnectMissingClientTest.cpp)
rk_test_cases(connect_tests CLIENT sim FILTER "ConnectPostgres.*" ENVIRONMENT ${rk_odbc_env}
  PROPERTIES FIXTURES_REQUIRED rk_postgres)
rk_test_cases(connect_tests CLIENT sim FILTER "*-ConnectPostgres.*:ConnectMissingClient.*" ENVIRONMENT ${rk_odbc_env})
rk_test_cases(connect_tests CLIENT no-client FILTER "ConnectMissingClient.*")
rk_test_cases(connect_tests CLIENT cli-without-getdiagrec FILTER "ConnectMissingClient.*")

rk_unit_program(connect_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/ConnectMessageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConnectionCheckCallsTest.cpp)
rk_test_cases(connect_unit_tests CLIENT no-client FILTER "-ConnectionTestConcurrency.*")
rk_test_cases(connect_unit_tests CLIENT no-client FILTER "ConnectionTestConcurrency.*" LABELS concurrency)

# rkdb2 connect reads the password from standard input when it is not a terminal.
# The exit status is printed, since a pass pattern makes CTest ignore it.
add_test(NAME connect/rkdb2_connect_password_from_stdin
  COMMAND sh -c "printf 'testpw\\n' | ${RK_RKDB2_SHELL} connect RkPostgres tester; echo exit=$?")
add_test(NAME connect/rkdb2_connect_wrong_password
  COMMAND sh -c "printf 'wrong\\n' | ${RK_RKDB2_SHELL} connect RkPostgres tester; echo exit=$?")
set_tests_properties(connect/rkdb2_connect_password_from_stdin PROPERTIES
  PASS_REGULAR_EXPRESSION "result: 1 \\(connected\\).*DBMS name: PostgreS.*message: \\(empty\\).*exit=0")
set_tests_properties(connect/rkdb2_connect_wrong_password PROPERTIES
  PASS_REGULAR_EXPRESSION "result: 0 .*SQLSTATE          = 08001.*password authentication failed.*exit=1")
set_tests_properties(connect/rkdb2_connect_password_from_stdin connect/rkdb2_connect_wrong_password PROPERTIES
  FIXTURES_REQUIRED rk_postgres ENVIRONMENT "${rk_odbc_env};${RK_RKDB2_CLIENT_ENV}")
