# Tests of the catalogs area.
find_package(Qt6 REQUIRED COMPONENTS Test)
festoon_add_tests(festoon_catalogs_tests
  SOURCES
    catalogs/CatalogTestSupport.cpp
    catalogs/ArtworkReader_test.cpp
    catalogs/GridPalette_test.cpp
    catalogs/ArtworkPlacing_test.cpp
    catalogs/UnitMask_test.cpp
    catalogs/UnitFrame_test.cpp
    catalogs/UnitCartoon_test.cpp
    catalogs/Unitflower_test.cpp
    catalogs/UnitText_test.cpp
    catalogs/Palettes_test.cpp
  LIBS festoon_ui festoon_test_support festoon_widget_test_main Qt6::Test)
