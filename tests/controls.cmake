# Tests of the controls area.
find_package(Qt6 REQUIRED COMPONENTS Test)
festoon_add_tests(festoon_controls_tests
  SOURCES
    controls/FailedClick_test.cpp
    controls/FlatButtonLayout_test.cpp
    controls/ImgBtn_test.cpp
    controls/TFlatButtonUnit_test.cpp
    controls/TFlatEditUnit_test.cpp
    controls/TFlatGroupBoxUnit_test.cpp
    controls/TFlatRadioButtonUnit_test.cpp
    controls/img_test.cpp
  LIBS festoon_controls festoon_test_support festoon_widget_test_main Qt6::Test)
