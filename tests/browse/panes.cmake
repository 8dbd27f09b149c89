# The entry-pane tests: the pane control and the entry area on the small test installation.
add_executable(browse_panes_tests
  ${CMAKE_CURRENT_LIST_DIR}/orvik_word_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_panes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../qt_test_main.cpp
)
target_link_libraries(browse_panes_tests PRIVATE orvik_browse GTest::gtest Qt6::Test)
target_compile_definitions(browse_panes_tests PRIVATE
  ORVIK_FIXTURE_SMALL="${ORVIK_FIXTURE_DIR}/small")
target_include_directories(browse_panes_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(browse_panes_tests fixture_small)
gtest_discover_tests(browse_panes_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  DISCOVERY_TIMEOUT 60)
