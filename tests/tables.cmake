# The {input, expected} tables under tests/data/tables, all read by one runner.
tavmir_test(tables_tests
  SOURCES core/TablesTest.cpp core/common/SaveScript.cpp core/common/DoorScript.cpp core/session/SaveRunScript.cpp core/session/RecoveryScript.cpp core/batch/SetValuesScript.cpp core/document/DocumentTestSupport.cpp core/operations/TestCatalogue.cpp
  LIBS tavmir_core tavmir_test_support)
