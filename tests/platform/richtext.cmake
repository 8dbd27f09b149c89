# The RTF reader and writer and the rich-text pane.
add_executable(platform_richtext_tests
  ${CMAKE_CURRENT_LIST_DIR}/richtext_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rtf_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rtf_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rich_text_pane_test.cpp)
target_link_libraries(platform_richtext_tests PRIVATE orvik_platform GTest::gtest Qt6::Test)
gtest_discover_tests(platform_richtext_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
  DISCOVERY_TIMEOUT 60)
