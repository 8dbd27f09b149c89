# The chapter tab strip and the list controls.
add_executable(controls_lists_tests
  ${CMAKE_CURRENT_LIST_DIR}/lists_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chapter_list_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_box_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zakladka_test.cpp)
target_link_libraries(controls_lists_tests PRIVATE orvik_controls GTest::gtest Qt6::Test)
gtest_discover_tests(controls_lists_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
