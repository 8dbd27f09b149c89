# Practice benchmarks: the demo dictionary and a large generated one.
add_executable(bench_practice bench_practice.cpp)
target_link_libraries(bench_practice PRIVATE orvik_program benchmark::benchmark Qt6::Test
  PkgConfig::SQLCIPHER)
target_compile_definitions(bench_practice PRIVATE
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}"
  ORVIK_BENCH_DIR="${CMAKE_BINARY_DIR}/bench-data"
  ORVIK_BUILDDICT="$<TARGET_FILE:orvik-builddict>")
add_dependencies(bench_practice orvik-builddict)
