# The kill test of unsaved work: the program's windows driven by a script and killed at random
# moments (program/RecoveryKillDriver.cpp), and the test that kills and restarts them.
if(TAVMIR_BUILD_GUI)
  add_executable(recovery_kill_driver program/RecoveryKillDriver.cpp)
  set_target_properties(recovery_kill_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(recovery_kill_driver PRIVATE tavmir_gui)

  tavmir_test(recovery_kill_tests
    SOURCES program/RecoveryKillTest.cpp
    LIBS tavmir_core_session tavmir_test_support)
  add_dependencies(recovery_kill_tests recovery_kill_driver)
  target_compile_definitions(recovery_kill_tests PRIVATE
    TAVMIR_KILL_DRIVER="$<TARGET_FILE:recovery_kill_driver>" TAVMIR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
