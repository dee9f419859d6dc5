# Fails when a CTest name is not readable and stable: every name is made of letters, digits and
# `_ . / : -`, and a parameterised test ends in a case name, not in a bare index. Names that carry
# a printed parameter (raw bytes that change with every build) break `ctest -R` and test history.
# Usage: cmake -DCTEST=<ctest> -DBUILD_DIR=<build folder> -P CheckTestNames.cmake
execute_process(COMMAND ${CTEST} -N --test-dir ${BUILD_DIR}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ctest -N failed in ${BUILD_DIR}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(count 0)
set(bad "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^ *Test +#[0-9]+: (.*)$")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  math(EXPR count "${count} + 1")
  if(NOT name MATCHES "^[A-Za-z0-9_./:-]+$" OR name MATCHES "/[0-9]+$")
    string(APPEND bad "\n  ${name}")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "no tests listed in ${BUILD_DIR}")
endif()
if(bad)
  message(FATAL_ERROR "test names that are not readable or not stable (give the parameterised "
    "suite a name generator):${bad}")
endif()
message(STATUS "${count} test names are readable")
