# One place registers every test, so every test runs the same way: GoogleTest
# and Qt's offscreen platform.
include(GoogleTest)
find_package(GTest REQUIRED)

# tavrel_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
#   a GoogleTest program, each of its tests registered on its own;
# tavrel_add_test(<name> COMMAND <command...>)
#   a script whose exit status is the verdict.
function(tavrel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;COMMAND" ${ARGN})
  set(environment "QT_QPA_PLATFORM=offscreen")
  if(ARG_COMMAND)
    add_test(NAME ${name} COMMAND ${ARG_COMMAND})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()

# tavrel_add_fuzzer(<name> SOURCES <files...> LIBRARIES <targets...> SECONDS <n>)
# Builds a libFuzzer harness and registers a time-boxed run of it on its
# seed corpus (fuzz/corpus/<name>) as a ctest test.
function(tavrel_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            sh -c "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -max_total_time=${ARG_SECONDS} -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 '${work}' '${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name}'")
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
