# bench_soak: the soak run (scripts/soak), not part of CI. A host program:
# it loads RkDb2Rova through its exports only, so it links nothing of the
# library's internals.
find_package(Threads REQUIRED)
add_executable(bench_soak SoakHost.cpp)
target_link_libraries(bench_soak PRIVATE rk_host Threads::Threads)
add_dependencies(bench_soak RkDb2Rova rk_sim)
