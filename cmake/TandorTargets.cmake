# Helpers that give every Tandor target the same warnings and layout.

function(tandor_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow=local -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
    -Wimplicit-fallthrough)
  if(TANDOR_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# An engine module: a static library named after the module, whose headers are
# included as "Module/Header.hpp", with an alias Tandor::<Name without prefix>.
function(tandor_add_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/Sources")
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  tandor_set_warnings(${name})
  # Batches, as for the test suites below: names in one file's anonymous
  # namespace must not be used by another file of the module.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  string(REPLACE "Tandor" "" short "${name}")
  add_library(Tandor::${short} ALIAS ${name})
endfunction()

# Options for every qt_add_qml_module call. Without ahead-of-time compilation
# the engine compiles the QML when it loads it: the same behaviour, and a much
# shorter build where the generated C++ would be compiled with sanitizers.
if(TANDOR_QML_CACHEGEN)
  set(TANDOR_QML_MODULE_OPTIONS "")
else()
  set(TANDOR_QML_MODULE_OPTIONS NO_CACHEGEN)
endif()

# A GoogleTest suite registered with ctest. Tests never see the real home
# folder: each test points HOME and the XDG folders into its own fixture.
# OWN_MAIN: the suite brings its own main() (the application's tests start Qt).
# SHARDS: how many parts ctest runs the suite in (one by default).
function(tandor_add_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "SHARDS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/Tests")
  tandor_set_warnings(${name})
  # Test files share most of their headers (GoogleTest, Qt Quick): compiling
  # them in batches parses those once per batch instead of once per file, which
  # more than halves the suites' build. Helpers in a test file's anonymous
  # namespace must therefore have names no other test file of the suite uses.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  # One process runs many cases: starting a sanitized Qt process for each case
  # cost several times more than the cases themselves. A large suite is split
  # into SHARDS parts that ctest runs side by side; the output still names each
  # case. Every part carries the suite's name as a label, so a preset can pick
  # suites.
  if(NOT ARG_SHARDS)
    set(ARG_SHARDS 1)
  endif()
  math(EXPR last_shard "${ARG_SHARDS} - 1")
  foreach(shard RANGE ${last_shard})
    if(ARG_SHARDS EQUAL 1)
      set(test_name ${name})
    else()
      set(test_name ${name}-${shard})
    endif()
    add_test(NAME ${test_name} COMMAND ${name})
    set_tests_properties(${test_name} PROPERTIES LABELS ${name}
      ENVIRONMENT "GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()

function(tandor_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  tandor_set_warnings(${name})
endfunction()
