target_sources(rkdb2_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/connect/CRkConnectMessage.cpp)
