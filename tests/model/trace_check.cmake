# marble-trace: the whole printed run for one and two marbles a side, the answer to bad arguments, failed writes.
if(NOT TRACE)
  message(FATAL_ERROR "run as: cmake -DTRACE=<path to marble-trace> -P trace_check.cmake")
endif()

function(run_trace out_var err_var rc_var)
  execute_process(COMMAND "${TRACE}" ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
  set(${rc_var} "${rc}" PARENT_SCOPE)
endfunction()

# One marble a side: three moves, rolls of 31 frames and a jump of 44, each
# step 30 ms after the last frame.
string(JOIN "\n" expected
  "langkah 1.Blue roll (1,2)"
  "frames 31"
  "langkah 2.Red jump (3,1)"
  "frames 44"
  "langkah 3.Blue roll (2,3)"
  "frames 31"
  "message Banyak langkah = 3"
  "Effi 1.Blue roll (1,2)"
  "Effi 2.Red jump (3,1)"
  "Effi 3.Blue roll (2,3)"
  "total steps 4 lines 3 frames 106 time_ms 226"
  "")
run_trace(out err rc 1)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "marble-trace 1 exited with ${rc}: ${err}")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "marble-trace 1 printed:\n${out}\nexpected:\n${expected}")
endif()

# Two marbles a side: 18 log lines, 19 steps, eight moves in the solution.
run_trace(out err rc 2)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "marble-trace 2 exited with ${rc}: ${err}")
endif()
string(JOIN "\n" solution
  "Effi 1.Blue roll (2,3)" "Effi 2.Red jump (4,2)" "Effi 3.Red roll (5,4)"
  "Effi 4.Blue jump (3,5)" "Effi 5.Blue jump (1,3)" "Effi 6.Red roll (2,1)"
  "Effi 7.Red jump (4,2)" "Effi 8.Blue roll (3,4)")
string(FIND "${out}" "\nmessage Banyak langkah = 8\n${solution}\ntotal steps 19 lines 18 frames " tail)
if(tail EQUAL -1 OR NOT out MATCHES "\ntotal steps 19 lines 18 frames [0-9]+ time_ms [0-9]+\n$")
  message(FATAL_ERROR "marble-trace 2 does not end as expected:\n${out}")
endif()
if(NOT out MATCHES "langkah 6.Backtrack \\(1,2\\)\n.*langkah 7.Backtrack \\(3,1\\)\n")
  message(FATAL_ERROR "marble-trace 2 misses the first retreat:\n${out}")
endif()

# Anything but N from 1 to 31999 and an optional step from 1 to 1000 is a usage error.
foreach(args "0" "32000" "3;0" "3;1001" "abc" "" "1;2;3")
  run_trace(out err rc ${args})
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "marble-trace '${args}' exited with '${rc}', not 2")
  endif()
  if(NOT err MATCHES "^[^\n]*[Uu]sage[^\n]*\n$")
    message(FATAL_ERROR "marble-trace '${args}' should print one usage line on stderr, printed:\n${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "marble-trace '${args}' printed on stdout:\n${out}")
  endif()
endforeach()

# A failed write ends even the longest run at once, with the system's reason: a full disk, and a reader
# gone while SIGPIPE is ignored.
execute_process(COMMAND "${TRACE}" 31999 OUTPUT_FILE /dev/full ERROR_VARIABLE full_err RESULT_VARIABLE full_rc)
execute_process(COMMAND sh -c "trap '' PIPE; exec \"$0\" 31999" "${TRACE}" COMMAND head -c 1
  OUTPUT_QUIET ERROR_VARIABLE pipe_err RESULTS_VARIABLE pipe_rcs)
list(GET pipe_rcs 0 pipe_rc)
foreach(case "full;No space left on device" "pipe;Broken pipe")
  list(GET case 0 into)
  list(GET case 1 reason)
  if(NOT ${into}_rc EQUAL 1 OR NOT ${into}_err STREQUAL "marble-trace: cannot write the trace: ${reason}\n")
    message(FATAL_ERROR "marble-trace into ${into} exited with '${${into}_rc}', printed:\n${${into}_err}")
  endif()
endforeach()

# --tree: the whole DOT of one and two marbles a side; for three to five, a valid board on every node,
# the counts in the graph's label, and the bold path that is the solution; and DOT that Graphviz draws.
foreach(n 1 2)
  run_trace(out err rc --tree ${n})
  file(READ "${CMAKE_CURRENT_LIST_DIR}/tree-${n}.dot" expected)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "marble-trace --tree ${n} exited with ${rc} and printed:\n${out}\nexpected:\n${expected}")
  endif()
