tavmir_test(mainwindow_tests
  SOURCES core/mainwindow/MainModuleTest.cpp core/mainwindow/RecentFilesTest.cpp
         
  LIBS tavmir_core_mainwindow)
