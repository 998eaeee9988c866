# The problems that stop a save: the list for 961 settings, Fix All with its history step, and,
# given a folder of settings files, open -> Fix All -> Save As -> validate on every one of them.
add_executable(problems_bench ${CMAKE_CURRENT_SOURCE_DIR}/problems_bench.cpp)
target_link_libraries(problems_bench PRIVATE tavmir_core_session benchmark::benchmark)
target_compile_definitions(problems_bench PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
target_include_directories(problems_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_dependencies(problems_bench tavmir_catalogue_data)
