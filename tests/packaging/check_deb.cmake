# Builds the .deb of BUILD_DIR into OUT with cpack and checks what apt-get will see of it.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${output}")
endif()
file(GLOB debs ${OUT}/ortambra_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one ortambra_*.deb in ${OUT}, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Package Section Depends Recommends
                OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents
                COMMAND_ERROR_IS_FATAL ANY)
set(failures "")
# Depends comes from dpkg-shlibdeps: without it apt-get would install no Qt at all.
foreach(text "Package: ortambra" "Section: education" "libqt6widgets6" "libqt6gui6"
             "Recommends: fonts-liberation, qt6-translations-l10n")
  string(FIND "${fields}" "${text}" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  control lacks ${text}")
  endif()
endforeach()
foreach(file usr/bin/ortambra usr/share/applications/${ID}.desktop
             usr/share/metainfo/${ID}.metainfo.xml usr/share/icons/hicolor/256x256/apps/${ID}.png
             usr/share/doc/ortambra/copyright)
  string(FIND "${contents}" " ./${file}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  package lacks /${file}")
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${debs}:${failures}\n${fields}")
endif()
