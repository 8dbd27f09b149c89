# Page list benchmarks: the page list window on a generated dictionary of 1,485 pages, built on
# first use.
add_executable(bench_page_list bench_page_list.cpp)
target_link_libraries(bench_page_list PRIVATE orvik_program benchmark::benchmark Qt6::Test)
target_compile_definitions(bench_page_list PRIVATE
  ORVIK_BENCH_DIR="${CMAKE_BINARY_DIR}/bench-data"
  ORVIK_BUILDDICT="$<TARGET_FILE:orvik-builddict>")
add_dependencies(bench_page_list orvik-builddict)
