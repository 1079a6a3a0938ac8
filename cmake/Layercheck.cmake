# The files of a folder the check reads: every C or C++ source and header, whether a target
# compiles it or a source includes it.
set(TINTCIPHER_LAYER_PATTERNS *.h *.hh *.hpp *.hxx *.inl *.ipp *.inc *.c *.cc *.cpp *.cxx)
if(NOT CMAKE_SCRIPT_MODE_FILE)
  return()
endif()

# Run as a script: ROOT is the source tree, RULES "folder=used,used" entries joined by "+".
# An include is read in any form the preprocessor takes: quotes or angle brackets, blanks before
# and after the '#', and a quoted path relative to the including file's folder ("./", "../").
# Any other path is taken from the root, the project's one include folder (a bare "x.h" found
# beside the file lands there too, in no folder). An include that lands in a folder of the tree
# must land in the file's own or one its folder uses; headers from elsewhere (<vector>,
# <QWidget>) pass.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "+" ";" RULES "${RULES}")
set(failures "")
foreach(rule IN LISTS RULES)
  string(REPLACE "=" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(LENGTH parts n)
  set(allowed ${folder})
  if(n GREATER 1)
    list(GET parts 1 uses)
    string(REPLACE "," ";" uses "${uses}")
    list(APPEND allowed ${uses})
  endif()
  list(TRANSFORM TINTCIPHER_LAYER_PATTERNS PREPEND ${ROOT}/${folder}/ OUTPUT_VARIABLE globs)
  file(GLOB files ${globs})
  foreach(f IN LISTS files)
    get_filename_component(here ${f} DIRECTORY)
    file(RELATIVE_PATH rel ${ROOT} ${f})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^[ \t]*#[ \t]*include(_next)?[ \t]*(<([^>]*)>|\"([^\"]*)\")")
        continue()
      endif()
      set(written ${CMAKE_MATCH_2})
      set(quoted "${CMAKE_MATCH_4}")
      set(path ${ROOT}/${CMAKE_MATCH_3}${quoted})
      if(quoted MATCHES "^\\.\\.?/")
        set(path ${here}/${quoted})
      endif()
      cmake_path(NORMAL_PATH path)
      cmake_path(GET path PARENT_PATH where)
      file(RELATIVE_PATH where ${ROOT} ${where})
      if(where STREQUAL "" OR where MATCHES "^\\.\\." OR NOT IS_DIRECTORY ${ROOT}/${where}
         OR where IN_LIST allowed)
        continue()
      endif()
      string(APPEND failures "\n  ${rel} includes ${written}, from ${where}/, "
                             "which ${folder}/ does not use")
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes across the folders' layering:${failures}")
endif()
