tavmir_test(app_tests
  SOURCES
    core/app/ProfileFileTest.cpp
    core/app/PreferencesTest.cpp
    core/app/CommandLineTest.cpp
  LIBS tavmir_core_app)
