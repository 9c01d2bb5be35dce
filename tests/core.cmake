# Tests of the core area.
festoon_add_tests(core_tests
  SOURCES
    core/Bitmap_test.cpp
    core/MaskBlend_test.cpp
    core/RenderObject_test.cpp
    core/SkinStretch_test.cpp
    core/BitmapToRegion_test.cpp
  LIBS festoon_core GTest::gtest_main)
