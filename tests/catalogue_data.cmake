# The generated catalogue and template, checked against facts about the server's settings.
tavmir_test(catalogue_data_tests
  SOURCES core/catalogue/CatalogueDataTest.cpp
  LIBS tavmir_core_catalogue)
add_dependencies(catalogue_data_tests mkcatalogue)
target_compile_definitions(catalogue_data_tests PRIVATE
  TAVMIR_CATALOGUE_SOURCES="${CMAKE_SOURCE_DIR}/data"
  TAVMIR_MKCATALOGUE="$<TARGET_FILE:mkcatalogue>"
  TAVMIR_SHARED_REFERENCE="${CMAKE_SOURCE_DIR}/../shared/reference")
