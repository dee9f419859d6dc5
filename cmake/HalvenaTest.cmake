# halvena_add_test(NAME SOURCES... LIBS libs...): one GoogleTest executable, registered with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

function(halvena_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  # Parameterised suites name their cases with a name generator; the printed parameter (raw
  # bytes for a struct) stays out of the CTest name.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
