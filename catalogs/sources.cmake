# Sources of the palettes, compiled into the program's window library.
set(FESTOON_CATALOG_SOURCES
  ${CMAKE_SOURCE_DIR}/catalogs/Thumbnails.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/ArtworkPlacing.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/PaletteWindow.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/GridPalette.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/UnitMask.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/UnitFrame.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/UnitCartoon.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/Unitflower.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/UnitText.cpp
  ${CMAKE_SOURCE_DIR}/catalogs/Palettes.cpp
)
