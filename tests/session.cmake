tavmir_test(session_tests
  SOURCES core/session/RecentFilesTest.cpp core/session/EditorRegistryTest.cpp
  LIBS tavmir_core_session)
