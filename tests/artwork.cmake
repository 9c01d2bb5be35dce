# Tests of the artwork area.
# The cartoon, flower and balloon catalogs and the layer helpers they are drawn with.
festoon_add_tests(artwork_catalog_tests
  SOURCES
    artwork/ArtPiece_test.cpp
    artwork/CatalogArt_test.cpp
    artwork/ShapePaths_test.cpp
    ${CMAKE_SOURCE_DIR}/artwork/ArtworkOutput.cpp
    ${CMAKE_SOURCE_DIR}/artwork/ArtPiece.cpp
    ${CMAKE_SOURCE_DIR}/artwork/ShapePaths.cpp
    ${CMAKE_SOURCE_DIR}/artwork/EmojiArt.cpp
    ${CMAKE_SOURCE_DIR}/artwork/CartoonCatalog.cpp
    ${CMAKE_SOURCE_DIR}/artwork/CartoonStickers.cpp
    ${CMAKE_SOURCE_DIR}/artwork/CartoonWords.cpp
    ${CMAKE_SOURCE_DIR}/artwork/FlowerCatalog.cpp
    ${CMAKE_SOURCE_DIR}/artwork/FlowerShapes.cpp
    ${CMAKE_SOURCE_DIR}/artwork/FlowerArrangements.cpp
    ${CMAKE_SOURCE_DIR}/artwork/BalloonCatalog.cpp
  LIBS festoon_core festoon_widget_test_main Qt6::Gui)

# The generated tree as the build leaves it beside the program (build/bin) and in the resource folder.
festoon_add_tests(artwork_tree_tests
  SOURCES artwork/ArtworkTree_test.cpp
  LIBS festoon_core festoon_widget_test_main Qt6::Gui)
add_dependencies(artwork_tree_tests festoon_artwork_files)
target_compile_definitions(artwork_tree_tests PRIVATE
  FESTOON_PROGRAM_FOLDER="${FESTOON_BIN_DIR}"
  FESTOON_RESOURCE_FOLDER="${FESTOON_RESOURCE_DIR}")

# The drawing toolkit the generator's windows, masks and frames are made with.
festoon_add_tests(artwork_toolkit_tests
  SOURCES
    artwork/Painting_test.cpp
    artwork/FrameKit_test.cpp
    ${CMAKE_SOURCE_DIR}/artwork/Painting.cpp
    ${CMAKE_SOURCE_DIR}/artwork/Shapes.cpp
    ${CMAKE_SOURCE_DIR}/artwork/FrameKit.cpp
  LIBS festoon_core festoon_widget_test_main Qt6::Gui)
