# Shared compile flags and helpers for the layer libraries, tests and benchmarks.

add_library(papyra_flags INTERFACE)
target_compile_features(papyra_flags INTERFACE cxx_std_20)
target_compile_options(papyra_flags INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_compile_definitions(papyra_flags INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_UP_TO=0x060000)

# papyra_add_library(NAME SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One static library per src/ folder; its folder is its include root, src/ is shared.
function(papyra_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC papyra_flags ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# papyra_add_test(NAME SOURCES ... LIBS ... [GUI])
# One GoogleTest executable per test group, run by CTest; GUI tests run offscreen.
function(papyra_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE papyra_flags papyra_testsupport ${ARG_LIBS} GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PAPYRA_APPDIR=${PAPYRA_APPDIR};PAPYRA_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 300)
endfunction()

# papyra_add_bench(NAME SOURCES ... LIBS ...)
function(papyra_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE papyra_flags ${ARG_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
