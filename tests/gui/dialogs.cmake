# The dialogs: load errors, the save prompt, preferences, and log saving and printing.
tavmir_gui_test(dialogs_gui_tests SOURCES
  gui/dialogs/LoadErrorDialogsTest.cpp
  gui/dialogs/FrmCloseFileTest.cpp
  gui/dialogs/FrmPreferencesTest.cpp
  gui/dialogs/LogReportTest.cpp)
