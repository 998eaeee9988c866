# The batch tools' speed: validating and comparing 1,000 complete files headless and in their
# windows, the latency of a stop, and a folder of 10,000 files added to the grid.
if(TAVMIR_BUILD_GUI)
  add_executable(batch_bench ${CMAKE_CURRENT_SOURCE_DIR}/batch_bench.cpp
    ${CMAKE_SOURCE_DIR}/tests/gui/support/ScriptedUiServices.cpp)
  target_link_libraries(batch_bench PRIVATE tavmir_gui benchmark::benchmark)
  target_include_directories(batch_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(batch_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}"
    TAVMIR_SAMPLE="${CMAKE_SOURCE_DIR}/samples/arena.cfg")
  add_dependencies(batch_bench tavmir_catalogue_data)
endif()
