# Loading the DB2 client on first use, seen through the exports.

rk_test_program(loading_tests ${CMAKE_CURRENT_LIST_DIR}/LoadingTest.cpp)
if(RK_WINDOWS)
  # The module's entry point at process exit: a Windows loader notification;
  # what unload cycles leave behind with a statically linked run-time.
  target_sources(loading_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ProcessExitTestWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnloadCyclesTestWin32.cpp)
endif()
rk_test_cases(loading_tests CLIENT sim FILTER "LoadingWithClient.*-LoadingWithClient.Concurrent*")
rk_test_cases(loading_tests CLIENT sim FILTER "LoadingWithClient.Concurrent*" LABELS concurrency)
rk_test_cases(loading_tests CLIENT no-client FILTER "LoadingWithoutClient.*")
rk_test_cases(loading_tests CLIENT no-app FILTER "LoadingWithoutDb2App.*")
rk_test_cases(loading_tests CLIENT no-sys FILTER "LoadingWithoutDb2Sys.*")
rk_test_cases(loading_tests CLIENT app-without-sqledcls FILTER "LoadingAppWithoutRequiredEntryPoint.*")
rk_test_cases(loading_tests CLIENT older-app FILTER "LoadingOlderApp.*")
rk_test_cases(loading_tests CLIENT app-open-scan-only FILTER "LoadingOlderApp.*")
rk_test_cases(loading_tests CLIENT cli-without-getdiagrec FILTER "LoadingCliWithoutRequiredEntryPoint.*")
