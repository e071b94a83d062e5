# The fuzzer's own test. A short run over every page must be clean; then each deliberate fault (the
# weir page showing "nan", a step that never ends, a crash) must be caught, shrunk to the three
# steps that make it, written as a replay file and caught again when the file is replayed; the
# same file without the fault must pass.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Runs the fuzzer into `out`; fails unless it ends with `status` and prints each text after EXPECT.
function(fuzz status out)
  cmake_parse_arguments(F "" "" "EXPECT" ${ARGN})
  execute_process(COMMAND ${FUZZ} ${F_UNPARSED_ARGUMENTS} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE got
    OUTPUT_VARIABLE text ERROR_VARIABLE err TIMEOUT 900)
  foreach(what "" ${F_EXPECT})
    string(FIND "${text}" "${what}" at)
    if(at EQUAL -1 OR NOT got STREQUAL "${status}")
      message(FATAL_ERROR "vadocalc-fuzz ${F_UNPARSED_ARGUMENTS}: status ${got} (expected ${status}), "
        "expected \"${what}\" in:\n${text}\n${err}")
    endif()
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

fuzz(0 clean --seed 1 --runs 40 --out ${WORK} EXPECT "project files: ")
if(NOT clean MATCHES "^40 sequences, [0-9]+ steps, 0 failures in")
  message(FATAL_ERROR "a clean run was expected:\n${clean}")
endif()
message(STATUS "${clean}")

set(nan-weir "not-a-number on frmWeir: lbl1Q shows \"Q = nan cfs\""
  "the same with vadocalc-cli: vadocalc-cli frmWeir opt1Selector=1 --click 'cmdCompute(1)'")
set(hang-weir "a step was still unfinished after 2 s")
set(crash-weir "the program crashed")
foreach(fault nan-weir hang-weir crash-weir)
  fuzz(1 found --seed 1 --runs 3000 --fault ${fault} --step-limit 2 --no-truncations --out ${WORK} EXPECT
    "FAILURE in sequence " "shrunk to 3 steps:\n  1. tab 2\n  2. choose frmWeir opt1Selector 1\n  3. click frmWeir cmdCompute(1)\n"
    ${${fault}})
  if(NOT found MATCHES "replay file: ([^\n]+)\n")
    message(FATAL_ERROR "no replay file in:\n${found}")
  endif()
  set(replay "${CMAKE_MATCH_1}")
  fuzz(1 again --replay ${replay} --step-limit 2 EXPECT "replay of 3 steps: FAILURE at step 3")
  file(READ ${replay} steps)
  string(REPLACE "fault ${fault}\n" "" without "${steps}")
  if(without STREQUAL steps)
    message(FATAL_ERROR "the replay file does not name the fault:\n${steps}")
  endif()
  file(WRITE ${WORK}/without-${fault}.replay "${without}")
  fuzz(0 passed --replay ${WORK}/without-${fault}.replay EXPECT "replay of 3 steps: passed")
endforeach()
