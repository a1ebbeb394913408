# Test helpers. Every test carries one label: unit (no window), gui (Qt widgets on the
# offscreen platform) or e2e (the real binaries under Xvfb).
if(NOT VEXMORA_BUILD_TESTS)
  return()
endif()
enable_testing()
include(GoogleTest)

set(VEXMORA_TESTDATA_DIR "${CMAKE_SOURCE_DIR}/tests/data" CACHE PATH "test data carried in the tree (PngSuite)")
# The codec tests list their cases from this folder while ctest discovers them; without it
# they would abort there, so a clone that lacks it is refused here with the reason.
if(NOT EXISTS "${VEXMORA_TESTDATA_DIR}/pngsuite/basn0g01.png")
  message(FATAL_ERROR "Test data missing: ${VEXMORA_TESTDATA_DIR}/pngsuite holds no PngSuite. "
    "It is part of the source tree (tests/data/pngsuite); restore it, point VEXMORA_TESTDATA_DIR "
    "at a copy, or configure with -DVEXMORA_BUILD_TESTS=OFF.")
endif()
set(VEXMORA_LSAN_SUPPRESSIONS "${CMAKE_SOURCE_DIR}/tests/lsan.supp")

# vexmora_add_gtest(NAME LABEL unit|gui SOURCES ... LIBS ...)
function(vexmora_add_gtest name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  # Test binaries live apart from build/bin, so that the build tree's installation store
  # beside build/bin is not found by tests that need it missing.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main vexmora_warnings)
  target_compile_definitions(${name} PRIVATE
    VEXMORA_TESTDATA_DIR="${VEXMORA_TESTDATA_DIR}"
    VEXMORA_BINARY_DIR="${CMAKE_BINARY_DIR}"
    VEXMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  # gtest_discover_tests splits a list-valued ENVIRONMENT into separate properties, so the
  # display setting goes in as its own property.
  set(props LABELS ${ARG_LABEL} ENVIRONMENT "LSAN_OPTIONS=suppressions=${VEXMORA_LSAN_SUPPRESSIONS}" TIMEOUT 300)
  if(ARG_LABEL STREQUAL "gui")
    list(APPEND props ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props})
endfunction()

# vexmora_add_e2e(NAME SCRIPT script [ARGS ...]): a shell script run under its own Xvfb.
function(vexmora_add_e2e name)
  cmake_parse_arguments(ARG "" "SCRIPT" "ARGS" ${ARGN})
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run-under-xvfb ${ARG_SCRIPT} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES
    LABELS e2e
    TIMEOUT 300
    RESOURCE_LOCK xvfb
    ENVIRONMENT "VEXMORA_BIN=${CMAKE_BINARY_DIR}/bin;VEXMORA_BUILD=${CMAKE_BINARY_DIR};VEXMORA_SOURCE=${CMAKE_SOURCE_DIR};VEXMORA_TESTDATA=${VEXMORA_TESTDATA_DIR};LSAN_OPTIONS=suppressions=${VEXMORA_LSAN_SUPPRESSIONS}")
endfunction()
