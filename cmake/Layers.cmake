# The game layer is a stack of folders, each a static library. A folder names the folders below it
# that it uses; it links those and may include only their headers and its own. A folder can name
# only folders already declared, so the stack has no cycle, and the include check below fails the
# build when a source reaches for a folder it has not named.
set(TINTCIPHER_LAYER_RULES "")
set(TINTCIPHER_LAYER_FILES "")

function(tintcipher_layer name)
  cmake_parse_arguments(L "" "" "USES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.h)
  add_library(tintcipher_${name} STATIC ${sources})
  target_include_directories(tintcipher_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(tintcipher_${name} PRIVATE ${TINTCIPHER_WARNINGS})
  foreach(used IN LISTS L_USES)
    if(NOT TARGET tintcipher_${used})
      message(FATAL_ERROR "${name} uses ${used}, which is not below it")
    endif()
    target_link_libraries(tintcipher_${name} PUBLIC tintcipher_${used})
  endforeach()
  string(REPLACE ";" "," uses "${L_USES}")
  set(TINTCIPHER_LAYER_RULES ${TINTCIPHER_LAYER_RULES} "${name}=${uses}" PARENT_SCOPE)
  set(TINTCIPHER_LAYER_FILES ${TINTCIPHER_LAYER_FILES} ${sources} ${headers} PARENT_SCOPE)
endfunction()

# Checks every include of the layers against their rules; it runs whenever a source changes.
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
endfunction()
