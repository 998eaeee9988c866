# The tavmir program in validation mode, run as a script would run it.
tavmir_test(console_tests
  SOURCES app/ConsoleModeTest.cpp
  LIBS tavmir_core_catalogue tavmir_test_support)
add_dependencies(console_tests tavmir)
