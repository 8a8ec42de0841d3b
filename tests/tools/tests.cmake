# rkdb2's own commands: export replayed into a fresh store, CSV read back as
# the JSON, apply, the data sources, doctor, status, version and each
# command's help.

rk_test_program(rkdb2_tests ${CMAKE_CURRENT_LIST_DIR}/ExportReplayTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ApplyTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataSourcesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DoctorTest.cpp)
target_link_libraries(rkdb2_tests PRIVATE rk_nlohmann_json)
add_dependencies(rkdb2_tests rkdb2)
rk_test_cases(rkdb2_tests CLIENT sim FILTER "-DoctorAlias*")

# doctor's connection steps: a TLS listener with a throwaway certificate
# (started once, stopped after the cases), and the PostgreSQL server. The
# listener runs where the cases run, which for win32 may be the emulated
# guest: its interpreter is looked up on that machine's PATH, not taken from
# the one that configured the build.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(rk_tls_dir ${CMAKE_CURRENT_BINARY_DIR}/tls-listener)
add_test(NAME tools/tls_listener_start COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/tls_listener.py start ${rk_tls_dir})
add_test(NAME tools/tls_listener_stop COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/tls_listener.py stop ${rk_tls_dir})
set_tests_properties(tools/tls_listener_start PROPERTIES FIXTURES_SETUP rk_tls_listener)
set_tests_properties(tools/tls_listener_stop PROPERTIES FIXTURES_CLEANUP rk_tls_listener)
rk_test_cases(rkdb2_tests CLIENT sim FILTER "DoctorAlias.*" ENVIRONMENT RKDB2_TEST_TLS_PORT_FILE=${rk_tls_dir}/port
  PROPERTIES FIXTURES_REQUIRED rk_tls_listener)
rk_test_cases(rkdb2_tests CLIENT sim FILTER "DoctorAliasConnection.*" ENVIRONMENT ${rk_odbc_env}
  PROPERTIES FIXTURES_REQUIRED rk_postgres)

set(rkdb2_env RKDB2_SIM_HOME=${PROJECT_SOURCE_DIR}/tests/directory/rkdb2-store ${RK_RKDB2_CLIENT_ENV})

if(NOT RK_WINDOWS AND Python3_FOUND)
  add_test(NAME tools/rkdb2_list_csv_reads_as_json
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/csv_reads_as_json.py $<TARGET_FILE:rkdb2>)
  set_tests_properties(tools/rkdb2_list_csv_reads_as_json PROPERTIES ENVIRONMENT "${rkdb2_env}")
endif()
# The bytes as they are also on Windows: CRLF, never CR CR LF.
add_test(NAME tools/rkdb2_list_csv COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} list --format csv)
set_tests_properties(tools/rkdb2_list_csv PROPERTIES ENVIRONMENT "${rkdb2_env}" FAIL_REGULAR_EXPRESSION "\r\r"
  PASS_REGULAR_EXPRESSION "^databaseName,hostName,[a-zA-Z,]*,platform\r\nSAMPLE,db2.example.com,50000,DB2,SAMPLE,,,DB2SRV1,9.07,\"Sample \"\"quoted\"\" database\",SQL_REMOTE,")

# status names the stand-in's three files, where they were loaded from and,
# where the platform has version resources, their versions.
string(REPLACE "." "\\." app_file ${RK_DB2APP_FILE})
string(REPLACE "." "\\." cli_file ${RK_DB2CLI_FILE})
set(status_expected "${app_file} +loaded from [^\n]*db2sim[/\\\\]${app_file}")
if(RK_WINDOWS)
  string(REPLACE "." "\\." sim_version "${RK_SIM_VERSION}.0")
  string(APPEND status_expected "\r?\n  version +${sim_version}")
endif()
add_test(NAME tools/rkdb2_status COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} status)
set_tests_properties(tools/rkdb2_status PROPERTIES ENVIRONMENT "${rkdb2_env}" PASS_REGULAR_EXPRESSION "${status_expected}")
add_test(NAME tools/rkdb2_status_json COMMAND rkdb2 ${RK_RKDB2_CLIENT_ARGS} status --json)
set_tests_properties(tools/rkdb2_status_json PROPERTIES ENVIRONMENT "${rkdb2_env}"
  PASS_REGULAR_EXPRESSION "\"file\": \"${cli_file}\",\r?\n +\"loaded\": true,")
# Without the client: exit 1, the reason on the line of each file.
set(rkdb2_alone $<TARGET_FILE:rkdb2>)
if(RK_WINDOWS)
  set(rkdb2_alone "${CMAKE_CROSSCOMPILING_EMULATOR} ${rkdb2_alone}")
endif()
add_test(NAME tools/rkdb2_status_without_client COMMAND sh -c "${rkdb2_alone} status; echo exit=$?")
set_tests_properties(tools/rkdb2_status_without_client PROPERTIES
  PASS_REGULAR_EXPRESSION "${app_file} +not usable: [^\n]+.*exit=1")

add_test(NAME tools/rkdb2_version COMMAND rkdb2 --version)
# The library's version: from its version resource (GetFileVersionInfo) on
# Windows, so there it shows the resource's fourth part.
string(REPLACE "." "\\." version "${PROJECT_VERSION}")
set(library_version ${version})
if(RK_WINDOWS)
  string(APPEND library_version "\\.0")
endif()
set_tests_properties(tools/rkdb2_version PROPERTIES
  PASS_REGULAR_EXPRESSION "^rkdb2 ${version} \\((32|64)-bit\\)\r?\nRkDb2Rova ${library_version} \\([^\n]+RkDb2Rova\\.(dll|so)\\)")
foreach(command IN ITEMS catalog uncatalog catalog-node catalog-database uncatalog-node uncatalog-database apply connect
                doctor export list show status sources resolve)
  add_test(NAME tools/rkdb2_help_${command} COMMAND rkdb2 help ${command})
  set_tests_properties(tools/rkdb2_help_${command} PROPERTIES
    PASS_REGULAR_EXPRESSION "Usage: rkdb2 ${command}.*Exit codes:\r?\n  0  .*\r?\n  1  .*\r?\n  2  wrong arguments")
endforeach()
# Arguments DB2 would cut or refuse are refused before the library is called,
# naming the argument: nothing is catalogued cut short.
add_test(NAME tools/rkdb2_catalog_arguments_checked COMMAND sh -c
  "${RK_RKDB2_SHELL} catalog-database NINECHARS --node N 2>&1; echo exit=$?; ${RK_RKDB2_SHELL} catalog-node N --host h --comment 'one character over the DB2 limit' 2>&1; echo exit=$?")
set_tests_properties(tools/rkdb2_catalog_arguments_checked PROPERTIES ENVIRONMENT "RKDB2_SIM_HOME=${RK_NO_SIM_HOME};${RK_RKDB2_CLIENT_ENV}"
  PASS_REGULAR_EXPRESSION "ALIAS: has 9 characters, more than the 8 DB2 takes
?
exit=2
?
rkdb2: --comment: has 32 characters, more than the 30 DB2 takes
?
exit=2")
add_test(NAME tools/rkdb2_unknown_option COMMAND sh -c "${RK_RKDB2_SHELL} list --bogus 2>&1; echo exit=$?")
set_tests_properties(tools/rkdb2_unknown_option PROPERTIES
  PASS_REGULAR_EXPRESSION "not expected: --bogus.*Usage: rkdb2 list.*exit=2")
