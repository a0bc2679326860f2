# Helpers shared by the project's CMake files.

# tessaly_add_test(NAME SOURCES... [LIBS libs...]): a GoogleTest executable in tests/ of the build tree,
# registered test by test with CTest.
function(tessaly_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSALY_TEST_OUTPUT_DIRECTORY})
  target_compile_definitions(${name} PRIVATE TESSALY_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                     TESSALY_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES TIMEOUT 300)
endfunction()
