# The real program started without any display: two plain lines, Italian and English, that say
# so and how to play without one, and status 1 (not Qt's abort). Run with -DPROGRAM=... and
# -DDISPLAY_VALUE=... (empty: no DISPLAY at all).
set(environment env -i)
if(DISPLAY_VALUE)
  list(APPEND environment DISPLAY=${DISPLAY_VALUE})
endif()
execute_process(COMMAND ${environment} ${PROGRAM}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
string(STRIP "${out}${err}" said)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "status ${status}, expected 1; the program said:\n${said}")
endif()
string(REPLACE "\n" ";" lines "${said}")
list(LENGTH lines count)
set(expected_it "^Ortambra: nessuno schermo grafico trovato\\. Per giocare senza schermo: xvfb-run -a .*ortambra$")
set(expected_en "^Ortambra: no graphical display found\\. To play without one: xvfb-run -a .*ortambra$")
list(GET lines 0 first)
if(count EQUAL 2)
  list(GET lines 1 second)
endif()
if(NOT count EQUAL 2 OR NOT first MATCHES "${expected_it}" OR NOT second MATCHES "${expected_en}")
  message(FATAL_ERROR "expected the two lines on the missing display, the program said:\n${said}")
endif()
