# The table engine: opening an installation's tables, hit-map lookups, reading pictures.
add_executable(bench_table ${CMAKE_CURRENT_LIST_DIR}/bench_table.cpp)
target_link_libraries(bench_table PRIVATE orvik_platform benchmark::benchmark_main)
