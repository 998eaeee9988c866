add_executable(validate_bench validate_bench.cpp)
target_link_libraries(validate_bench PRIVATE tavmir_core_settingsfile benchmark::benchmark)
target_compile_definitions(validate_bench PRIVATE
  TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}"
  TAVMIR_REFERENCE_DIR="${CMAKE_SOURCE_DIR}/../shared/reference")
add_dependencies(validate_bench tavmir_catalogue_data)
