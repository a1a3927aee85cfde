# Coverage-guided fuzzing of every parser of outside bytes (the `fuzz` preset: clang, libFuzzer).
#
# With SELVARA_FUZZ on, everything is compiled with coverage instrumentation and the address and
# undefined-behaviour sanitizers, float-to-int conversions out of range included (clang checks
# those; g++'s sanitizer does not), and any finding stops the run. Each harness is one program in
# tests/fuzz/ with a seed corpus in tests/fuzz/corpus/<name>/.
#
#   selvara_add_fuzzer(<name> SOURCES a.cpp ... [LIBS lib ...] [OPTIONS -flag=value ...])
#
# OPTIONS go to every run of the harness (for instance -close_fd_mask=3 for code that prints a
# lot: its output is dropped, libFuzzer's and the sanitizers' reports are kept).
# registers a smoke test (<name> for SELVARA_FUZZ_SMOKE_SECONDS seconds from its seeds, run by
# tools/test-all.sh through `ctest --preset fuzz`) and a line in fuzzers.txt in the build folder,
# which tools/fuzz.sh SECONDS reads for long runs.
set(SELVARA_FUZZ_SMOKE_SECONDS 3 CACHE STRING "Seconds each harness runs in the smoke test")
set(SELVARA_FUZZ_FLAGS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
set(SELVARA_FUZZ_LIST ${CMAKE_BINARY_DIR}/fuzzers.txt)
file(WRITE ${SELVARA_FUZZ_LIST} "")

function(selvara_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS;OPTIONS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
  if(NOT IS_DIRECTORY ${seeds})
    message(FATAL_ERROR "fuzz harness ${name} has no seed corpus in ${seeds}")
  endif()
  file(MAKE_DIRECTORY ${work})
  # New inputs go to the build's own corpus folder; the committed seeds are only read.
  add_test(NAME fuzz.${name}
    COMMAND ${name} -max_total_time=${SELVARA_FUZZ_SMOKE_SECONDS} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 ${F_OPTIONS} ${work} ${seeds}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120)
  list(JOIN F_OPTIONS " " options)
  file(APPEND ${SELVARA_FUZZ_LIST} "${name} ${CMAKE_CURRENT_BINARY_DIR}/${name} ${seeds} ${work} ${options}\n")
endfunction()
