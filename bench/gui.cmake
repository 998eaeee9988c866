# The windows' speed and memory: start-up, opening a file into an editor, page switches, and
# eight open editors. Runs headless (offscreen) unless QT_QPA_PLATFORM says otherwise.
if(TAVMIR_BUILD_GUI)
  add_executable(gui_bench ${CMAKE_CURRENT_SOURCE_DIR}/gui_bench.cpp)
  target_link_libraries(gui_bench PRIVATE tavmir_gui benchmark::benchmark)
  target_compile_definitions(gui_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
  add_dependencies(gui_bench tavmir_catalogue_data)
endif()
