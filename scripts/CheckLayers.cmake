# Fails when a folder includes a header of a folder that is not below it.
#   cmake -DROOT=<source folder> "-DLAYERS=platform,core,entry keying rig spots,reports,mainwindow,app" -P CheckLayers.cmake
# LAYERS lists the layers from the bottom up, separated by commas; folders of one layer are
# separated by blanks and may not include each other. Only includes written "folder/..." of a
# known folder count, and no folder includes tests/. The top layer (app/, the executable's own
# files) wires every layer together, so it may include them all and none may include it.
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
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([A-Za-z_]+)/.*$" "\\1" used "${line}")
      if(used STREQUAL "tests")
        # Test doubles and fixtures live in the tests' own library, never in the program.
        file(RELATIVE_PATH rel ${ROOT} ${f})
        message("${rel} includes tests/, which the program does not contain")
        math(EXPR wrong "${wrong} + 1")
        continue()
      endif()
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
