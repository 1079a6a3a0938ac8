# Fails when any C++ file of the project differs from what clang-format makes of it.
file(GLOB_RECURSE files
  ${ROOT}/engine/*.cpp ${ROOT}/engine/*.h ${ROOT}/settings/*.cpp ${ROOT}/settings/*.h
  ${ROOT}/play/*.cpp ${ROOT}/play/*.h ${ROOT}/records/*.cpp ${ROOT}/records/*.h
  ${ROOT}/statistics/*.cpp ${ROOT}/statistics/*.h ${ROOT}/savedgames/*.cpp ${ROOT}/savedgames/*.h
  ${ROOT}/shell/*.cpp ${ROOT}/shell/*.h ${ROOT}/signature/*.cpp ${ROOT}/signature/*.h
  ${ROOT}/system/*.cpp ${ROOT}/system/*.h
  ${ROOT}/windows/*.cpp ${ROOT}/windows/*.h ${ROOT}/ui/*.cpp ${ROOT}/ui/*.h ${ROOT}/app/*.cpp
  ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
  ${ROOT}/bench/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "clang-format differences:\n${err}")
endif()
