# One helper per kind of target, so each folder's CMakeLists.txt is a file list.

set(ZEP_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/src)

# Stops at an argument a helper does not know, so a typo never drops a file or a library.
macro(zep_reject_unknown_arguments)
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${CMAKE_CURRENT_FUNCTION}: unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
endmacro()

function(zep_apply_defaults target)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
    ZEP_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    ZEP_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    ZEP_VERSION_PATCH=${PROJECT_VERSION_PATCH})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ZEP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# zep_library(NAME SOURCES ... [PUBLIC deps ...] [PRIVATE deps ...])
function(zep_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  zep_reject_unknown_arguments()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ZEP_SOURCE_ROOT})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  zep_apply_defaults(${name})
endfunction()

# zep_program(NAME SOURCES ... [LIBS deps ...])
function(zep_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  zep_reject_unknown_arguments()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  zep_apply_defaults(${name})
endfunction()

# zep_test(NAME SOURCES ... [LIBS deps ...]): one GoogleTest binary, each test its own CTest entry.
function(zep_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  zep_reject_unknown_arguments()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zep_test_support GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  zep_apply_defaults(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 60)
endfunction()

# zep_bench(NAME SOURCES ... [LIBS deps ...]): a benchmark, kept out of the program folder.
function(zep_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  zep_reject_unknown_arguments()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  zep_apply_defaults(${name})
endfunction()

# zep_fuzz(NAME SOURCES ... [LIBS deps ...])
function(zep_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  zep_reject_unknown_arguments()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  zep_apply_defaults(${name})
endfunction()
