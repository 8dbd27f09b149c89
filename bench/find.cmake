# Find benchmarks: the demo dictionary and a large generated one with a planted word.
add_executable(bench_find bench_find.cpp)
target_link_libraries(bench_find PRIVATE orvik_program benchmark::benchmark Qt6::Test)
target_compile_definitions(bench_find PRIVATE
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}"
  ORVIK_BENCH_DIR="${CMAKE_BINARY_DIR}/bench-data"
  ORVIK_BUILDDICT="$<TARGET_FILE:orvik-builddict>")
add_dependencies(bench_find orvik-builddict)
