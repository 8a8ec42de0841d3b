# The stand-in's CLI forwards to the system's ODBC driver manager, which it
# loads at run time (see OdbcDriverManager.h): nothing to link but the
# loader.
add_library(db2cli_objects OBJECT db2cli/Db2Cli.cpp db2cli/OdbcDriverManager.cpp
  db2cli/OdbcLibraryFiles${RK_PLATFORM_SUFFIX}.cpp db2cli/SyntheticDiagnostics.cpp)
target_link_libraries(db2cli_objects PRIVATE rksim_common)
