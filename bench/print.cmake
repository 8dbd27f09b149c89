# Printing benchmarks: the entries of the demo's largest page prepared and rendered into a PDF
# file (the small test installation when the demo is not built).
add_executable(bench_print bench_print.cpp)
target_link_libraries(bench_print PRIVATE orvik_program benchmark::benchmark Qt6::Test)
target_compile_definitions(bench_print PRIVATE
  ORVIK_FIXTURE_SMALL="${ORVIK_FIXTURE_DIR}/small"
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}")
add_dependencies(bench_print fixture_small)
