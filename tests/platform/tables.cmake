# The table engine: writing table files and reading them back.
add_executable(platform_table_tests
  ${CMAKE_CURRENT_LIST_DIR}/table_read_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_open_test.cpp)
# The tests also reach under the engine to damage files the way a bad disc or an old build would.
target_link_libraries(platform_table_tests PRIVATE orvik_platform GTest::gtest_main Qt6::Test
  PkgConfig::SQLCIPHER)
gtest_discover_tests(platform_table_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
