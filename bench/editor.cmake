# The editor window: opening a complete file into a new editor, and switching pages.
if(TAVMIR_BUILD_GUI)
  add_executable(editor_bench ${CMAKE_CURRENT_SOURCE_DIR}/editor_bench.cpp)
  target_link_libraries(editor_bench PRIVATE tavmir_gui benchmark::benchmark)
  target_compile_definitions(editor_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
  add_dependencies(editor_bench tavmir_catalogue_data)
endif()
