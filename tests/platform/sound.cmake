# The wave device and the play-a-wave call.
add_executable(platform_sound_tests wave_device_test.cpp ../qt_test_main.cpp)
target_link_libraries(platform_sound_tests PRIVATE orvik_platform GTest::gtest Qt6::Test)
target_include_directories(platform_sound_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
gtest_discover_tests(platform_sound_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  RESOURCE_LOCK sound_server)
