tavmir_test(document_tests
  SOURCES core/document/DocumentTest.cpp core/document/LayoutTest.cpp
          core/document/EditingTest.cpp core/document/AveragesTest.cpp
          core/document/DocumentTestSupport.cpp
          core/document/DiskWatchTest.cpp core/document/BackupSessionTest.cpp
  LIBS tavmir_core_document tavmir_test_support)
