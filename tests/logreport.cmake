# Saving styled logs as report files (plain text or RTF).
tavmir_test(logreport_tests SOURCES core/settingsfile/LogReportTest.cpp LIBS tavmir_core_settingsfile)
