# The skinned buttons, bars, panels and skin, driven as real widgets on the offscreen platform.
add_executable(controls_buttons_tests
  ${CMAKE_CURRENT_LIST_DIR}/buttons_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_test_support.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_btn98_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_scroll_bar_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_track_bar_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timer_wiring_test.cpp
)
target_link_libraries(controls_buttons_tests PRIVATE orvik_controls Qt6::Test GTest::gtest)
gtest_discover_tests(controls_buttons_tests
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
  DISCOVERY_TIMEOUT 60)

# The review gallery renders every control and checks that each picture has content.
add_test(NAME controls_gallery_renders
  COMMAND orvik-gallery ${CMAKE_CURRENT_BINARY_DIR}/gallery --check)
set_tests_properties(controls_gallery_renders PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
