tavmir_test(common_tests
  SOURCES core/common/FileWriteTest.cpp core/common/TemporaryNameTest.cpp
  LIBS tavmir_core_common)
