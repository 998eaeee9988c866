# The editor window: pages, editing, averages, saving, load-error choices, scrolling.
tavmir_gui_test(editor_gui_tests SOURCES gui/editor/FrmSettingsEditTest.cpp)
