# Every GUI test in one binary (they share the slow link against Qt): the load-error dialogs,
# the save prompt, preferences, log saving and printing, the editor window, the Edit menu's
# dialogs driven through the main window, the main window, its message window and start-up.
tavmir_gui_test(gui_tests SOURCES
  gui/dialogs/LogReportTest.cpp
  gui/editor/FrmSettingsEditTest.cpp
  gui/ScenarioTest.cpp)
