# Checks that every file the desktop needs is where it looks in the install tree STAGE.
# Failures are collected in a string: the texts hold semicolons, which a list would split.
set(failures "")
if(NOT EXISTS ${STAGE}/bin/ortambra)
  string(APPEND failures "\n  bin/ortambra missing")
endif()
foreach(file share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
             share/icons/hicolor/scalable/apps/${ID}.svg share/doc/ortambra/copyright
             share/man/man6/ortambra.6)
  if(NOT EXISTS ${STAGE}/${file})
    string(APPEND failures "\n  ${file} missing")
  endif()
endforeach()

# A PNG's width and height are the two big-endian words after the IHDR tag at byte 12.
foreach(size IN LISTS ICON_SIZES)
  set(png ${STAGE}/share/icons/hicolor/${size}x${size}/apps/${ID}.png)
  if(NOT EXISTS ${png})
    string(APPEND failures "\n  ${size}x${size} icon missing")
    continue()
  endif()
  file(READ ${png} header OFFSET 12 LIMIT 12 HEX)
  string(SUBSTRING "${header}" 8 8 width)
  string(SUBSTRING "${header}" 16 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT header MATCHES "^49484452" OR NOT width EQUAL size OR NOT height EQUAL size)
    string(APPEND failures "\n  ${size}x${size} icon is not a ${size}x${size} PNG (IHDR ${header})")
  endif()
endforeach()

# The desktop entry, the AppStream data and the icon must agree on the one name.
set(entry "")
set(metainfo "")
if(EXISTS ${STAGE}/share/applications/${ID}.desktop)
  file(READ ${STAGE}/share/applications/${ID}.desktop entry)
endif()
foreach(line "Icon=${ID}" "Exec=ortambra" "Categories=Education;Math;" "Exec=ortambra --lavagna"
    "Name[it]=Alla lavagna")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  desktop entry lacks the line ${line}")
  endif()
endforeach()
if(EXISTS ${STAGE}/share/metainfo/${ID}.metainfo.xml)
  file(READ ${STAGE}/share/metainfo/${ID}.metainfo.xml metainfo)
endif()
foreach(text "<id>${ID}</id>" "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
             "<binary>ortambra</binary>")
  string(FIND "${metainfo}" "${text}" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  metainfo lacks ${text}")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "install tree in ${STAGE}:${failures}")
endif()
message(STATUS "install tree complete in ${STAGE}")
