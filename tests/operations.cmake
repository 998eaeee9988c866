tavmir_test(operations_tests
  SOURCES
    core/operations/TestCatalogue.cpp
    core/operations/EditAllShipsTest.cpp
    core/operations/ShipCopySwapTest.cpp
    core/operations/ClipboardTransferTest.cpp
    core/operations/FindSettingTest.cpp
  LIBS tavmir_core_operations tavmir_test_support)
