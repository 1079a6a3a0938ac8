# The include check on a copy of the checked folders (COPY): it passes as they are, and fails
# naming each include planted in engine/ in a form a line-start pattern would miss.
string(REPLACE "+" ";" rules "${RULES}")
file(REMOVE_RECURSE ${COPY})
foreach(rule IN LISTS rules)
  string(REGEX REPLACE "=.*" "" folder "${rule}")
  get_filename_component(parent ${COPY}/${folder} DIRECTORY)
  file(COPY ${ROOT}/${folder} DESTINATION ${parent})
endforeach()
set(check ${CMAKE_COMMAND} -DROOT=${COPY} -DRULES=${RULES} -P ${ROOT}/cmake/Layercheck.cmake)
execute_process(COMMAND ${check} RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "The unchanged copy fails the check:\n${out}")
endif()

# Six forbidden includes, then allowed ones: the standard library, the own folder, a system header.
file(APPEND ${COPY}/engine/codes.h "#include <play/game.h>\n#include \"../records/winners.h\"\n"
  "  #include \"./../shell/title.h\"\n# include \"windows/waitstate.h\"\n"
  "\t#\tinclude \"tools/cli/terminal.cpp\"\n#include<ui/mainwindow.h>\n#include <vector>\n"
  "#include \"codes.h\"\n#include <windows.h>\n#include \"engine/str.h\"\n")
execute_process(COMMAND ${check} RESULT_VARIABLE rc ERROR_VARIABLE out)
string(REGEX MATCHALL "engine/[a-z.]+ includes [^,]*" found "${out}")
list(TRANSFORM found REPLACE "engine/codes.h includes " "")
string(JOIN " " found ${found})
set(planted [[<play/game.h> "../records/winners.h" "./../shell/title.h" "windows/waitstate.h"]]
            [[ "tools/cli/terminal.cpp" <ui/mainwindow.h>]])
string(JOIN "" planted ${planted})
if(rc EQUAL 0 OR NOT found STREQUAL planted)
  message(FATAL_ERROR "Expected the check to name ${planted}, it said (${rc}):\n${out}")
endif()
