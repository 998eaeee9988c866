tavmir_test(document_save_tests
  SOURCES
    core/document/SaveTest.cpp
    core/document/WriterTest.cpp
    core/document/ProblemsPropertyTest.cpp
  LIBS tavmir_core_document tavmir_core_settingsfile tavmir_test_support)
