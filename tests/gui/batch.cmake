# The batch windows: validation, comparison, add folder and the template.sss check.
tavmir_gui_test(batch_gui_tests SOURCES gui/batch/BatchWindowsTest.cpp)
