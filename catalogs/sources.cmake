# Sources of the palettes, compiled into the program's window library.
set(FESTOON_CATALOG_SOURCES
  ${CMAKE_SOURCE_DIR}/catalogs/Palettes.cpp
)
