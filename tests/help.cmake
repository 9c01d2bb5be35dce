# Tests of the help area: the pages as they are compiled and shipped.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME help_pages
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/help/help_pages.py
    --source ${CMAKE_SOURCE_DIR}/help --shipped ${FESTOON_BIN_DIR}/help)
