# The main window, its message window and the windowed start-up.
tavmir_gui_test(mainwindow_gui_tests SOURCES
  gui/mainwindow/MDIFormMainTest.cpp
  gui/mainwindow/StartupAndMessageTest.cpp
  gui/mainwindow/TypicalRequestTest.cpp)
