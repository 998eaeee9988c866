tavmir_test(session_tests
  SOURCES core/session/RecentFilesTest.cpp
  LIBS tavmir_core_session)
