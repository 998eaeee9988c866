# Clipboard export and import of every setting (target: both together within 1 ms).
add_executable(operations_bench operations_bench.cpp)
target_link_libraries(operations_bench PRIVATE tavmir_core_operations benchmark::benchmark_main)
target_compile_definitions(operations_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
add_dependencies(operations_bench tavmir_catalogue_data)
# Without the generated catalogue the benchmark packs a made-up one with the test builder.
if(TARGET tavmir_test_support)
  target_link_libraries(operations_bench PRIVATE tavmir_test_support)
  target_compile_definitions(operations_bench PRIVATE TAVMIR_HAVE_TEST_BUILDER=1)
endif()
