# Tests of the e2e area: the built program under Xvfb, driven with real pointer and key events.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME e2e_photo_drag_save
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/e2e/photo_drag_save.py
    --program $<TARGET_FILE:festoon> --artefacts ${CMAKE_BINARY_DIR}/e2e-artefacts)
set_tests_properties(e2e_photo_drag_save PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 RUN_SERIAL TRUE)
