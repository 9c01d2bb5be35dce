# Tests of bad input end to end: files that cannot be read or written, through the real windows.
find_package(Qt6 REQUIRED COMPONENTS Test)
festoon_add_tests(robustness_tests
  SOURCES
    robustness/BadFiles.cpp
    robustness/BadPictureFiles_test.cpp
    robustness/HostilePictures_test.cpp
    robustness/BadArtwork_test.cpp
    robustness/FailedSave_test.cpp
    catalogs/CatalogTestSupport.cpp
  LIBS festoon_ui festoon_test_support festoon_widget_test_main Qt6::Test JPEG::JPEG)
