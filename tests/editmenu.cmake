# The Edit menu's rules that the dialogs lean on: how operation writes reach a document.
tavmir_test(editmenu_tests
  SOURCES
    core/operations/TestCatalogue.cpp
    core/operations/DocumentEditsTest.cpp
  LIBS tavmir_core_operations tavmir_test_support)
