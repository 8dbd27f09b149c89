# Rich text: reading articles, loading them into a pane, writing RTF.
add_executable(bench_rtf ${CMAKE_CURRENT_LIST_DIR}/bench_rtf.cpp)
target_link_libraries(bench_rtf PRIVATE orvik_platform benchmark::benchmark)
