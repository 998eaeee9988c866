# GUI tests: headless (offscreen platform, 1920 x 1080 screen set up by GuiTestMain).
if(TAVMIR_BUILD_GUI)
  add_library(tavmir_gui_test_support STATIC gui/support/GuiTestMain.cpp gui/support/ScriptedUiServices.cpp
    gui/support/WidgetChecks.cpp)
  target_include_directories(tavmir_gui_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(tavmir_gui_test_support PUBLIC tavmir_gui Qt6::Test GTest::gtest GTest::gmock)

  # tavmir_gui_test(name SOURCES ...): one GUI test binary.
  function(tavmir_gui_test name)
    cmake_parse_arguments(T "" "" "SOURCES" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE tavmir_gui_test_support tavmir_test_support)
    target_compile_definitions(${name} PRIVATE
      TAVMIR_TEST_DATA="${TAVMIR_TEST_DATA}" TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}"
      TAVMIR_BUILD_DIR="${CMAKE_BINARY_DIR}")
    add_dependencies(${name} tavmir_catalogue_data)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endfunction()

  include(${CMAKE_CURRENT_SOURCE_DIR}/gui/all.cmake)
endif()
