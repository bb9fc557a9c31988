# Runs one session script and compares what it prints and its exit code with what is expected.
# Variables: VANTELLE (the program), SCRIPT (NAME.vts), DATA (files to copy), WORK (a folder).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/roaming)
file(COPY ${DATA}/ DESTINATION ${WORK})
# A folder NAME.roaming beside the script is what the roaming folder holds when the run starts.
string(REGEX REPLACE "\\.vts$" ".roaming" roaming ${SCRIPT})
if(IS_DIRECTORY ${roaming})
  file(COPY ${roaming}/ DESTINATION ${WORK}/roaming)
endif()

file(READ ${SCRIPT} script)
# A script with the line "# shell" is read by `vantelle shell` from standard input, which reports
# each error and goes on: one script shows many errors.
if(script MATCHES "(^|\n)# shell\n")
  set(command shell --roaming-folder ${WORK}/roaming)
  set(input INPUT_FILE ${SCRIPT})
else()
  set(command run --roaming-folder ${WORK}/roaming ${SCRIPT})
  set(input)
endif()
execute_process(
  COMMAND ${VANTELLE} ${command}
  ${input}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE code)

string(REGEX REPLACE "\\.vts$" "" base ${SCRIPT})
set(expected_code 0)
if(script MATCHES "(^|\n)# exit ([0-9]+)")
  set(expected_code ${CMAKE_MATCH_2})
endif()
file(READ ${base}.out expected_out)
set(expected_err "")
if(EXISTS ${base}.err)
  file(READ ${base}.err expected_err)
endif()

set(failed FALSE)
if(NOT out STREQUAL expected_out)
  message("standard output differs.\n--- expected\n${expected_out}--- got\n${out}---")
  set(failed TRUE)
endif()
if(NOT err STREQUAL expected_err)
  message("standard error differs.\n--- expected\n${expected_err}--- got\n${err}---")
  set(failed TRUE)
endif()
if(NOT code STREQUAL expected_code)
  message("exit code ${code}, expected ${expected_code}")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "session ${SCRIPT} failed")
endif()
