# Browsing benchmarks: the main window on the demo dictionary (the small test installation when
# the demo is not built).
add_executable(bench_browse bench_browse.cpp)
target_link_libraries(bench_browse PRIVATE orvik_program benchmark::benchmark Qt6::Test)
target_include_directories(bench_browse PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(bench_browse PRIVATE
  ORVIK_FIXTURE_SMALL="${ORVIK_FIXTURE_DIR}/small"
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}")
add_dependencies(bench_browse fixture_small)
