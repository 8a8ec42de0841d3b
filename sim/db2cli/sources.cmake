# The stand-in's CLI resolves a data source as a DB2 client does (the store's
# directory, db2cli.ini, db2dsdriver.cfg) and forwards to the system's ODBC
# driver manager, which it loads at run time (see OdbcDriverManager.h).
add_library(db2cli_objects OBJECT db2cli/ConnectionDiagnostics.cpp db2cli/DataSourceResolution.cpp
  db2cli/Db2Cli.cpp db2cli/OdbcDriverManager.cpp db2cli/OdbcLibraryFiles${RK_PLATFORM_SUFFIX}.cpp
  db2cli/SyntheticDiagnostics.cpp)
target_link_libraries(db2cli_objects PRIVATE rksim_store rk_db2_config_sim)
set(RK_DB2CLI_LIBRARIES rksim_store rk_db2_config_sim)
