# The real program asked for its help, its version or with a mistake, where no display can be
# found: it answers before reaching for one. Run with -DPROGRAM=..., -DARGUMENTS=<comma-separated>,
# -DSTATUS=<the expected status> and -DEXPECTED=<a regular expression for all it says>.
string(REPLACE "," ";" ARGUMENTS "${ARGUMENTS}")
execute_process(COMMAND env -i ${PROGRAM} ${ARGUMENTS}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT status EQUAL STATUS OR NOT "${out}${err}" MATCHES "${EXPECTED}")
  message(FATAL_ERROR "ortambra ${ARGUMENTS}: status ${status} (expected ${STATUS}), said:\n"
                      "${out}${err}")
endif()
