add_library(db2app_objects OBJECT db2app/Db2App.cpp)
target_link_libraries(db2app_objects PRIVATE rksim_common)
