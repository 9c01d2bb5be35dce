# Tests of the catalogs area.
find_package(Qt6 REQUIRED COMPONENTS Test)
# The palettes on their own, acting on a card double without the main window.
festoon_add_tests(festoon_catalogs_tests
  SOURCES
    catalogs/CatalogTestSupport.cpp
    catalogs/TestCard.cpp
    catalogs/ArtworkReader_test.cpp
    catalogs/GridPalette_test.cpp
    catalogs/ArtworkPlacing_test.cpp
    catalogs/UnitMask_test.cpp
    catalogs/UnitFrame_test.cpp
    catalogs/UnitCartoon_test.cpp
    catalogs/Unitflower_test.cpp
    catalogs/UnitText_test.cpp
    core/LetteringPicture_test.cpp
    core/LetteringExport_test.cpp
  LIBS festoon_catalogs festoon_test_support festoon_widget_test_main Qt6::Test)

# The palettes as the program makes them, with the real main window.
festoon_add_tests(festoon_catalogs_window_tests
  SOURCES
    catalogs/CatalogTestSupport.cpp
    catalogs/Palettes_test.cpp
    catalogs/Accessibility_test.cpp
    catalogs/ScreenRatio_test.cpp
  LIBS festoon_ui festoon_test_support festoon_widget_test_main Qt6::Test)
