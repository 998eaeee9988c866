# The program-run table runs on the build machine: the Windows build's tavmir.exe is run by the
# Linux runner under Wine (scripts/test.sh), so no Windows runner is built.
if(WIN32)
  return()
endif()
# The built tavmir run from a portable and an installed layout by a user who cannot write them.
tavmir_test(program_tests
  SOURCES app/ProgramRunTest.cpp
  LIBS tavmir_core_catalogue tavmir_test_support nlohmann_json::nlohmann_json)
target_compile_definitions(program_tests PRIVATE TAVMIR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(program_tests tavmir)
if(TAVMIR_BUILD_GUI)
  target_compile_definitions(program_tests PRIVATE TAVMIR_WITH_GUI)
endif()
