# Sound benchmarks through a real sound server: press to first sample, the pause of auto-play.
add_executable(bench_sound bench_sound.cpp)
target_link_libraries(bench_sound PRIVATE orvik_program benchmark::benchmark Qt6::Test)
target_include_directories(bench_sound PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(bench_sound PRIVATE
  ORVIK_FIXTURE_SMALL="${ORVIK_FIXTURE_DIR}/small-sounds"
  ORVIK_DIST_DIR="${ORVIK_DIST_DIR}")
add_dependencies(bench_sound fixture_small_sounds)
