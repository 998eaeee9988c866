tavmir_test(mainwindow_tests
  SOURCES core/mainwindow/RecentFilesTest.cpp
         
  LIBS tavmir_core_mainwindow)
