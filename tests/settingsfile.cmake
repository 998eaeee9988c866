tavmir_test(settingsfile_tests
  SOURCES core/settingsfile/ReaderTest.cpp core/settingsfile/ReaderGoldenTest.cpp core/settingsfile/StyledLogTest.cpp
  LIBS tavmir_core_settingsfile tavmir_test_support)
