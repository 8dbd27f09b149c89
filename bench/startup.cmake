add_executable(bench_startup bench_startup.cpp)
target_link_libraries(bench_startup PRIVATE orvik_app benchmark::benchmark)
target_compile_definitions(bench_startup PRIVATE
  ORVIK_FIXTURE_SMALL="${ORVIK_FIXTURE_DIR}/small"
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}"
  ORVIK_BENCH_DIR="${CMAKE_BINARY_DIR}/bench-data"
  ORVIK_BUILDDICT="$<TARGET_FILE:orvik-builddict>")
add_dependencies(bench_startup fixture_small orvik-builddict)
