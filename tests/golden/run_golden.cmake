# Runs one golden file: its first line is "$ vadocalc-cli ARGS" (shell quoting), the rest is the
# output the command must print and an "exit N" line at the end.
file(READ ${GOLDEN} content)
string(FIND "${content}" "\n" eol)
string(SUBSTRING "${content}" 0 ${eol} command_line)
math(EXPR body_start "${eol} + 1")
string(SUBSTRING "${content}" ${body_start} -1 expected)
string(REGEX REPLACE "^\\$ vadocalc-cli " "" args_text "${command_line}")
separate_arguments(args UNIX_COMMAND "${args_text}")
execute_process(COMMAND ${CLI} ${args}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(actual "${out}${err}exit ${rc}\n")
if(NOT actual STREQUAL expected)
  file(WRITE ${GOLDEN}.actual "${command_line}\n${actual}")
  message(FATAL_ERROR "output differs from ${GOLDEN}\n--- expected\n${expected}--- actual\n${actual}"
    "(the actual output is in ${GOLDEN}.actual)")
endif()
