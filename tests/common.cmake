tavmir_test(common_tests
  SOURCES core/common/AtomicFileTest.cpp core/common/TemporaryNameTest.cpp
  LIBS tavmir_core_common)
