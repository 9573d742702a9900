# zembrol_add_test(name sources... LIBS libs...)
function(zembrol_add_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  # Tests find their fixtures in the source tree wherever they are run from.
  target_compile_definitions(${name} PRIVATE ZEMBROL_TESTS_DIR="${CMAKE_SOURCE_DIR}/tests")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    # A test that cannot run here (no display) is reported as skipped, not passed.
    PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()
