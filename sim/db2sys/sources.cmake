add_library(db2sys_objects OBJECT db2sys/Db2Sys.cpp)
target_link_libraries(db2sys_objects PRIVATE rksim_common)
