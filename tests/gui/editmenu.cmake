# The Edit menu's dialogs, driven through the main window on complete files.
tavmir_gui_test(editmenu_gui_tests SOURCES gui/dialogs/EditMenuTest.cpp)
