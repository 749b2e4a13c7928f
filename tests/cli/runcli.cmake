# Runs PROGRAM with ARGUMENTS (one string, split as a shell would) and checks
# its exit status and what it wrote: STREAM (stdout or stderr) holds LINES
# lines, the first one FIRST_LINE, and the other stream nothing.
cmake_minimum_required(VERSION 3.22)

separate_arguments(arguments UNIX_COMMAND "${ARGUMENTS}")
execute_process(COMMAND "${PROGRAM}" ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)

if(STREAM STREQUAL "stdout")
  set(text "${out}")
  set(other "${err}")
else()
  set(text "${err}")
  set(other "${out}")
endif()
string(REGEX REPLACE "\n.*" "" first "${text}")
string(REGEX REPLACE "[^\n]" "" newlines "${text}")
string(LENGTH "${newlines}" lines)

set(problems "")
if(NOT status STREQUAL STATUS)
  string(APPEND problems "exit status ${status}, expected ${STATUS}\n")
endif()
if(NOT first STREQUAL FIRST_LINE)
  string(APPEND problems "first line of ${STREAM} \"${first}\", expected \"${FIRST_LINE}\"\n")
endif()
if(NOT LINES STREQUAL "" AND NOT lines EQUAL LINES)
  string(APPEND problems "${lines} lines on ${STREAM}, expected ${LINES}\n")
endif()
if(NOT other STREQUAL "")
  string(APPEND problems "unexpected output on the other stream\n")
endif()
if(problems)
  message(FATAL_ERROR "vantrelo ${ARGUMENTS}:\n${problems}stdout:\n${out}stderr:\n${err}")
endif()