endforeach()
foreach(n 3 4 5)
  run_trace(out err rc --tree ${n})
  run_trace(plain err plain_rc ${n})
  string(REGEX MATCHALL "label=\"[^\"]*\"];\n  n[0-9]+ -> " boards "${out}")
  string(REPEAT "B" ${n} blues)
  string(REPEAT "R" ${n} reds)
  foreach(board ${boards})
    string(REGEX REPLACE "label=\"([^\"]*)\".*" "\\1" board "${board}")
    string(REGEX REPLACE "[^B]" "" b "${board}")
    string(REGEX REPLACE "[^R]" "" r "${board}")
    string(REGEX REPLACE "[^_]" "" hole "${board}")
    if(NOT b STREQUAL blues OR NOT r STREQUAL reds OR NOT hole STREQUAL "_")
      message(FATAL_ERROR "marble-trace --tree ${n} labels a node \"${board}\"")
    endif()
  endforeach()
  string(REGEX MATCH "label=\"N = ${n}: [0-9]+ steps, ([0-9]+) positions, ([0-9]+) moves, ([0-9]+) backtracks, ([0-9]+) dead ends?, ([0-9]+) repeats?, deepest path ([0-9]+) moves\"" label "${out}")
  set(found "${CMAKE_MATCH_1};${CMAKE_MATCH_2};${CMAKE_MATCH_3};${CMAKE_MATCH_4};${CMAKE_MATCH_5};${CMAKE_MATCH_6}")
  # Positions are moves + 1, and moves - backtracks the N x (N + 2) of the solution; three a side
  # counted apart: 31 positions, 30 moves, 15 backtracks, 4 dead ends, 2 repeats, deepest 15.
  math(EXPR positions "${CMAKE_MATCH_2} + 1")
  math(EXPR backtracks "${CMAKE_MATCH_2} - ${n} * (${n} + 2)")
  set(counts "${positions};${CMAKE_MATCH_2};${backtracks};${CMAKE_MATCH_4};${CMAKE_MATCH_5};${CMAKE_MATCH_6}")
  if(n EQUAL 3)
    set(counts "31;30;15;4;2;15")
  endif()
  string(REGEX MATCHALL "label=\"[^\"]*\", style=bold" bold "${out}")
  # The bold edges are the solution's moves, in order; a log line and a line of Effi differ in their number.
  string(REGEX REPLACE "label=\"[0-9]+([^\"]*)\", style=bold" "\\1" bold "${bold}")
  string(REGEX MATCHALL "Effi [^\n]*" solution "${plain}")
  string(REGEX REPLACE "Effi [0-9]+" "" solution "${solution}")
  if(NOT rc EQUAL 0 OR NOT found STREQUAL counts OR NOT bold STREQUAL solution)
    message(FATAL_ERROR "marble-trace --tree ${n}: counts '${found}', not '${counts}'; bold '${bold}', "
                        "not the solution '${solution}'")
  endif()
endforeach()
find_program(DOT dot)
if(DOT)
  execute_process(COMMAND "${TRACE}" --tree 4 COMMAND "${DOT}" -Tsvg OUTPUT_QUIET ERROR_VARIABLE dot_err
    RESULTS_VARIABLE dot_rcs)
  if(NOT dot_rcs STREQUAL "0;0" OR NOT dot_err STREQUAL "")
    message(FATAL_ERROR "Graphviz does not take marble-trace --tree 4: ${dot_rcs}\n${dot_err}")
  endif()
endif()

# --explain: each line of one marble a side and why, then the goal and why; bad arguments as before.
run_trace(out err rc --explain 1)
file(READ "${CMAKE_CURRENT_LIST_DIR}/explain-1.txt" expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "marble-trace --explain 1 exited with ${rc} and printed:\n${out}\nexpected:\n${expected}")
endif()
run_trace(out err rc --explain 0)
if(NOT rc EQUAL 2 OR NOT err MATCHES "^[^\n]*[Uu]sage[^\n]*\n$" OR NOT out STREQUAL "")
  message(FATAL_ERROR "marble-trace --explain 0 exited with '${rc}', printed:\n${err}")
endif()
