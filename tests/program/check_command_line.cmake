# The real program asked for its help, its version or with a mistake, where no display can be
# found: it answers before reaching for one, on standard output for an answer (status 0) and on
# standard error for a mistake, the other stream silent. Run with -DPROGRAM=...,
# -DARGUMENTS=<comma-separated>, -DSTATUS=<the expected status> and -DEXPECTED=<a regular
# expression for what it says>.
string(REPLACE "," ";" ARGUMENTS "${ARGUMENTS}")
execute_process(COMMAND env -i ${PROGRAM} ${ARGUMENTS}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(STATUS EQUAL 0)
  set(said "${out}")
  set(silent "${err}")
else()
  set(said "${err}")
  set(silent "${out}")
endif()
if(NOT status EQUAL STATUS OR NOT said MATCHES "${EXPECTED}" OR NOT silent STREQUAL "")
  message(FATAL_ERROR "ortambra ${ARGUMENTS}: status ${status} (expected ${STATUS}), said on "
                      "standard output:\n${out}\nand on standard error:\n${err}")
endif()
