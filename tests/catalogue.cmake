tavmir_test(catalogue_tests
  SOURCES core/catalogue/CatalogueLoaderTest.cpp
  LIBS tavmir_core_catalogue tavmir_test_support)
