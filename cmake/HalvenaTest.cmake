# halvena_add_test(NAME [QT] SOURCES... LIBS libs...): one GoogleTest executable, registered with
# CTest. QT: the tests run inside a QApplication on the offscreen platform and may use the shared
# helpers of tests/support ("support/Widgets.h"); without it the executable is Qt-free and gets
# GoogleTest's own main.
find_package(GTest REQUIRED)
include(GoogleTest)

function(halvena_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    set(main halvena_test_support)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock ${main})
  # The shared helpers of tests/support, header only where the executable is Qt-free.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Parameterised suites name their cases with a name generator; the printed parameter (raw
  # bytes for a struct) stays out of the CTest name.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
