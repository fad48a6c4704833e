# Fails when a folder includes a header of a folder that is not below it.
#   cmake -DROOT=<source folder> "-DLAYERS=platform,core,entry keying rig spots,reports,mainwindow" -P CheckLayers.cmake
# LAYERS lists the layers from the bottom up, separated by commas; folders of one layer are
# separated by blanks and may
# not include each other. Only includes written "folder/..." of a known folder count. The
# executable's main.cpp (core/main.cpp) wires every layer together and is not part of core.
if(NOT ROOT OR NOT LAYERS)
  message(FATAL_ERROR "CheckLayers.cmake needs ROOT and LAYERS")
endif()

string(REPLACE "," ";" LAYERS "${LAYERS}")
set(rank 0)
set(known)
foreach(layer ${LAYERS})
  string(REPLACE " " ";" dirs "${layer}")
  foreach(dir ${dirs})
    set(rank_${dir} ${rank})
    list(APPEND known ${dir})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

set(wrong 0)
foreach(dir ${known})
  file(GLOB_RECURSE files ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
  list(FILTER files EXCLUDE REGEX "/core/main\\.cpp$")
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([A-Za-z_]+)/.*$" "\\1" used "${line}")
      if(used STREQUAL dir OR NOT DEFINED rank_${used})
        continue()
      endif()
      if(NOT rank_${used} LESS rank_${dir})
        file(RELATIVE_PATH rel ${ROOT} ${f})
        message("${rel} includes ${used}/, which is not below ${dir}/")
        math(EXPR wrong "${wrong} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} includes go up or across the layers")
endif()
