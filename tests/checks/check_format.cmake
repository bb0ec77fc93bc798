# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project is not formatted as .clang-format says, or does not begin
# with the licence's SPDX line (scripts/spdx-headers.sh adds it). The format is
# clang-format 14's (Debian 12's); other versions lay out some constructs differently, so with
# only another version at hand the check is skipped, saying why, rather than failing.
set(wanted_major 14)
if(NOT CLANG_FORMAT)
  message(NOTICE "checks.format skipped: clang-format-${wanted_major} is not installed "
                 "(scripts/install-deps.sh installs it)")
  return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version_text
                RESULT_VARIABLE version_result)
string(REGEX MATCH "version ([0-9]+)\\." version_match "${version_text}")
if(NOT version_result EQUAL 0 OR NOT CMAKE_MATCH_1 STREQUAL wanted_major)
  string(STRIP "${version_text}" version_text)
  message(NOTICE "checks.format skipped: the format is clang-format ${wanted_major}'s, and "
                 "${CLANG_FORMAT} is \"${version_text}\" (scripts/install-deps.sh installs "
                 "clang-format-${wanted_major})")
  return()
endif()

file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/resources/*.cpp)
set(unlicensed "")
foreach(file ${files})
  file(STRINGS ${file} first_line LIMIT_COUNT 1)
  if(NOT first_line STREQUAL "// SPDX-License-Identifier: GPL-3.0-or-later")
    list(APPEND unlicensed ${file})
  endif()
endforeach()
if(unlicensed)
  string(REPLACE ";" "\n" list "${unlicensed}")
  message(FATAL_ERROR "Files without the SPDX line (scripts/spdx-headers.sh adds it):\n${list}")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format finds unformatted files:\n${errors}")
endif()
