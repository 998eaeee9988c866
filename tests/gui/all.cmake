# Every GUI test in one binary (they share the slow link against Qt): the scenarios under
# tests/data/gui driven through the real main window, and printing a log to PDF.
tavmir_gui_test(gui_tests SOURCES
  gui/dialogs/LogReportTest.cpp
  gui/ScenarioTest.cpp)
