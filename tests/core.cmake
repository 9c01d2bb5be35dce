# Tests of the core area.
festoon_add_tests(core_tests
  SOURCES
    core/Bitmap_test.cpp
    core/PictureLimits_test.cpp
    core/MaskBlend_test.cpp
    core/RenderObject_test.cpp
    core/TurnedObject_test.cpp
    core/CompositionStacking_test.cpp
    core/SkinStretch_test.cpp
    core/BitmapToRegion_test.cpp
    core/Composition_test.cpp
    core/CardRendering_test.cpp
    core/CardHistory_test.cpp
    core/CompositionParts_test.cpp
    core/Resample_test.cpp
    core/RandomCards.cpp
    core/ParallelRendering_test.cpp
    core/CardRenderer_test.cpp
  LIBS festoon_core festoon_references GTest::gtest_main)

# The codecs and file reading, with pictures made by the tests; the frame blend.
festoon_add_tests(core_codec_tests
  SOURCES
    core/CodecTestPictures.cpp
    core/JpegCodec_test.cpp
    core/BmpCodec_test.cpp
    core/FileIO_test.cpp
    core/PictureFile_test.cpp
    core/PictureFormats_test.cpp
    core/FrameBlend_test.cpp
    core/CardExport_test.cpp
    core/ErrorAdvice_test.cpp
  LIBS festoon_core festoon_test_support JPEG::JPEG GTest::gtest_main)
