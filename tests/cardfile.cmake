# Tests of card files: round trips, what painting programs see, files from painting programs, bad files.
find_package(ZLIB REQUIRED)
festoon_add_tests(cardfile_tests
  SOURCES
    core/CodecTestPictures.cpp
    cardfile/CardFileTestSupport.cpp
    cardfile/CardFileRoundTrip_test.cpp
    cardfile/CardFileLayers_test.cpp
    cardfile/ForeignCard_test.cpp
    cardfile/BadCardFiles_test.cpp
  LIBS festoon_core festoon_test_support JPEG::JPEG ZLIB::ZLIB GTest::gtest_main)

# A card written by the program and read by Python's zipfile and Pillow (tests/e2e/ora_check.py), whose
# layers composited must give the picture the program saves.
add_executable(festoon_sample_card cardfile/WriteSampleCard.cpp cardfile/CardFileTestSupport.cpp core/CodecTestPictures.cpp)
target_include_directories(festoon_sample_card PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(festoon_sample_card PRIVATE festoon_core festoon_test_support JPEG::JPEG)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(sample_card_folder ${CMAKE_CURRENT_BINARY_DIR}/sample-card)
add_test(NAME cardfile_sample_written
  COMMAND festoon_sample_card ${sample_card_folder}/card.ora ${sample_card_folder}/card.bmp)
add_test(NAME cardfile_read_by_python
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/e2e/ora_check.py
    ${sample_card_folder}/card.ora ${sample_card_folder}/card.bmp)
set_tests_properties(cardfile_sample_written PROPERTIES FIXTURES_SETUP sample_card)
set_tests_properties(cardfile_read_by_python PROPERTIES FIXTURES_REQUIRED sample_card SKIP_RETURN_CODE 77)
