# Saving a complete editor document: the checks, the CFG/SET bytes and the flushed atomic write.
add_executable(save_bench save_bench.cpp)
target_link_libraries(save_bench PRIVATE tavmir_core_document benchmark::benchmark_main)
target_compile_definitions(save_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
add_dependencies(save_bench tavmir_catalogue_data)
