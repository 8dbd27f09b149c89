add_executable(platform_services_tests services_test.cpp ../qt_test_main.cpp)
target_link_libraries(platform_services_tests PRIVATE orvik_platform GTest::gtest Qt6::Test)
gtest_discover_tests(platform_services_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
