# Runs the vantelle program once and checks its exit status, its standard output against a file
# (byte for byte) and its standard error against a regular expression.
#   PROGRAM        the program
#   ARGS           its arguments, separated by "|"
#   INPUT          a file for standard input (optional)
#   EXPECTED_CODE  the exit status
#   EXPECTED_OUT   a file holding the exact standard output (optional)
#   OUT_MATCHES    instead, a regular expression standard output must match (optional; with
#                  neither, standard output must be empty)
#   EXPECTED_ERR   a regular expression standard error must match (optional: then it must be empty)
string(REPLACE "|" ";" arguments "${ARGS}")
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${PROGRAM} ${arguments} ${input_option}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)

set(failures)
if(NOT code STREQUAL EXPECTED_CODE)
  list(APPEND failures "exit status ${code}, expected ${EXPECTED_CODE}")
endif()
set(expected_out "")
if(EXPECTED_OUT)
  file(READ ${EXPECTED_OUT} expected_out)
endif()
if(OUT_MATCHES)
  if(NOT out MATCHES "${OUT_MATCHES}")
    list(APPEND failures "standard output does not match '${OUT_MATCHES}':\n${out}")
  endif()
elseif(NOT out STREQUAL expected_out)
  list(APPEND failures "standard output differs:\n--- got\n${out}--- expected\n${expected_out}")
endif()
if(EXPECTED_ERR)
  if(NOT err MATCHES "${EXPECTED_ERR}")
    list(APPEND failures "standard error does not match '${EXPECTED_ERR}':\n${err}")
  endif()
elseif(NOT err STREQUAL "")
  list(APPEND failures "unexpected standard error:\n${err}")
endif()
if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
