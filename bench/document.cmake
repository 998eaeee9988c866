add_executable(document_bench ${CMAKE_CURRENT_SOURCE_DIR}/document_bench.cpp)
target_link_libraries(document_bench PRIVATE tavmir_core_document benchmark::benchmark_main)
target_compile_definitions(document_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
add_dependencies(document_bench tavmir_catalogue_data)
