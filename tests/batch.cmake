# The batch tools: golden cases of the runs, the scan and the template fix; the list rules.
tavmir_test(batch_tests
  SOURCES core/batch/BatchGoldenTest.cpp core/batch/BatchListTest.cpp
    core/batch/TemplateReadTest.cpp
  LIBS tavmir_core_batch)
