# The Edit menu's speed, headless: each dialog opened on a complete file and closed, a step of
# the edit-for-all-ships dialog, and 961 imported settings applied to an editor.
if(TAVMIR_BUILD_GUI)
  add_executable(editmenu_bench ${CMAKE_CURRENT_SOURCE_DIR}/editmenu_bench.cpp
    ${CMAKE_SOURCE_DIR}/tests/gui/support/ScriptedUiServices.cpp)
  target_link_libraries(editmenu_bench PRIVATE tavmir_gui benchmark::benchmark)
  target_include_directories(editmenu_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(editmenu_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
  add_dependencies(editmenu_bench tavmir_catalogue_data)
endif()
