# The Windows flavours' measurement of unload cycles: bench_unload_memory
# and the two trivial libraries it compares the product library with, all in
# bin/ (run by hand under Wine; bench/README.md has the figures).

add_executable(bench_unload_memory ${CMAKE_CURRENT_LIST_DIR}/UnloadMemoryWin32.cpp)
target_link_libraries(bench_unload_memory PRIVATE rk_test_support_core)
add_dependencies(bench_unload_memory RkDb2Rova rk_sim)

foreach(kind IN ITEMS Plain Runtime)
  add_library(RkTrivial${kind} SHARED ${CMAKE_CURRENT_LIST_DIR}/Trivial${kind}DllWin32.cpp)
  set_target_properties(RkTrivial${kind} PROPERTIES PREFIX "")
  target_link_libraries(RkTrivial${kind} PRIVATE rk_options)
  add_dependencies(bench_unload_memory RkTrivial${kind})
endforeach()
