add_library(db2cli_objects OBJECT db2cli/Db2Cli.cpp)
target_link_libraries(db2cli_objects PRIVATE rksim_common)
