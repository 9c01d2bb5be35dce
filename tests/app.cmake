# Tests of the app area.
# Editing, loading, backdrop and saving on the real main window.
find_package(Qt6 REQUIRED COMPONENTS Test)
festoon_add_tests(app_editing_tests
  SOURCES
    app/Unit1Editing_test.cpp
    app/ObjectGestures_test.cpp
    app/Unit1Load_test.cpp
    app/Unit1Backdrop_test.cpp
    app/Unit1Save_test.cpp
    app/Unit1Export_test.cpp
    app/Unit1History_test.cpp
    app/Unit1Cards_test.cpp
    app/Unit1Files_test.cpp
    app/GivenFiles_test.cpp
  LIBS festoon_ui festoon_test_support festoon_widget_test_main Qt6::Test Qt6::PrintSupport)

# The main window, its canvas and the image control.
festoon_add_tests(app_window_tests
  SOURCES
    app/Unit1_test.cpp
    app/Unit1Canvas_test.cpp
  LIBS festoon_ui festoon_test_support festoon_widget_test_main Qt6::Test)
