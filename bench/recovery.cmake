# The recovery journal of unsaved changes: its bytes, its flushed atomic write, reading it back.
add_executable(recovery_bench recovery_bench.cpp)
target_link_libraries(recovery_bench PRIVATE tavmir_core_session benchmark::benchmark_main)
target_compile_definitions(recovery_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
add_dependencies(recovery_bench tavmir_catalogue_data)
