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
  string(REPLACE "Tandor" "" short "${name}")
  add_library(Tandor::${short} ALIAS ${name})
endfunction()

# A GoogleTest suite registered with ctest. Tests never see the real home
# folder: each test points HOME and the XDG folders into its own fixture.
# OWN_MAIN: the suite brings its own main() (the application's tests start Qt).
function(tandor_add_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/Tests")
  tandor_set_warnings(${name})
  # Each case carries its suite's name as a label, so a preset can pick suites.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${name})
endfunction()

function(tandor_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  tandor_set_warnings(${name})
endfunction()
