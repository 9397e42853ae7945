# Builds the Debian package into OUT with scripts/build-deb (dpkg-buildpackage on a copy of the
# source, then lintian and hardening-check, and its architecture) and checks what apt-get will see
# of it. A cross-build gives ARCH, Debian's name of the processor it builds for.
if(ARCH)
  set(arch_options --arch ${ARCH})
endif()
execute_process(COMMAND ${SOURCE_DIR}/scripts/build-deb ${arch_options} ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scripts/build-deb failed:\n${output}")
endif()
message("${output}") # lintian's and hardening-check's findings, for a verbose run
file(GLOB debs ${OUT}/ortambra_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one ortambra_*.deb in ${OUT}, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Package Section Version
                OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --field ${debs} Depends
                OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents
                COMMAND_ERROR_IS_FATAL ANY)
set(failures "")
# The version comes from debian/changelog, which must follow the project's.
foreach(text "Package: ortambra" "Section: education" "Version: ${VERSION}\n")
  string(FIND "${fields}" "${text}" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  control lacks ${text}")
  endif()
endforeach()
# The Qt libraries come from dh_shlibdeps: without them apt-get would install no Qt at all. The
# windows ask for the Liberation faces by name and the dialogs take Qt's Italian texts, so a lab
# image installed without recommends needs those two as well.
foreach(package libqt6widgets6 libqt6gui6 libqt6printsupport6 fonts-liberation qt6-translations-l10n)
  if(NOT depends MATCHES "(^|, )${package}( |,|\n|$)")
    string(APPEND failures "\n  Depends lacks ${package}")
  endif()
endforeach()
foreach(file usr/bin/ortambra usr/share/applications/${ID}.desktop
             usr/share/metainfo/${ID}.metainfo.xml usr/share/icons/hicolor/256x256/apps/${ID}.png
             usr/share/doc/ortambra/copyright usr/share/doc/ortambra/changelog.gz
             usr/share/man/man6/ortambra.6.gz)
  string(FIND "${contents}" " ./${file}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  package lacks /${file}")
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${debs}:${failures}\n${fields}Depends: ${depends}")
endif()
