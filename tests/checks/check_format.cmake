# Fails when a C++ file of the project is not formatted as .clang-format says.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/resources/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format finds unformatted files:\n${errors}")
endif()
