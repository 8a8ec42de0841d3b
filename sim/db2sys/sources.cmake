add_library(db2sys_objects OBJECT db2sys/Db2Sys.cpp db2sys/MessageText.cpp db2sys/SqlstateTexts.cpp)
target_link_libraries(db2sys_objects PRIVATE rksim_common)
