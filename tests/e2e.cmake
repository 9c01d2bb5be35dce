# Tests of the e2e area: the built program under Xvfb, driven with real pointer and key events. Each test
# starts the program on a display of its own (1024 x 768 or 1920 x 1080; 800 x 600 and 1024 x 600 for small
# screens; 2048 x 1536 at twice the pixels for a sharp one) and keeps its screenshots in
# e2e-artefacts/<test>/; without Xvfb, xdotool, ImageMagick or xclip it is skipped (77).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# festoon_add_e2e_test(<script name without .py>)
function(festoon_add_e2e_test script)
  set(name e2e_${script})
  add_test(NAME ${name}
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script}.py
      --program $<TARGET_FILE:festoon> --artefacts ${CMAKE_BINARY_DIR}/e2e-artefacts/${name})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS e2e)
endfunction()

festoon_add_e2e_test(photo_drag_save)
festoon_add_e2e_test(composition)
festoon_add_e2e_test(editing)
festoon_add_e2e_test(new_task)
festoon_add_e2e_test(single_instance)
festoon_add_e2e_test(broken_artwork)
festoon_add_e2e_test(installed)
festoon_add_e2e_test(what_you_see)
festoon_add_e2e_test(card_recovery)
festoon_add_e2e_test(hostile_file)
festoon_add_e2e_test(files_from_outside)
festoon_add_e2e_test(export_card)
festoon_add_e2e_test(sharp_screen)
festoon_add_e2e_test(small_screen)
festoon_add_e2e_test(short_wide_screen)
festoon_add_e2e_test(turn_and_stack)
