# Tests of the platform area.
find_package(Qt6 REQUIRED COMPONENTS Test)

festoon_add_tests(platform_paths_tests
  SOURCES platform/Paths_test.cpp
  LIBS festoon_platform GTest::gtest_main)

festoon_add_tests(platform_widget_tests
  SOURCES
    platform/Dialogs_test.cpp
    platform/ErrorReporting_test.cpp
    platform/SingleInstance_test.cpp
    platform/Desktop_test.cpp
    platform/Application_test.cpp
    platform/Autosave_test.cpp
    platform/Help_test.cpp
    platform/ScreenPictures_test.cpp
  LIBS festoon_widget_test_main festoon_test_support Qt6::Test)
