# The game layer is a stack of folders, each a static library. A folder names the folders below it
# that it uses; it links those and may include only their headers and its own. A folder can name
# only folders already declared, so the stack has no cycle, and the include check below fails the
# build when a source reaches for a folder it has not named. The programs' folders above the game
# layer declare what they use the same way, without a library of their own.
include(${CMAKE_CURRENT_LIST_DIR}/Layercheck.cmake)
set(TINTCIPHER_LAYER_RULES "")
set(TINTCIPHER_LAYER_FOLDERS "")
set(TINTCIPHER_LAYER_FILES "")

macro(tintcipher_layer_rule name)
  cmake_parse_arguments(L "" "" "USES" ${ARGN})
  foreach(used IN LISTS L_USES)
    if(NOT used IN_LIST TINTCIPHER_LAYER_FOLDERS)
      message(FATAL_ERROR "${name} uses ${used}, which is not below it")
    endif()
  endforeach()
  list(TRANSFORM TINTCIPHER_LAYER_PATTERNS PREPEND ${PROJECT_SOURCE_DIR}/${name}/
    OUTPUT_VARIABLE L_globs)
  file(GLOB L_files CONFIGURE_DEPENDS ${L_globs})
  string(REPLACE ";" "," L_uses "${L_USES}")
  list(APPEND TINTCIPHER_LAYER_RULES "${name}=${L_uses}")
  list(APPEND TINTCIPHER_LAYER_FOLDERS ${name})
  list(APPEND TINTCIPHER_LAYER_FILES ${L_files})
endmacro()

macro(tintcipher_layer name)
  tintcipher_layer_rule(${name} ${ARGN})
  file(GLOB L_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  add_library(tintcipher_${name} STATIC ${L_sources})
  target_include_directories(tintcipher_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(tintcipher_${name} PRIVATE ${TINTCIPHER_WARNINGS})
  foreach(used IN LISTS L_USES)
    target_link_libraries(tintcipher_${name} PUBLIC tintcipher_${used})
  endforeach()
endmacro()

# Checks every include of the declared folders against their rules; it runs whenever one of their
# sources changes, and before any target built from them compiles, so no single target's build
# gets around it.
function(tintcipher_layer_check)
  set(stamp ${CMAKE_BINARY_DIR}/layer_check.stamp)
  string(REPLACE ";" "+" rules "${TINTCIPHER_LAYER_RULES}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DRULES=${rules}
            -P ${PROJECT_SOURCE_DIR}/cmake/Layercheck.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${TINTCIPHER_LAYER_FILES} ${PROJECT_SOURCE_DIR}/cmake/Layercheck.cmake
    COMMENT "Checking that each folder includes only the folders it uses" VERBATIM)
  add_custom_target(layer_check ALL DEPENDS ${stamp})
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tintcipher_layer_wait
    ${PROJECT_SOURCE_DIR})
endfunction()

# Once every folder is configured: each target with a source in a checked folder waits for the
# check (a new program or library there is covered without a line of its own).
function(tintcipher_layer_wait dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(sources ${target} SOURCES)
    get_target_property(base ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      get_filename_component(source ${source} ABSOLUTE BASE_DIR ${base})
      get_filename_component(where ${source} DIRECTORY)
      file(RELATIVE_PATH where ${PROJECT_SOURCE_DIR} ${where})
      if(where IN_LIST TINTCIPHER_LAYER_FOLDERS)
        add_dependencies(${target} layer_check)
        break()
      endif()
    endforeach()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    tintcipher_layer_wait(${sub})
  endforeach()
endfunction()
