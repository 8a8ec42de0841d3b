target_sources(rkdb2_core PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/CodeTexts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/CRkDatabaseEntry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/CRkNodeEntry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/CRkNodeList.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/DatabaseDetailsRecord.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/DatabaseDirectoryScan.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/directory/TrimmedField.cpp
)
