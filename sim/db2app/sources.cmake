add_library(db2app_objects OBJECT
  db2app/CRkScanTable.cpp
  db2app/CallOutcome.cpp
  db2app/CatalogEdits.cpp
  db2app/Db2App.cpp
  db2app/DirectoryScans.cpp)
target_link_libraries(db2app_objects PRIVATE rksim_store)
set(RK_DB2APP_LIBRARIES rksim_store)
